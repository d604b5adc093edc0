#include "gui/widgets/resources.h"
#include "gui/widgets/svgicon.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using namespace tincta;

namespace {

const QString iconPath = QStringLiteral(":/icons/tincta.svg");

QImage drawnDirectly(QSize devicePixels) {
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(iconPath).render(&painter);
    return image;
}

} // namespace

// Icons are drawn from their SVG at the screen's resolution: at twice the scale a 48-pixel icon
// has 96 device pixels of its own, never 48 blown up.
class TestSvgIcon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initResources(); }
    void iconsAreSharpAtEveryScale_data();
    void iconsAreSharpAtEveryScale();
};

void TestSvgIcon::iconsAreSharpAtEveryScale_data() {
    QTest::addColumn<qreal>("scale");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

void TestSvgIcon::iconsAreSharpAtEveryScale() {
    QFETCH(qreal, scale);
    const QIcon icon = svgIcon(iconPath);
    const QSize logical(48, 48);
    const QSize device = (QSizeF(logical) * scale).toSize();
    const QImage expected = drawnDirectly(device);
    QImage empty(device, expected.format());
    empty.fill(Qt::transparent);
    QVERIFY(expected != empty);

    QImage painted(device, QImage::Format_ARGB32_Premultiplied);
    painted.setDevicePixelRatio(scale);
    painted.fill(Qt::transparent);
    {
        QPainter painter(&painted);
        icon.paint(&painter, QRect(QPoint(0, 0), logical));
    }
    painted.setDevicePixelRatio(1.0);
    QCOMPARE(painted, expected);

    const QImage fromPixmap = icon.pixmap(logical, scale).toImage();
    QCOMPARE(fromPixmap.size(), device);
}

QTEST_MAIN(TestSvgIcon)
#include "test_svgicon.moc"

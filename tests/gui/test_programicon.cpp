#include "gui/widgets/deferrediconstyle.h"
#include "gui/widgets/programicon.h"
#include "gui/widgets/resources.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QTest>

using namespace tincta;

namespace {

QImage drawnFromSvg(QSize devicePixels) {
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(QStringLiteral(TINCTA_ICON_SOURCE)).render(&painter);
    return image;
}

// The icons reach the program as PNG files, so a half-transparent pixel may differ by the one
// level that premultiplying it again rounds away.
int largestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

} // namespace

// Icons are drawn from their SVG at the screen's resolution: at twice the scale a 48-pixel icon
// has 96 device pixels of its own, never 48 blown up.
class TestProgramIcon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initResources(); }
    void iconsAreSharpAtEveryScale_data();
    void iconsAreSharpAtEveryScale();
    void overflowArrowsLookAsTheStyleDrawsThem_data();
    void overflowArrowsLookAsTheStyleDrawsThem();
};

void TestProgramIcon::iconsAreSharpAtEveryScale_data() {
    QTest::addColumn<qreal>("scale");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

void TestProgramIcon::iconsAreSharpAtEveryScale() {
    QFETCH(qreal, scale);
    const QIcon icon = programIcon(QStringLiteral("tincta"));
    const QSize logical(48, 48);
    const QSize device = (QSizeF(logical) * scale).toSize();
    const QImage expected = drawnFromSvg(device);
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
    QCOMPARE(painted.size(), expected.size());
    QVERIFY(largestChannelDifference(painted, expected) <= 1);

    const QImage fromPixmap = icon.pixmap(logical, scale).toImage();
    QCOMPARE(fromPixmap.size(), device);
}

void TestProgramIcon::overflowArrowsLookAsTheStyleDrawsThem_data() {
    QTest::addColumn<QStyle::StandardPixmap>("arrow");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    for (const auto arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        for (const auto direction : {Qt::LeftToRight, Qt::RightToLeft})
            QTest::addRow("%d, %d", int(arrow), int(direction)) << arrow << direction;
    }
}

// Read when first drawn, the arrows are still the style's own, pointing the layout's way.
void TestProgramIcon::overflowArrowsLookAsTheStyleDrawsThem() {
    QFETCH(QStyle::StandardPixmap, arrow);
    QFETCH(Qt::LayoutDirection, direction);
    DeferredIconStyle style;
    QStyleOption option;
    option.direction = direction;
    const QIcon deferred = style.standardIcon(arrow, &option);
    const QIcon direct = style.baseStyle()->standardIcon(arrow, &option);
    QVERIFY(!deferred.isNull());
    for (const int side : {16, 32})
        QCOMPARE(deferred.pixmap(side).toImage(), direct.pixmap(side).toImage());
}

QTEST_MAIN(TestProgramIcon)
#include "test_programicon.moc"

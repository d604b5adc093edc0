#include "settings/windowgeometry.h"
#include "testdata.h"

#include <QTest>

using namespace tincta;
using namespace tincta::test;

namespace {

QRect rect(const QString& text) {
    return windowGeometryFromText(text).value_or(QRect());
}

} // namespace

class TestWindowGeometry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedText_data();
    void storedText();
    void keptOnScreens_data();
    void keptOnScreens();
};

void TestWindowGeometry::storedText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    for (const QStringList& row :
         readTestTable(QStringLiteral("settings/window-geometry-texts.txt")))
        QTest::addRow("%s", qPrintable(row[0])) << row[0] << row[1];
}

void TestWindowGeometry::storedText() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const std::optional<QRect> geometry = windowGeometryFromText(text);
    QCOMPARE(geometry ? windowGeometryText(*geometry) : QStringLiteral("unreadable"), expected);
}

void TestWindowGeometry::keptOnScreens_data() {
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("kept");
    QTest::addColumn<QRect>("expected");
    for (const QStringList& row : readTestTable(QStringLiteral("settings/window-placements.txt"))) {
        QList<QRect> screens;
        for (const QString& screen : row[0].split(QLatin1Char(' ')))
            screens << rect(screen);
        QTest::addRow("%s on %s", qPrintable(row[1]), qPrintable(row[0]))
            << screens << rect(row[1]) << rect(row[2]);
    }
}

void TestWindowGeometry::keptOnScreens() {
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, kept);
    QFETCH(QRect, expected);
    QCOMPARE(tincta::keptOnScreens(kept, screens), expected);
}

QTEST_MAIN(TestWindowGeometry)
#include "test_windowgeometry.moc"

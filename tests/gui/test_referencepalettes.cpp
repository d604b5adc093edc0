#include "mainwindowfixture.h"
#include "palettewindowhelpers.h"

#include "gui/widgets/swatchgrid.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace tincta;
using namespace tincta::test;

namespace {

const QString websafeName = QStringLiteral("frmWebsafe");
const QString failsafeName = QStringLiteral("frmFailsafe");
const QString javaScriptName = QStringLiteral("frmJavaScript");

SwatchGrid* openWebsafe(const MainWindowFixture& f) {
    return openPalette(f.ui().cmdWebsafe, websafeName, QStringLiteral("lblWebsafeColor"));
}

SwatchGrid* openFailsafe(const MainWindowFixture& f) {
    return openPalette(f.ui().cmdFailsafe, failsafeName, QStringLiteral("lblFailsafeColor"));
}

SwatchGrid* openJavaScript(const MainWindowFixture& f) {
    return openPalette(f.ui().cmdJavaScript, javaScriptName, QStringLiteral("lblJavaScriptColor"));
}

// Every pixel of the area belongs to exactly one cell: no gaps, no overlaps.
bool tilesExactly(const SwatchGrid* grid, QSize area) {
    long covered = 0;
    QRect bounds;
    for (int i = 0; i < grid->cellCount(); ++i) {
        const QRect cell = grid->cellRect(i);
        covered += static_cast<long>(cell.width()) * cell.height();
        bounds |= cell;
    }
    return bounds == QRect(QPoint(0, 0), area) &&
           covered == static_cast<long>(area.width()) * area.height();
}

} // namespace

class TestReferencePalettes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowsAreFixedOwnerlessAndModeless_data();
    void windowsAreFixedOwnerlessAndModeless();
    void websafeCells_data();
    void websafeCells();
    void websafeGridTilesItsWindow();
    void failsafeCells_data();
    void failsafeCells();
    void failsafeCellsOverlapAndEndAtTheEdge();
    void pressNotReleaseTakesTheColour();
    void slidersMoveRedGreenBlueInOrder();
    void otherButtonsDoNothing_data();
    void otherButtonsDoNothing();
    void pressingTheSelectedColourRaisesNoChange();
    void pressesActOnTheSelectedMark();
    void oneWindowOfEachAtMost();
    void closedWindowIsDestroyedAndRefilled();
    void windowsCloseWithTheMainWindow();
    void windowsGoWithTheMainWindow();
};

void TestReferencePalettes::windowsAreFixedOwnerlessAndModeless_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("websafe") << websafeName << QStringLiteral("Websafe") << QSize(756, 126);
    QTest::newRow("failsafe") << failsafeName << QStringLiteral("Failsafe") << QSize(756, 47);
    QTest::newRow("javascript") << javaScriptName << QStringLiteral("JavaScript")
                                << QSize(117, 361);
}

void TestReferencePalettes::windowsAreFixedOwnerlessAndModeless() {
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    MainWindowFixture f;
    openWebsafe(f);
    openFailsafe(f);
    openJavaScript(f);
    QWidget* palette = topLevelNamed(window);
    QVERIFY(palette != nullptr);
    QVERIFY(palette->isVisible());
    QCOMPARE(palette->windowTitle(), caption);
    QCOMPARE(palette->size(), size);
    QCOMPARE(palette->minimumSize(), size);
    QCOMPARE(palette->maximumSize(), size);
    QVERIFY(!(palette->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(palette->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(palette->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!palette->windowIcon().isNull());
    QVERIFY(palette->parentWidget() == nullptr);
    QCOMPARE(palette->windowModality(), Qt::NonModal);
    QVERIFY(palette->testAttribute(Qt::WA_DeleteOnClose));
    // The main window stays usable beside it.
    f.ui().hsbGreen->setValue(204);
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("#FFCC00"));
}

void TestReferencePalettes::websafeCells_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<Colour>("colour");
    // Points in the window: column c and row r start at 21 * c and 21 * r pixels. (0, 0) would
    // mean "the middle" to QTest.
    QTest::newRow("top left") << QPoint(1, 1) << 5 << QStringLiteral("#0000FF")
                              << Colour{0, 0, 255};
    QTest::newRow("bottom left") << QPoint(20, 125) << 0 << QStringLiteral("#000000")
                                 << Colour{0, 0, 0};
    QTest::newRow("top of second column")
        << QPoint(21, 0) << 41 << QStringLiteral("#3300FF") << Colour{51, 0, 255};
    QTest::newRow("bottom right") << QPoint(755, 125) << 210 << QStringLiteral("#FFFF00")
                                  << Colour{255, 255, 0};
    QTest::newRow("top right") << QPoint(735, 0) << 215 << QStringLiteral("#FFFFFF")
                               << Colour{255, 255, 255};
    QTest::newRow("second green block")
        << QPoint(6 * 21 + 10, 3 * 21 + 10) << 8 << QStringLiteral("#003366") << Colour{0, 51, 102};
}

void TestReferencePalettes::websafeCells() {
    QFETCH(QPoint, point);
    QFETCH(int, cell);
    QFETCH(QString, toolTip);
    QFETCH(Colour, colour);
    MainWindowFixture f;
    SwatchGrid* grid = openWebsafe(f);
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->pos(), QPoint(0, 0));
    QCOMPARE(grid->cellAt(point), cell);
    QCOMPARE(grid->cellRect(cell).size(), QSize(21, 21));
    QCOMPARE(grid->cellToolTip(cell), toolTip);
    QCOMPARE(grid->cellColour(cell), pack(colour));
    QTest::mouseClick(grid, Qt::LeftButton, {}, point);
    QCOMPARE(f.sliderColour(), colour);
    QCOMPARE(f.markColour(0), colour);
    QCOMPARE(f.ui().lblClipboard->text(), toolTip);
}

void TestReferencePalettes::websafeGridTilesItsWindow() {
    MainWindowFixture f;
    SwatchGrid* grid = openWebsafe(f);
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->cellCount(), 216);
    QVERIFY(tilesExactly(grid, QSize(756, 126)));
    // Behind the cells is the theme's own background, never a forced white.
    QCOMPARE(grid->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Window));
}

void TestReferencePalettes::failsafeCells_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<Colour>("colour");
    QTest::newRow("first") << 0 << QStringLiteral("#000000") << Colour{0, 0, 0};
    QTest::newRow("purple") << 1 << QStringLiteral("#800080") << Colour{128, 0, 128};
    QTest::newRow("teal") << 3 << QStringLiteral("#008080") << Colour{0, 128, 128};
    QTest::newRow("silver") << 14 << QStringLiteral("#C0C0C0") << Colour{192, 192, 192};
    QTest::newRow("last") << 15 << QStringLiteral("#FFFFFF") << Colour{255, 255, 255};
}

void TestReferencePalettes::failsafeCells() {
    QFETCH(int, cell);
    QFETCH(QString, toolTip);
    QFETCH(Colour, colour);
    MainWindowFixture f;
    SwatchGrid* grid = openFailsafe(f);
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->cellToolTip(cell), toolTip);
    QCOMPARE(grid->cellColour(cell), pack(colour));
    clickCell(grid, cell);
    QCOMPARE(f.sliderColour(), colour);
    QCOMPARE(f.markColour(0), colour);
}

void TestReferencePalettes::failsafeCellsOverlapAndEndAtTheEdge() {
    MainWindowFixture f;
    SwatchGrid* grid = openFailsafe(f);
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->cellCount(), 16);
    QCOMPARE(grid->cellRect(0), QRect(0, 0, 48, 47));
    QCOMPARE(grid->cellRect(15).right(), 755);
    for (int i = 1; i < 16; ++i) {
        // Each cell starts at or just before the end of the one on its left, never after it.
        QVERIFY(grid->cellRect(i).left() <= grid->cellRect(i - 1).right() + 1);
        QVERIFY(grid->cellRect(i).left() >= grid->cellRect(i - 1).right());
        QCOMPARE(grid->cellRect(i).height(), 47);
    }
    // Where two cells share a pixel column, the later one is on top.
    QCOMPARE(grid->cellAt(QPoint(grid->cellRect(1).left(), 10)), 1);
}

void TestReferencePalettes::pressNotReleaseTakesTheColour() {
    MainWindowFixture f;
    SwatchGrid* grid = openFailsafe(f);
    QVERIFY(grid != nullptr);
    QTest::mousePress(grid, Qt::LeftButton, {}, grid->cellRect(1).center());
    QCOMPARE(f.markColour(0), (Colour{128, 0, 128}));
    // Releasing over another cell takes nothing more.
    QTest::mouseRelease(grid, Qt::LeftButton, {}, grid->cellRect(5).center());
    QCOMPARE(f.markColour(0), (Colour{128, 0, 128}));
}

void TestReferencePalettes::slidersMoveRedGreenBlueInOrder() {
    MainWindowFixture f;
    SwatchGrid* grid = openWebsafe(f);
    QVERIFY(grid != nullptr);
    QStringList moved;
    QList<Colour> seen;
    const auto record = [&](const char* slider) {
        return [&, slider](int) {
            moved.append(QLatin1String(slider));
            seen.append(f.markColour(0));
        };
    };
    connect(f.ui().hsbRed, &QScrollBar::valueChanged, this, record("red"));
    connect(f.ui().hsbGreen, &QScrollBar::valueChanged, this, record("green"));
    connect(f.ui().hsbBlue, &QScrollBar::valueChanged, this, record("blue"));
    // From red (255, 0, 0) to #66CC33 (cell 6 * 36 / 36 ...): every channel changes.
    const int cell = 2 * 36 + 4 * 6 + 1; // #66CC33
    QCOMPARE(grid->cellToolTip(cell), QStringLiteral("#66CC33"));
    clickCell(grid, cell);
    QCOMPARE(moved, (QStringList{"red", "green", "blue"}));
    QCOMPARE(seen, (QList<Colour>{{102, 0, 0}, {102, 204, 0}, {102, 204, 51}}));
}

void TestReferencePalettes::otherButtonsDoNothing_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("button");
    for (const QString& window : {websafeName, failsafeName, javaScriptName}) {
        QTest::addRow("%s right", qPrintable(window)) << window << int(Qt::RightButton);
        QTest::addRow("%s middle", qPrintable(window)) << window << int(Qt::MiddleButton);
    }
}

void TestReferencePalettes::otherButtonsDoNothing() {
    QFETCH(QString, window);
    QFETCH(int, button);
    MainWindowFixture f;
    openWebsafe(f);
    openFailsafe(f);
    openJavaScript(f);
    auto* grid = topLevelNamed(window)->findChild<SwatchGrid*>();
    QVERIFY(grid != nullptr);
    QSignalSpy red(f.ui().hsbRed, &QScrollBar::valueChanged);
    QSignalSpy green(f.ui().hsbGreen, &QScrollBar::valueChanged);
    QSignalSpy blue(f.ui().hsbBlue, &QScrollBar::valueChanged);
    for (int cell : {1, 7, 12})
        clickCell(grid, cell, static_cast<Qt::MouseButton>(button));
    QCOMPARE(red.count() + green.count() + blue.count(), 0);
    QCOMPARE(f.markColour(0), (Colour{255, 0, 0}));
}

void TestReferencePalettes::pressingTheSelectedColourRaisesNoChange() {
    MainWindowFixture f;
    SwatchGrid* grid = openWebsafe(f);
    QVERIFY(grid != nullptr);
    clickCell(grid, 41);
    QCOMPARE(f.sliderColour(), (Colour{51, 0, 255}));
    QSignalSpy red(f.ui().hsbRed, &QScrollBar::valueChanged);
    QSignalSpy green(f.ui().hsbGreen, &QScrollBar::valueChanged);
    QSignalSpy blue(f.ui().hsbBlue, &QScrollBar::valueChanged);
    f.ui().lblClipboard->setText(QStringLiteral("untouched"));
    clickCell(grid, 41);
    QCOMPARE(red.count() + green.count() + blue.count(), 0);
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("untouched"));
}

void TestReferencePalettes::pressesActOnTheSelectedMark() {
    MainWindowFixture f;
    SwatchGrid* websafe = openWebsafe(f);
    SwatchGrid* failsafe = openFailsafe(f);
    QVERIFY(websafe != nullptr && failsafe != nullptr);
    f.ui().optColor[2]->click();
    clickCell(websafe, 41);
    QCOMPARE(f.markColour(2), (Colour{51, 0, 255}));
    f.ui().optColor[4]->click();
    clickCell(failsafe, 1);
    QCOMPARE(f.markColour(4), (Colour{128, 0, 128}));
    // The marks not selected at the time keep their colours.
    QCOMPARE(f.markColour(0), (Colour{255, 0, 0}));
    QCOMPARE(f.markColour(2), (Colour{51, 0, 255}));
}

void TestReferencePalettes::oneWindowOfEachAtMost() {
    MainWindowFixture f;
    for (int round = 0; round < 3; ++round) {
        f.ui().cmdWebsafe->click();
        f.ui().cmdFailsafe->click();
        f.ui().cmdJavaScript->click();
    }
    QCOMPARE(topLevelsNamed(websafeName).size(), 1);
    QCOMPARE(topLevelsNamed(failsafeName).size(), 1);
    QCOMPARE(topLevelsNamed(javaScriptName).size(), 1);
    // A hidden window is shown again rather than duplicated.
    QWidget* websafe = topLevelNamed(websafeName);
    websafe->hide();
    f.ui().cmdWebsafe->click();
    QCOMPARE(topLevelNamed(websafeName), websafe);
    QVERIFY(websafe->isVisible());
}

void TestReferencePalettes::closedWindowIsDestroyedAndRefilled() {
    MainWindowFixture f;
    SwatchGrid* grid = openWebsafe(f);
    QVERIFY(grid != nullptr);
    QPointer<QWidget> first = topLevelNamed(websafeName);
    first->close();
    flushDeletes();
    QVERIFY(first.isNull());
    QVERIFY(topLevelsNamed(websafeName).isEmpty());
    grid = openWebsafe(f);
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->cellToolTip(41), QStringLiteral("#3300FF"));
    clickCell(grid, 41);
    QCOMPARE(f.markColour(0), (Colour{51, 0, 255}));
}

void TestReferencePalettes::windowsCloseWithTheMainWindow() {
    MainWindowFixture f;
    openWebsafe(f);
    openFailsafe(f);
    openJavaScript(f);
    QVERIFY(f.window->close());
    QVERIFY(topLevelsNamed(websafeName).isEmpty());
    QVERIFY(topLevelsNamed(failsafeName).isEmpty());
    QVERIFY(topLevelsNamed(javaScriptName).isEmpty());
}

void TestReferencePalettes::windowsGoWithTheMainWindow() {
    auto f = std::make_unique<MainWindowFixture>();
    openWebsafe(*f);
    openJavaScript(*f);
    f.reset();
    QVERIFY(topLevelsNamed(websafeName).isEmpty());
    QVERIFY(topLevelsNamed(javaScriptName).isEmpty());
}

QTEST_MAIN(TestReferencePalettes)
#include "test_referencepalettes.moc"

#include "mainwindowfixture.h"
#include "settingsstore.h"

#include "palettewindowhelpers.h"
#include "settings/settingsrecord.h"

#include "colour/colourtables.h"
#include "gui/widgets/swatchgrid.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolBar>

using namespace tincta;
using namespace tincta::test;

namespace {

const QString windowName = QStringLiteral("frmJavaScript");

struct JavaScriptPalette {
    QWidget* window = nullptr;
    SwatchGrid* grid = nullptr;
    QAction* alphabetically = nullptr;
    QAction* dotNet = nullptr;
};

JavaScriptPalette openJavaScript(const MainWindowFixture& f) {
    JavaScriptPalette palette;
    palette.grid =
        openPalette(f.ui().cmdJavaScript, windowName, QStringLiteral("lblJavaScriptColor"));
    palette.window = topLevelNamed(windowName);
    if (palette.window != nullptr) {
        palette.alphabetically =
            palette.window->findChild<QAction*>(QStringLiteral("Alphabetically"));
        palette.dotNet = palette.window->findChild<QAction*>(QStringLiteral("DotNet"));
    }
    return palette;
}

// The toolbar as a user meets it: a click on the button's widget.
void clickSortButton(const JavaScriptPalette& palette, QAction* button) {
    auto* toolbar = palette.window->findChild<QToolBar*>(QStringLiteral("tbrSortTools"));
    QWidget* widget = toolbar->widgetForAction(button);
    QTest::mouseClick(widget, Qt::LeftButton);
}

int indexOfName(const QString& name) {
    const auto& names = colourTables().javaScriptNames;
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

// Every file below the test's own settings folder, with its size and time.
QStringList settingsFiles() {
    QStringList files;
    QDirIterator it(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files.append(it.filePath() + QLatin1Char(' ') + QString::number(it.fileInfo().size()) +
                     QLatin1Char(' ') + it.fileInfo().lastModified().toString(Qt::ISODateWithMs));
    }
    return files;
}

} // namespace

class TestJavaScriptWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { clearStoredSettings(); }
    void toolbarButtons();
    void gridLiesBelowTheToolbar();
    void opensInTheStoredOrder_data();
    void opensInTheStoredOrder();
    void sortingDecidesWhichTableAPressReads();
    void sortChoiceNeverReachesTheSettings();
    void secondOpenOnlyShowsTheWindow();
    void twoNamesOneColour_data();
    void twoNamesOneColour();
};

void TestJavaScriptWindow::toolbarButtons() {
    MainWindowFixture f;
    const JavaScriptPalette palette = openJavaScript(f);
    QVERIFY(palette.alphabetically != nullptr && palette.dotNet != nullptr);
    QCOMPARE(palette.alphabetically->toolTip(), QStringLiteral("Sort alphabetically"));
    QCOMPARE(palette.dotNet->toolTip(), QStringLiteral("Sort like Visual Studio .NET"));
    QVERIFY(!palette.alphabetically->icon().isNull());
    QVERIFY(!palette.dotNet->icon().isNull());
    QVERIFY(palette.alphabetically->isChecked());
    clickSortButton(palette, palette.dotNet);
    QVERIFY(palette.dotNet->isChecked());
    QVERIFY(!palette.alphabetically->isChecked());
    // A second click on the pressed button leaves it pressed.
    clickSortButton(palette, palette.dotNet);
    QVERIFY(palette.dotNet->isChecked());
    QCOMPARE(palette.grid->cellToolTip(0), QStringLiteral("black #000000"));
}

void TestJavaScriptWindow::gridLiesBelowTheToolbar() {
    MainWindowFixture f;
    const JavaScriptPalette palette = openJavaScript(f);
    QVERIFY(palette.grid != nullptr);
    auto* toolbar = palette.window->findChild<QToolBar*>(QStringLiteral("tbrSortTools"));
    QCOMPARE(toolbar->geometry(), QRect(0, 0, 117, 28));
    QCOMPARE(palette.grid->geometry(), QRect(0, 28, 117, 333));
    QCOMPARE(palette.grid->cellCount(), 140);
    // Square i sits in row i / 7, column i % 7; the squares tile the grid without gaps.
    long covered = 0;
    for (int i = 0; i < 140; ++i) {
        const QRect square = palette.grid->cellRect(i);
        covered += static_cast<long>(square.width()) * square.height();
        QVERIFY(square.width() == 16 || square.width() == 17);
        QVERIFY(square.height() == 16 || square.height() == 17);
        if (i % 7 != 0)
            QCOMPARE(square.left(), palette.grid->cellRect(i - 1).right() + 1);
        if (i >= 7)
            QCOMPARE(square.top(), palette.grid->cellRect(i - 7).bottom() + 1);
    }
    QCOMPARE(covered, 117L * 333L);
    QCOMPARE(palette.grid->cellRect(139).bottomRight(), QPoint(116, 332));
}

void TestJavaScriptWindow::opensInTheStoredOrder_data() {
    QTest::addColumn<int>("sortIndex");
    QTest::addColumn<QString>("firstCaption");
    QTest::addColumn<QString>("lastCaption");
    QTest::addColumn<bool>("alphabetical");
    QTest::newRow("alphabetical") << 0 << QStringLiteral("aliceblue #F0F8FF")
                                  << QStringLiteral("yellowgreen #9ACD32") << true;
    QTest::newRow("dotnet") << 1 << QStringLiteral("black #000000")
                            << QStringLiteral("lightpink #FFB6C1") << false;
}

void TestJavaScriptWindow::opensInTheStoredOrder() {
    QFETCH(int, sortIndex);
    QFETCH(QString, firstCaption);
    QFETCH(QString, lastCaption);
    QFETCH(bool, alphabetical);
    storeSetting(sortIndexValueName, QString::number(sortIndex));
    MainWindowFixture f;
    const JavaScriptPalette palette = openJavaScript(f);
    QVERIFY(palette.grid != nullptr);
    QCOMPARE(palette.alphabetically->isChecked(), alphabetical);
    QCOMPARE(palette.dotNet->isChecked(), !alphabetical);
    QCOMPARE(palette.grid->cellToolTip(0), firstCaption);
    QCOMPARE(palette.grid->cellToolTip(139), lastCaption);
    const QString hex = firstCaption.right(6);
    QCOMPARE(palette.grid->cellColour(0),
             pack(hex.left(2).toInt(nullptr, 16), hex.mid(2, 2).toInt(nullptr, 16),
                  hex.right(2).toInt(nullptr, 16)));
}

void TestJavaScriptWindow::sortingDecidesWhichTableAPressReads() {
    MainWindowFixture f;
    const JavaScriptPalette palette = openJavaScript(f);
    QVERIFY(palette.grid != nullptr);
    clickSortButton(palette, palette.dotNet);
    QCOMPARE(palette.grid->cellColour(0), pack(0, 0, 0));
    clickCell(palette.grid, 0);
    QCOMPARE(f.sliderColour(), (Colour{0, 0, 0}));
    clickSortButton(palette, palette.alphabetically);
    clickCell(palette.grid, 0);
    QCOMPARE(f.sliderColour(), (Colour{240, 248, 255}));
    QCOMPARE(f.markColour(0), (Colour{240, 248, 255}));
    // The window stays open for further presses.
    QVERIFY(palette.window->isVisible());
}

void TestJavaScriptWindow::sortChoiceNeverReachesTheSettings() {
    MainWindowFixture f;
    const QStringList before = settingsFiles();
    JavaScriptPalette palette = openJavaScript(f);
    QVERIFY(palette.grid != nullptr);
    clickSortButton(palette, palette.dotNet);
    palette.window->close();
    QCOMPARE(settingsFiles(), before);
    // The next opening applies the stored order anew.
    palette = openJavaScript(f);
    QVERIFY(palette.grid != nullptr);
    QVERIFY(palette.alphabetically->isChecked());
    QCOMPARE(palette.grid->cellToolTip(0), QStringLiteral("aliceblue #F0F8FF"));
}

void TestJavaScriptWindow::secondOpenOnlyShowsTheWindow() {
    MainWindowFixture f;
    const JavaScriptPalette first = openJavaScript(f);
    QVERIFY(first.grid != nullptr);
    clickSortButton(first, first.dotNet);
    const JavaScriptPalette second = openJavaScript(f);
    QCOMPARE(second.window, first.window);
    QVERIFY(second.dotNet->isChecked());
    QCOMPARE(second.grid->cellToolTip(0), QStringLiteral("black #000000"));
}

void TestJavaScriptWindow::twoNamesOneColour_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Colour>("colour");
    QTest::newRow("aqua") << QStringLiteral("aqua") << Colour{0, 255, 255};
    QTest::newRow("cyan") << QStringLiteral("cyan") << Colour{0, 255, 255};
    QTest::newRow("fuchsia") << QStringLiteral("fuchsia") << Colour{255, 0, 255};
    QTest::newRow("magenta") << QStringLiteral("magenta") << Colour{255, 0, 255};
}

void TestJavaScriptWindow::twoNamesOneColour() {
    QFETCH(QString, name);
    QFETCH(Colour, colour);
    MainWindowFixture f;
    const JavaScriptPalette palette = openJavaScript(f);
    QVERIFY(palette.grid != nullptr);
    const int square = indexOfName(name);
    QVERIFY(square < 140);
    QVERIFY(palette.grid->cellToolTip(square).startsWith(name + QLatin1Char(' ')));
    f.ui().hsbRed->setValue(1);
    clickCell(palette.grid, square);
    QCOMPARE(f.sliderColour(), colour);
}

QTEST_MAIN(TestJavaScriptWindow)
#include "test_javascriptwindow.moc"

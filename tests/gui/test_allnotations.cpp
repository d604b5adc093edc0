#include "mainwindowfixture.h"
#include "settingsstore.h"

#include "colour/conversions.h"

#include <QApplication>
#include <QClipboard>
#include <QTreeWidget>

using namespace tincta;
using namespace tincta::test;

namespace {

QList<QWidget*> shownNotationWindows() {
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmAllNotations") && window->isVisible())
            windows << window;
    }
    return windows;
}

// Ctrl+L in the main window: the All Notations window's rows, or nullptr unless one is open.
QTreeWidget* openAllNotations(MainWindowFixture& f) {
    QTest::keyClick(f.window.get(), Qt::Key_L, Qt::ControlModifier);
    const QList<QWidget*> windows = shownNotationWindows();
    if (windows.size() != 1)
        return nullptr;
    return windows.first()->findChild<QTreeWidget*>(QStringLiteral("lstAllNotations"));
}

QTreeWidgetItem* rowNamed(QTreeWidget* rows, const QString& name) {
    const QList<QTreeWidgetItem*> found = rows->findItems(name, Qt::MatchExactly, 0);
    return found.size() == 1 ? found.first() : nullptr;
}

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void putOnClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

} // namespace

class TestAllNotations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void ctrlLOpensOneWindowWithEveryNotation();
    void rowsFollowASliderMove();
    void enterAndAClickCopyARow();
    void starredRowsAreCopiedWithCtrlDigits();
    void storedStarsComeBack();
    void pasteColourSetsTheSelectedMarkInOneStep_data();
    void pasteColourSetsTheSelectedMarkInOneStep();
    void pasteColourRefusesOtherTexts_data();
    void pasteColourRefusesOtherTexts();
};

void TestAllNotations::init() {
    clearStoredSettings();
}

void TestAllNotations::ctrlLOpensOneWindowWithEveryNotation() {
    MainWindowFixture f;
    QTreeWidget* rows = openAllNotations(f);
    QVERIFY(rows != nullptr);
    QCOMPARE(rows->window()->windowTitle(), QStringLiteral("All Notations"));
    QCOMPARE(rows->topLevelItemCount(), f.ui().lstAutocopy->count());
    // The default palette's first mark is red.
    QCOMPARE(rowNamed(rows, QStringLiteral("Tailwind"))->text(1),
             QStringLiteral("red-500, \u0394E 0.028"));
    QCOMPARE(rowNamed(rows, QStringLiteral("Android XML"))->text(1),
             QStringLiteral("<color name=\"colour_1\">#FFFF0000</color>"));
    // A second Ctrl+L brings the one window forward.
    QVERIFY(openAllNotations(f) != nullptr);
    QVERIFY(rows->window()->geometry().bottom() <=
            rows->window()->screen()->availableGeometry().bottom());
}

void TestAllNotations::rowsFollowASliderMove() {
    MainWindowFixture f;
    QTreeWidget* rows = openAllNotations(f);
    QVERIFY(rows != nullptr);
    f.ui().hsbBlue->setValue(0x99);
    const QTreeWidgetItem* flutter = rowNamed(rows, QStringLiteral("Flutter"));
    QCOMPARE(flutter->text(1), QStringLiteral("Color(0xFFFF0099)"));
    QCOMPARE(flutter->data(1, Qt::AccessibleTextRole).toString(),
             QStringLiteral("Flutter: Color(0xFFFF0099)"));
    f.ui().txtName[0]->setText(QStringLiteral("Brand pink"));
    QCOMPARE(rowNamed(rows, QStringLiteral("Android XML"))->text(1),
             QStringLiteral("<color name=\"brand_pink\">#FFFF0099</color>"));
}

void TestAllNotations::enterAndAClickCopyARow() {
    MainWindowFixture f;
    QTreeWidget* rows = openAllNotations(f);
    QVERIFY(rows != nullptr);
    waitForAutocopy();
    rows->setCurrentItem(rowNamed(rows, QStringLiteral("QColor")));
    QTest::keyClick(rows, Qt::Key_Return);
    QCOMPARE(clipboardText(), QStringLiteral("QColor(255, 0, 0)"));
    // Tailwind copies the class stem, without the distance the window shows.
    const QTreeWidgetItem* tailwind = rowNamed(rows, QStringLiteral("Tailwind"));
    rows->scrollToItem(tailwind);
    const QPoint onText(rows->columnViewportPosition(1) + 8,
                        rows->visualItemRect(tailwind).center().y());
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, onText);
    QCOMPARE(clipboardText(), QStringLiteral("red-500"));
    // The autocopy keeps its one notation.
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("#FF0000"));
}

void TestAllNotations::starredRowsAreCopiedWithCtrlDigits() {
    MainWindowFixture f;
    QTreeWidget* rows = openAllNotations(f);
    QVERIFY(rows != nullptr);
    waitForAutocopy();
    rowNamed(rows, QStringLiteral("CSS lab()"))->setCheckState(0, Qt::Checked);
    // The star is reached with the keyboard as well: Space on the current row.
    rows->setCurrentItem(rowNamed(rows, QStringLiteral("Flutter")), 0);
    QTest::keyClick(rows, Qt::Key_Space);
    QCOMPARE(rowNamed(rows, QStringLiteral("Flutter"))->checkState(0), Qt::Checked);
    QCOMPARE(storedSetting(starredFormatsValueName), QStringLiteral("lab,flutter"));

    QTest::keyClick(f.window.get(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(clipboardText(), QStringLiteral("lab(54.29% 80.80 69.89)"));
    QTest::keyClick(rows, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(clipboardText(), QStringLiteral("Color(0xFFFF0000)"));
    // Nothing starred third: the clipboard keeps what it holds.
    QTest::keyClick(f.window.get(), Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(clipboardText(), QStringLiteral("Color(0xFFFF0000)"));
}

void TestAllNotations::storedStarsComeBack() {
    storeSetting(starredFormatsValueName, QStringLiteral("qcolor,0,unknown"));
    MainWindowFixture f;
    QVERIFY(f.scripted.messages.shown.isEmpty());
    waitForAutocopy();
    QTest::keyClick(f.window.get(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(clipboardText(), QStringLiteral("QColor(255, 0, 0)"));
    QTreeWidget* rows = openAllNotations(f);
    QVERIFY(rows != nullptr);
    QCOMPARE(rowNamed(rows, QStringLiteral("QColor"))->checkState(0), Qt::Checked);
    QCOMPARE(rowNamed(rows, QStringLiteral("HTML Hex"))->checkState(0), Qt::Checked);
    QCOMPARE(rowNamed(rows, QStringLiteral("QML"))->checkState(0), Qt::Unchecked);
}

void TestAllNotations::pasteColourSetsTheSelectedMarkInOneStep_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    QTest::newRow("Flutter") << "Color(0xFF336699)"
                             << "#336699";
    QTest::newRow("oklch with blanks around") << "  oklch(62.8% 0.2577 29.23)\n"
                                              << "#FF0000";
    QTest::newRow("named colour") << "RebeccaPurple"
                                  << "#663399";
    QTest::newRow("out of sRGB, chroma lowered") << "color(display-p3 0 1 0)"
                                                 << "#00FB29";
}

void TestAllNotations::pasteColourSetsTheSelectedMarkInOneStep() {
    QFETCH(QString, text);
    QFETCH(QString, colour);
    MainWindowFixture f;
    f.ui().optColor[2]->click();
    const Colour before = f.markColour(2);
    putOnClipboard(text);
    QTest::keyClick(f.window.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(hexTriplet(f.markColour(2)), colour);
    QVERIFY(f.scripted.messages.shown.isEmpty());
    f.ui().command(Command::Undo)->trigger();
    QCOMPARE(f.markColour(2), before);
}

void TestAllNotations::pasteColourRefusesOtherTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a colour")
        << "hello"
        << "The clipboard holds \"hello\", which is no colour Tincta can read.";
    QTest::newRow("transparent")
        << "#33669980"
        << "The clipboard holds \"#33669980\", which is no colour Tincta can read.";
    QTest::newRow("long text shortened")
        << QString(100, u'x')
        << "The clipboard holds \"" + QString(59, u'x') + QChar(0x2026) +
               "\", which is no colour Tincta can read.";
    QTest::newRow("empty") << ""
                           << "The clipboard holds no text to read a colour from.";
}

void TestAllNotations::pasteColourRefusesOtherTexts() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    MainWindowFixture f;
    putOnClipboard(text);
    f.ui().command(Command::PasteColourText)->trigger();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QCOMPARE(f.scripted.messages.shown[0].text, message);
    QCOMPARE(hexTriplet(f.markColour(0)), QStringLiteral("#FF0000"));
    QVERIFY(!f.ui().command(Command::Undo)->isEnabled());
}

QTEST_MAIN(TestAllNotations)
#include "test_allnotations.moc"

#include "mainwindowfixture.h"

#include "editing/namebox.h"
#include "gui/widgets/colourbox.h"
#include "gui/widgets/trackedlineedit.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>

using namespace tincta;
using namespace tincta::test;

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithTheDefaultPalette();
    void startsWithDecimalEntryAndPasteDisabled();
    void firstActivationRendersTheStandardNotation();
    void menuItems_data();
    void menuItems();
    void toolbarPositions_data();
    void toolbarPositions();
    void oneActionServesMenuAndToolbar();
    void fieldsRefuseExtraCharacters_data();
    void fieldsRefuseExtraCharacters();
};

void TestStartup::startsWithTheDefaultPalette() {
    MainWindowFixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - New palette"));
    const std::array<PackedColour, 6> colours{0x0000FF, 0x00FFFF, 0x00FF00,
                                              0xFFFF00, 0xFF0000, 0xFF00FF};
    for (int i = 0; i < 6; ++i) {
        const auto mark = static_cast<std::size_t>(i);
        QCOMPARE(f.ui().picSample[mark]->colour(), colours[mark]);
        QCOMPARE(f.ui().txtName[mark]->text(), QStringLiteral("Type a colour name"));
        QCOMPARE(nameBoxBackground(f.ui().txtName[mark]), plainNameColour);
        QCOMPARE(f.ui().lblColorProp[mark]->text(), QStringLiteral("WFJ"));
        QCOMPARE(f.ui().picSample[mark]->isEnabledTo(f.ui().picSampleContainer), i == 0);
        QCOMPARE(f.ui().picSample[mark]->toolTip().isEmpty(), i != 0);
        QCOMPARE(f.ui().optColor[mark]->isChecked(), i == 0);
    }
    QCOMPARE(f.ui().picSample[0]->toolTip(),
             QStringLiteral("Drag and drop from here to pick a colour anywhere on the screen"));
    QCOMPARE(f.ui().hsbRed->value(), 255);
    QCOMPARE(f.ui().hsbGreen->value(), 0);
    QCOMPARE(f.ui().hsbBlue->value(), 0);
    QCOMPARE(f.selectedMark(), 0);
    // Without pick mode the selected sample is where a colour drag starts.
    QVERIFY(f.ui().picSample[0]->isEnabled());
    // The sliders are live: a move edits the selected mark.
    f.ui().hsbBlue->setValue(1);
    QCOMPARE(f.markColour(0), (Colour{255, 0, 1}));
}

void TestStartup::startsWithDecimalEntryAndPasteDisabled() {
    MainWindowFixture f;
    QVERIFY(f.ui().optSetDec->isChecked());
    QCOMPARE(f.ui().txtSetRed->text(), QStringLiteral("255"));
    QCOMPARE(f.ui().txtSetGreen->text(), QStringLiteral("0"));
    QCOMPARE(f.ui().txtSetBlue->text(), QStringLiteral("0"));
    QVERIFY(f.ui().txtHTMLHex->isHidden());
    QVERIFY(f.ui().txtHTMLHex->text().isEmpty());
    QVERIFY(!f.ui().mnuEditPasteColor->isEnabled());
    QVERIFY(!f.ui().toolbarButton(7)->isEnabled());
    QCOMPARE(f.ui().toolbarButton(7)->toolTip(), QStringLiteral("Use the Copy button to enable"));
    QVERIFY(f.ui().picPick->isHidden());
}

void TestStartup::firstActivationRendersTheStandardNotation() {
    MainWindowFixture f;
    QCOMPARE(f.ui().lstAutocopy->count(), 30);
    QCOMPARE(f.ui().lstAutocopy->item(0)->text(), QStringLiteral("HTML Hex"));
    QCOMPARE(f.ui().lstAutocopy->item(11)->text(), QStringLiteral("Custom"));
    QCOMPARE(f.ui().lstAutocopy->item(14)->text(), QStringLiteral("CSS oklch()"));
    QCOMPARE(f.ui().lstAutocopy->item(29)->text(), QStringLiteral("Tailwind"));
    QCOMPARE(f.ui().lstAutocopy->currentRow(), 0);
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("#FF0000"));
}

void TestStartup::menuItems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    const auto row = [](const char* name, const char* caption, QKeySequence shortcut = {}) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << shortcut;
    };
    row("mnuFileNew", "&New Palette", QKeySequence(Qt::CTRL | Qt::Key_N));
    row("mnuFileOpen", "&Open Palette In Tincta...", QKeySequence(Qt::CTRL | Qt::Key_O));
    row("mnuFileOpenInNotepad", "Open Palette &In Notepad...", QKeySequence(Qt::CTRL | Qt::Key_I));
    row("mnuFileSave", "&Save Palette", QKeySequence(Qt::CTRL | Qt::Key_S));
    row("mnuFileSaveAs", "Save Palette &As...", QKeySequence(Qt::Key_F12));
    row("mnuFileExit", "&Exit", QKeySequence(Qt::CTRL | Qt::Key_W));
    row("mnuEditUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    row("mnuEditRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    row("mnuEditCopyColor", "&Copy From Colour Mark", QKeySequence(Qt::Key_F2));
    row("mnuEditPasteColor", "Paste To Colour &Mark", QKeySequence(Qt::Key_F3));
    row("mnuEditColorProperties", "Colour &Properties...", QKeySequence(Qt::Key_F4));
    row("mnuEditFind", "&Find JavaScript Names", QKeySequence(Qt::Key_F5));
    row("mnuEditPickFromScreen", "Pick From &Screen",
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    row("mnuEditColourCheck", "Colour Chec&k...", QKeySequence(Qt::CTRL | Qt::Key_K));
    row("mnuEditCopyJavaScriptNames", "Copy &JavaScript Names", QKeySequence(Qt::Key_F6));
    row("mnuEditPasteHTMLHex", "Paste &HTML Hex", QKeySequence(Qt::Key_F11));
    row("mnuToolsColourPickMode", "Colour &Pick Mode", QKeySequence(Qt::Key_F7));
    row("mnuToolsCustomFormat", "&Custom Format...", QKeySequence(Qt::Key_F8));
    row("mnuToolsOptions", "&Options...", QKeySequence(Qt::Key_F9));
    row("mnuHelpHelp", "&Help", QKeySequence(Qt::Key_F1));
    row("mnuHomePage", "&Visit Tincta Home Page");
    row("mnuHelpAboutTincta", "&About Tincta...");
}

void TestStartup::menuItems() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    MainWindowFixture f;
    const auto* item = f.find<QAction>(name);
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
}

void TestStartup::toolbarPositions_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("toolTip");
    const char* const entries[][2] = {
        {"btnNew", "New Palette (Ctrl+N)"},
        {"btnOpen", "Open Palette In Tincta (Ctrl+O)"},
        {"btnOpenInNotepad ", "Open Palette In Notepad (Ctrl+I)"},
        {"btnSave", "Save Palette (Ctrl+S)"},
        {"tbrSeparator1", ""},
        {"btnCopyColor", "Copy From Colour Mark (F2)"},
        {"btnPasteColor", "Use the Copy button to enable"},
        {"btnColorProperties", "Colour Properties (F4)"},
        {"btnFind", "Find JavaScript Names (F5)"},
        {"btnPickFromScreen", "Pick From Screen (Ctrl+Shift+P)"},
        {"btnSeparator2", ""},
        {"btnCustomFormat", "Custom Format (F8)"},
        {"btnOptions", "Options (F9)"},
        {"btnSeparator3", ""},
        {"btnHelp", "Help (F1)"},
    };
    int position = 1;
    for (const auto& entry : entries) {
        QTest::newRow(entry[0]) << position++ << QString::fromLatin1(entry[0])
                                << QString::fromLatin1(entry[1]);
    }
}

void TestStartup::oneActionServesMenuAndToolbar() {
    MainWindowFixture f;
    QAction* open = f.ui().toolbarButton(2);
    QCOMPARE(open, f.ui().mnuFileOpen);
    QVERIFY(f.ui().mnuFile->actions().contains(open));
    QWidget* button = f.ui().tbrTools->widgetForAction(open);
    QVERIFY(button->isEnabled());
    f.ui().mnuToolsColourPickMode->trigger();
    QVERIFY(!open->isEnabled());
    QVERIFY(!button->isEnabled());
    QCOMPARE(open->toolTip(), QStringLiteral("Press F7 to enable"));
}

void TestStartup::toolbarPositions() {
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QString, toolTip);
    MainWindowFixture f;
    QAction* button = f.ui().toolbarButton(position);
    QCOMPARE(button->isSeparator(), toolTip.isEmpty());
    const QObject* named = button->isSeparator() ? static_cast<QObject*>(button)
                                                 : f.ui().tbrTools->widgetForAction(button);
    QCOMPARE(named->objectName(), key);
    if (!button->isSeparator()) {
        QCOMPARE(button->toolTip(), toolTip);
        QVERIFY(!button->icon().pixmap(22).isNull());
    }
}

void TestStartup::fieldsRefuseExtraCharacters_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");
    QTest::newRow("red") << "txtSetRed" << 3;
    QTest::newRow("green") << "txtSetGreen" << 3;
    QTest::newRow("blue") << "txtSetBlue" << 3;
    QTest::newRow("html hex") << "txtHTMLHex" << 7;
    QTest::newRow("name") << "txtName_3" << 21;
}

void TestStartup::fieldsRefuseExtraCharacters() {
    QFETCH(QString, name);
    QFETCH(int, limit);
    MainWindowFixture f;
    auto* field = f.find<QLineEdit>(name);
    QVERIFY(field != nullptr);
    field->show();
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, QString(limit + 1, QLatin1Char('1')));
    QCOMPARE(field->text(), QString(limit, QLatin1Char('1')));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"

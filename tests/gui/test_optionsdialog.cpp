#include "mainwindowfixture.h"
#include "settingsstore.h"

#include "colour/notation.h"
#include "settingsdialogs/optionsdialog.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace tincta;
using namespace tincta::test;

namespace {

struct OptionsFixture : MainWindowFixture {
    OwnSettings settings{scripted.messages};
    SettingsContext context() { return settings.context(scripted.services); }
};

template <typename T> T* control(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QLatin1String(name));
}

// Clicks the round indicator: a click past a short caption misses the button.
void clickOption(QWidget* dialog, const char* name) {
    auto* option = control<QRadioButton>(dialog, name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

QString example(QWidget* dialog) {
    return control<QLabel>(dialog, "lblExample")->text();
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void exampleText_data();
    void exampleText();
    void selectingANotationShowsItsExample_data();
    void selectingANotationShowsItsExample();
    void opensWithTheStoredSettings();
    void opensWithDefaultsAfterTheRestoreMessage();
    void okWritesTheFourValues();
    void okWritesOnlyWhatTheUserChanged_data();
    void okWritesOnlyWhatTheUserChanged();
    void cssNotationIsStoredBesideFormatIndex_data();
    void cssNotationIsStoredBesideFormatIndex();
    void unknownCssFormatIsClearedByOk();
    void closingWithoutOkWritesNothing_data();
    void closingWithoutOkWritesNothing();
    void enterIsOk();
    void changingTheFolder_data();
    void changingTheFolder();
    void f9AndToolbarOpenTheDialog();
};

void TestOptionsDialog::init() {
    clearStoredSettings();
}

void TestOptionsDialog::exampleText_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("customFormat");
    QTest::addColumn<QString>("expected");
    const QString none;
    QTest::newRow("HTML Hex") << 0 << none << "FFCC00";
    QTest::newRow("Lower Case HTML Hex") << 1 << none << "ffcc00";
    QTest::newRow("VB Hex, single ampersands") << 2 << none << "&H0000CCFF&";
    QTest::newRow("VB") << 3 << none << "RGB(255, 204, 0)";
    QTest::newRow("C++ Hex") << 4 << none << "0x0000ccff";
    QTest::newRow("Delphi Hex") << 5 << none << "$0000CCFF";
    QTest::newRow("Access") << 6 << none << "52479";
    QTest::newRow(".NET HTML") << 7 << none << "ColorTranslator.FromHtml(\"#FFCC00\")";
    QTest::newRow(".NET OLE") << 8 << none << "ColorTranslator.FromOle(52479)";
    QTest::newRow(".NET Win32") << 9 << none << "ColorTranslator.FromWin32(52479)";
    QTest::newRow("Java") << 10 << none << "Color(255,204,0)";
    QTest::newRow("Custom, empty") << 11 << none << "";
    QTest::newRow("Custom, decimals") << 11 << "%DR%,%DG%,%DB%"
                                      << "255,204,0";
    QTest::newRow("Custom, every code") << 11 << "%UR%%UG%%UB% %LR%%LG%%LB% %DR% %DG% %DB% %LD%"
                                        << "FFCC00 ffcc00 255 204 0 52479";
    QTest::newRow("Custom, lower-case code unchanged") << 11 << "%dr%,%DG%"
                                                       << "%dr%,204";
    QTest::newRow("Custom, ampersand kept") << 11 << "R&B %UR%"
                                            << "R&B FF";
    QTest::newRow("no selection") << -1 << "%UR%"
                                  << "";
    QTest::newRow("CSS rgb()") << 12 << none << "rgb(255 204 0)";
    QTest::newRow("CSS hsl()") << 13 << none << "hsl(48 100% 50%)";
    QTest::newRow("CSS oklch()") << 14 << "%UR%"
                                 << "oklch(86.5% 0.177 90.4)";
    QTest::newRow("past the list") << notationCount << "%UR%"
                                   << "";
}

void TestOptionsDialog::exampleText() {
    QFETCH(int, index);
    QFETCH(QString, customFormat);
    QFETCH(QString, expected);
    QCOMPARE(tincta::exampleText(index, customFormat), expected);
}

void TestOptionsDialog::selectingANotationShowsItsExample_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");
    QTest::newRow("HTML Hex") << 0 << "FFCC00";
    QTest::newRow("VB Hex") << 2 << "&H0000CCFF&";
    QTest::newRow(".NET HTML") << 7 << "ColorTranslator.FromHtml(\"#FFCC00\")";
    QTest::newRow("Java") << 10 << "Color(255,204,0)";
    QTest::newRow("Custom") << 11 << "#FFCC00 <b>";
    QTest::newRow("CSS oklch()") << 14 << "oklch(86.5% 0.177 90.4)";
}

void TestOptionsDialog::selectingANotationShowsItsExample() {
    QFETCH(int, row);
    QFETCH(QString, expected);
    storeSetting(customFormatValueName, QStringLiteral("#%UR%%UG%%UB% <b>"));
    OptionsFixture f;
    OptionsDialog dialog(f.window.get(), f.context());
    dialog.load();
    dialog.show();
    auto* list = control<QListWidget>(&dialog, "lstStandardFormat");
    QCOMPARE(list->count(), notationCount);
    QCOMPARE(list->item(row)->text(), notationNames()[row]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    QCOMPARE(list->currentRow(), row);
    QCOMPARE(example(&dialog), expected);
    QCOMPARE(control<QLabel>(&dialog, "lblExample")->textFormat(), Qt::PlainText);
}

void TestOptionsDialog::opensWithTheStoredSettings() {
    QTemporaryDir folder;
    storeSetting(formatIndexValueName, QStringLiteral("7"));
    storeSetting(sortIndexValueName, QStringLiteral("1"));
    storeSetting(promptToSaveValueName, QStringLiteral("0"));
    storeSetting(standardFolderValueName, folder.path());
    OptionsFixture f;
    OptionsDialog dialog(f.window.get(), f.context());
    dialog.load();
    dialog.show();
    QCOMPARE(control<QListWidget>(&dialog, "lstStandardFormat")->currentRow(), 7);
    QCOMPARE(example(&dialog), QStringLiteral("ColorTranslator.FromHtml(\"#FFCC00\")"));
    QVERIFY(control<QRadioButton>(&dialog, "optDotNet")->isChecked());
    QVERIFY(!control<QRadioButton>(&dialog, "optAlphabetically")->isChecked());
    QVERIFY(control<QRadioButton>(&dialog, "optNo")->isChecked());
    QVERIFY(!control<QRadioButton>(&dialog, "optYes")->isChecked());
    QCOMPARE(control<QLabel>(&dialog, "lblSelectedStandardFolder")->text(), folder.path());
    QVERIFY(f.scripted.messages.shown.isEmpty());
}

void TestOptionsDialog::opensWithDefaultsAfterTheRestoreMessage() {
    OptionsFixture f;
    storeSetting(formatIndexValueName, QStringLiteral("05"));
    storeSetting(sortIndexValueName, QStringLiteral("1"));
    OptionsDialog dialog(f.window.get(), f.context());
    dialog.load();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QCOMPARE(f.scripted.messages.shown[0].text,
             QStringLiteral("Unacceptable settings found in Registry. Default settings restored."));
    QCOMPARE(f.scripted.messages.shown[0].title, QStringLiteral("Tincta"));
    dialog.show();
    QCOMPARE(control<QListWidget>(&dialog, "lstStandardFormat")->currentRow(), 0);
    QVERIFY(control<QRadioButton>(&dialog, "optAlphabetically")->isChecked());
    QVERIFY(control<QRadioButton>(&dialog, "optYes")->isChecked());
    QCOMPARE(storedSetting(formatIndexValueName), QStringLiteral("0"));
}

void TestOptionsDialog::okWritesTheFourValues() {
    QTemporaryDir folder;
    OptionsFixture f;
    f.scripted.files.paths = {folder.path() + QLatin1Char('/')};
    OptionsDialog dialog(f.window.get(), f.context());
    dialog.load();
    dialog.show();
    control<QListWidget>(&dialog, "lstStandardFormat")->setCurrentRow(4);
    clickOption(&dialog, "optDotNet");
    clickOption(&dialog, "optNo");
    QTest::mouseClick(control<QPushButton>(&dialog, "cmdChange"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(&dialog, "cmdOK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(storedSetting(formatIndexValueName), QStringLiteral("4"));
    QCOMPARE(storedSetting(sortIndexValueName), QStringLiteral("1"));
    QCOMPARE(storedSetting(promptToSaveValueName), QStringLiteral("0"));
    QCOMPARE(storedSetting(standardFolderValueName), folder.path());
    QVERIFY(storedSetting(customFormatValueName).isNull());
    const SettingsRecord& record = f.settings.record;
    QCOMPARE(record.sortIndex, 1);
    QCOMPARE(record.promptToSave, 0);
    QCOMPARE(record.standardFolder, folder.path());
    // The standard notation counts from the next start; this window keeps its own.
    QCOMPARE(f.ui().lstAutocopy->currentRow(), 0);
}

void TestOptionsDialog::okWritesOnlyWhatTheUserChanged_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("promptToSave");
    QTest::newRow("nothing") << "" << QString();
    QTest::newRow("prompt to save") << "optNo"
                                    << "0";
    QTest::newRow("changed and changed back") << "optNo optYes" << QString();
}

// Another running copy stores its choices while this dialog is open; OK here must not undo them.
void TestOptionsDialog::okWritesOnlyWhatTheUserChanged() {
    QFETCH(QString, change);
    QFETCH(QString, promptToSave);
    QTemporaryDir folder;
    QTemporaryDir otherFolder;
    storeSetting(formatIndexValueName, QStringLiteral("10"));
    storeSetting(sortIndexValueName, QStringLiteral("1"));
    storeSetting(standardFolderValueName, folder.path());
    OptionsFixture f;
    OptionsDialog dialog(f.window.get(), f.context());
    dialog.load();
    dialog.show();
    storeSetting(formatIndexValueName, QStringLiteral("2"));
    storeSetting(sortIndexValueName, QStringLiteral("0"));
    storeSetting(standardFolderValueName, otherFolder.path());
    for (const QString& option : change.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        clickOption(&dialog, option.toLatin1().constData());
    QTest::mouseClick(control<QPushButton>(&dialog, "cmdOK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(storedSetting(formatIndexValueName), QStringLiteral("2"));
    QCOMPARE(storedSetting(sortIndexValueName), QStringLiteral("0"));
    QCOMPARE(storedSetting(standardFolderValueName), otherFolder.path());
    QCOMPARE(storedSetting(promptToSaveValueName), promptToSave);
}

void TestOptionsDialog::cssNotationIsStoredBesideFormatIndex_data() {
    QTest::addColumn<QString>("formatIndex");
    QTest::addColumn<QString>("cssFormat");
    QTest::addColumn<int>("shownRow");
    QTest::addColumn<int>("chosenRow");
    QTest::addColumn<QString>("storedFormatIndex");
    QTest::addColumn<QString>("storedCssFormat");
    const QString none;
    QTest::newRow("VB to oklch()") << "3" << none << 3 << 14 << "0"
                                   << "oklch";
    QTest::newRow("hsl() to rgb()") << "0"
                                    << "hsl" << 13 << 12 << "0"
                                    << "rgb";
    QTest::newRow("oklch() to Java") << "0"
                                     << "oklch" << 14 << 10 << "10"
                                     << "";
    // FormatIndex as another program left it beside our CssFormat: FormatIndex wins.
    QTest::newRow("Access beside rgb() to rgb()") << "6"
                                                  << "rgb" << 6 << 12 << "0"
                                                  << "rgb";
    QTest::newRow("Access beside rgb(), unchanged") << "6"
                                                    << "rgb" << 6 << 6 << "6"
                                                    << "";
}

void TestOptionsDialog::cssNotationIsStoredBesideFormatIndex() {
    QFETCH(QString, formatIndex);
    QFETCH(QString, cssFormat);
    QFETCH(int, shownRow);
    QFETCH(int, chosenRow);
    QFETCH(QString, storedFormatIndex);
    QFETCH(QString, storedCssFormat);
    storeSetting(formatIndexValueName, formatIndex);
    if (!cssFormat.isNull())
        storeSetting(cssFormatValueName, cssFormat);
    OptionsFixture f;
    OptionsDialog dialog(f.window.get(), f.context());
    dialog.load();
    dialog.show();
    auto* list = control<QListWidget>(&dialog, "lstStandardFormat");
    QCOMPARE(list->currentRow(), shownRow);
    list->setCurrentRow(chosenRow);
    QTest::mouseClick(control<QPushButton>(&dialog, "cmdOK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(storedSetting(formatIndexValueName), storedFormatIndex);
    QCOMPARE(storedSetting(cssFormatValueName), storedCssFormat);
    QVERIFY(f.scripted.messages.shown.isEmpty());
}

// A CssFormat this version never writes is ignored, not a reason to restore; the next OK, even
// with nothing changed, puts the stored notation right.
void TestOptionsDialog::unknownCssFormatIsClearedByOk() {
    storeSetting(formatIndexValueName, QStringLiteral("7"));
    storeSetting(cssFormatValueName, QStringLiteral("OKLCH"));
    OptionsFixture f;
    OptionsDialog dialog(f.window.get(), f.context());
    dialog.load();
    dialog.show();
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(control<QListWidget>(&dialog, "lstStandardFormat")->currentRow(), 7);
    QTest::mouseClick(control<QPushButton>(&dialog, "cmdOK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(storedSetting(cssFormatValueName), QStringLiteral(""));
    QCOMPARE(storedSetting(formatIndexValueName), QStringLiteral("7"));
    QVERIFY(storedSetting(sortIndexValueName).isNull());
}

void TestOptionsDialog::closingWithoutOkWritesNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window frame") << "frame";
}

void TestOptionsDialog::closingWithoutOkWritesNothing() {
    QFETCH(QString, how);
    QTemporaryDir folder;
    OptionsFixture f;
    const SettingsRecord before = f.settings.record;
    f.scripted.files.paths = {folder.path()};
    OptionsDialog dialog(f.window.get(), f.context());
    dialog.load();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    control<QListWidget>(&dialog, "lstStandardFormat")->setCurrentRow(9);
    control<QRadioButton>(&dialog, "optDotNet")->setChecked(true);
    control<QRadioButton>(&dialog, "optNo")->setChecked(true);
    QTest::mouseClick(control<QPushButton>(&dialog, "cmdChange"), Qt::LeftButton);
    QCOMPARE(control<QLabel>(&dialog, "lblSelectedStandardFolder")->text(), folder.path());
    if (how == QLatin1String("cancel"))
        QTest::mouseClick(control<QPushButton>(&dialog, "cmdCancel"), Qt::LeftButton);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!programRegistry()->ExistingKey(HKEY_CURRENT_USER, programKeyPath));
    const SettingsRecord& after = f.settings.record;
    QCOMPARE(after.sortIndex, before.sortIndex);
    QCOMPARE(after.promptToSave, before.promptToSave);
    QCOMPARE(after.standardFolder, before.standardFolder);
}

void TestOptionsDialog::enterIsOk() {
    OptionsFixture f;
    bool found = false;
    whenModalOpens([&found](QWidget* dialog) {
        found = dialog->objectName() == QLatin1String("frmOptions");
        control<QRadioButton>(dialog, "optDotNet")->setChecked(true);
        auto* list = control<QListWidget>(dialog, "lstStandardFormat");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    });
    QTest::keyClick(f.window.get(), Qt::Key_F9);
    QVERIFY(found);
    QCOMPARE(storedSetting(sortIndexValueName), QStringLiteral("1"));
    QCOMPARE(storedSetting(formatIndexValueName), QStringLiteral("1"));
}

void TestOptionsDialog::changingTheFolder_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("shown");
    QTest::newRow("trailing slash removed") << "/usr/share/"
                                            << "/usr/share";
    QTest::newRow("no trailing slash") << "/usr/share"
                                       << "/usr/share";
    QTest::newRow("only one slash removed") << "/usr//"
                                            << "/usr/";
    QTest::newRow("root keeps its slash") << "/"
                                          << "/";
    QTest::newRow("cancel keeps the folder") << ""
                                             << "/tmp";
}

void TestOptionsDialog::changingTheFolder() {
    QFETCH(QString, chosen);
    QFETCH(QString, shown);
    storeSetting(standardFolderValueName, QStringLiteral("/tmp"));
    OptionsFixture f;
    f.scripted.files.paths = {chosen};
    OptionsDialog dialog(f.window.get(), f.context());
    dialog.load();
    dialog.show();
    QTest::mouseClick(control<QPushButton>(&dialog, "cmdChange"), Qt::LeftButton);
    QCOMPARE(f.scripted.files.requests.size(), 1);
    QCOMPARE(f.scripted.files.requests[0].kind, QStringLiteral("folder"));
    QCOMPARE(f.scripted.files.requests[0].title,
             QStringLiteral("Select the folder you want to be standard folder"));
    QCOMPARE(control<QLabel>(&dialog, "lblSelectedStandardFolder")->text(), shown);
}

void TestOptionsDialog::f9AndToolbarOpenTheDialog() {
    OptionsFixture f;
    QStringList opened;
    const auto closeIt = [&opened](QWidget* dialog) {
        opened << dialog->objectName() + QLatin1Char(' ') + dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    whenModalOpens(closeIt);
    QTest::keyClick(f.window.get(), Qt::Key_F9);
    whenModalOpens(closeIt);
    f.ui().toolbarButton(13)->trigger();
    QCOMPARE(opened, QStringList({QStringLiteral("frmOptions Options"),
                                  QStringLiteral("frmOptions Options")}));
    QVERIFY(!programRegistry()->ExistingKey(HKEY_CURRENT_USER, programKeyPath));
}

QTEST_MAIN(TestOptionsDialog)
#include "test_optionsdialog.moc"

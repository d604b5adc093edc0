#include "mainwindowfixture.h"
#include "settingsstore.h"

#include "settingsdialogs/customformatdialog.h"
#include "settingsdialogs/optionsdialog.h"

#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <stdexcept>

using namespace tincta;
using namespace tincta::test;

namespace {

struct CustomFormatFixture : MainWindowFixture {
    OwnSettings settings{scripted.messages};
    SettingsContext context() { return settings.context(scripted.services); }
};

template <typename T> T* control(QWidget* dialog, const QString& name) {
    return dialog->findChild<T*>(name);
}

QLineEdit* formatBox(QWidget* dialog) {
    return control<QLineEdit>(dialog, QStringLiteral("txtFormat"));
}

void click(QWidget* dialog, const QString& name) {
    QTest::mouseClick(control<QPushButton>(dialog, name), Qt::LeftButton);
}

void showActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTRY_VERIFY(dialog.isAncestorOf(QApplication::focusWidget()));
}

const QString emoji = QStringLiteral("\U0001F600"); // two UTF-16 units

// The dialog shown and active over a main window, its box holding `text`.
struct OpenCustomFormat {
    CustomFormatFixture f;
    CustomFormatDialog dialog{f.window.get(), f.context(), {}};
    QLineEdit* box = formatBox(&dialog);

    explicit OpenCustomFormat(const QString& text) {
        dialog.load();
        showActive(dialog);
        box->setText(text);
    }
};

QString repeated(int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text.append(QChar(u'a' + i % 26));
    return text;
}

} // namespace

class TestCustomFormatDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void codeButtons_data();
    void codeButtons();
    void insertCode_data();
    void insertCode();
    void typingLimit_data();
    void typingLimit();
    void tabOrder();
    void codeButtonReachedByTabReplacesTheSelection();
    void opensWithTheStoredTemplate();
    void okStoresTheTextAsTyped_data();
    void okStoresTheTextAsTyped();
    void okWithAnEmptyTextEmptiesTheCustomExample();
    void closingWithoutOkWritesNothing_data();
    void closingWithoutOkWritesNothing();
    void help_data();
    void help();
    void f8AndToolbarOpenTheDialog();
};

void TestCustomFormatDialog::init() {
    clearStoredSettings();
}

void TestCustomFormatDialog::codeButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("UR") << "cmdUR"
                        << "%UR%"
                        << "Insert the code for Red in Upper Case Hex";
    QTest::newRow("UG") << "cmdUG"
                        << "%UG%"
                        << "Insert the code for Green in Upper Case Hex";
    QTest::newRow("UB") << "cmdUB"
                        << "%UB%"
                        << "Insert the code for Blue in Upper Case Hex";
    QTest::newRow("LR") << "cmdLR"
                        << "%LR%"
                        << "Insert the code for Red in Lower Case Hex";
    QTest::newRow("LG") << "cmdLG"
                        << "%LG%"
                        << "Insert the code for Green in Lower Case Hex";
    QTest::newRow("LB") << "cmdLB"
                        << "%LB%"
                        << "Insert the code for Blue in Lower Case Hex";
    QTest::newRow("DR") << "cmdDR"
                        << "%DR%"
                        << "Insert the code for Red in Decimal";
    QTest::newRow("DG") << "cmdDG"
                        << "%DG%"
                        << "Insert the code for Green in Decimal";
    QTest::newRow("DB") << "cmdDB"
                        << "%DB%"
                        << "Insert the code for Blue in Decimal";
    QTest::newRow("LD") << "cmdLD"
                        << "%LD%"
                        << "Insert the code for Long Decimal";
}

void TestCustomFormatDialog::codeButtons() {
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, toolTip);
    CustomFormatFixture f;
    CustomFormatDialog dialog(f.window.get(), f.context(), {});
    dialog.load();
    showActive(dialog);
    auto* button = control<QPushButton>(&dialog, name);
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), name.mid(3));
    QCOMPARE(button->toolTip(), toolTip);
    click(&dialog, name);
    QCOMPARE(formatBox(&dialog)->text(), code);
    QVERIFY(formatBox(&dialog)->hasFocus());
}

void TestCustomFormatDialog::insertCode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length"); // 0: the caret at `start`
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("empty") << "" << 0 << 0 << QStringList{"cmdUR"} << "%UR%" << 4;
    QTest::newRow("after another code")
        << "" << 0 << 0 << QStringList{"cmdUR", "cmdUG"} << "%UR%%UG%" << 8;
    QTest::newRow("over a selection") << "RGB" << 1 << 2 << QStringList{"cmdDG"} << "R%DG%" << 5;
    QTest::newRow("selection in the middle")
        << "a-bc-d" << 1 << 4 << QStringList{"cmdLD"} << "a%LD%d" << 5;
    QTest::newRow("caret in the middle")
        << "abcd" << 2 << 0 << QStringList{"cmdLB"} << "ab%LB%cd" << 6;
    QTest::newRow("caret at the start") << "x" << 0 << 0 << QStringList{"cmdDB"} << "%DB%x" << 4;
    QTest::newRow("cut at 250") << repeated(248) << 248 << 0 << QStringList{"cmdUR"}
                                << repeated(248) + "%U" << 250;
    QTest::newRow("exactly 250") << repeated(246) << 246 << 0 << QStringList{"cmdUB"}
                                 << repeated(246) + "%UB%" << 250;
    QTest::newRow("full text loses its end")
        << repeated(250) << 0 << 0 << QStringList{"cmdLR"} << "%LR%" + repeated(246) << 4;
    QTest::newRow("selection in a full text")
        << repeated(250) << 10 << 2 << QStringList{"cmdLG"}
        << repeated(10) + "%LG%" + repeated(250).mid(12, 236) << 14;
    QTest::newRow("cut before a pair")
        << repeated(245) + emoji << 0 << 0 << QStringList{"cmdUR"} << "%UR%" + repeated(245) << 4;
}

void TestCustomFormatDialog::insertCode() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QStringList, buttons);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    OpenCustomFormat open(text);
    QLineEdit* box = open.box;
    if (length > 0)
        box->setSelection(start, length);
    else
        box->setCursorPosition(start);
    for (const QString& button : buttons)
        click(&open.dialog, button);
    QCOMPARE(box->text(), expected);
    QCOMPARE(box->cursorPosition(), caret);
    QVERIFY(!box->hasSelectedText());
    QVERIFY(box->hasFocus());
}

// The 250-unit limit of typing and pasting never keeps half of a character.
void TestCustomFormatDialog::typingLimit_data() {
    QTest::addColumn<QString>("text"); // the caret at its end
    QTest::addColumn<bool>("paste");   // else typed
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typed past 250") << repeated(250) << false << "x" << repeated(250);
    QTest::newRow("pair with one unit left") << repeated(249) << false << emoji << repeated(249);
    QTest::newRow("pair with two units left")
        << repeated(248) << false << emoji << repeated(248) + emoji;
    QTest::newRow("paste cut at 250")
        << repeated(245) << true << "0123456789" << repeated(245) + "01234";
    QTest::newRow("pasted pair with one unit left")
        << repeated(249) << true << emoji << repeated(249);
    QTest::newRow("paste cut before a pair")
        << repeated(247) << true << "xy" + emoji << repeated(247) + "xy";
}

void TestCustomFormatDialog::typingLimit() {
    QFETCH(QString, text);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    OpenCustomFormat open(text);
    QLineEdit* box = open.box;
    box->setCursorPosition(static_cast<int>(text.size()));
    if (paste) {
        QGuiApplication::clipboard()->setText(input);
        QTest::keySequence(box, QKeySequence::Paste);
    } else {
        // One key press with the whole character, as a keyboard or input method sends it.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, input);
        QApplication::sendEvent(box, &press);
    }
    QCOMPARE(box->text(), expected);
}

void TestCustomFormatDialog::tabOrder() {
    CustomFormatFixture f;
    CustomFormatDialog dialog(f.window.get(), f.context(), {});
    dialog.load();
    showActive(dialog);
    QCOMPARE(QApplication::focusWidget(), formatBox(&dialog));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order,
             QStringList({"txtFormat", "cmdOK", "cmdCancel", "cmdHelp", "cmdUR", "cmdUG", "cmdUB",
                          "cmdLR", "cmdLG", "cmdLB", "cmdDR", "cmdDG", "cmdDB", "cmdLD"}));
}

void TestCustomFormatDialog::codeButtonReachedByTabReplacesTheSelection() {
    CustomFormatFixture f;
    CustomFormatDialog dialog(f.window.get(), f.context(), {});
    dialog.load();
    showActive(dialog);
    QLineEdit* box = formatBox(&dialog);
    box->setText(QStringLiteral("RGB"));
    box->setSelection(1, 2);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdUR"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(box->text(), QStringLiteral("R%UR%"));
    QCOMPARE(box->cursorPosition(), 5);
    QVERIFY(box->hasFocus());
}

void TestCustomFormatDialog::opensWithTheStoredTemplate() {
    storeSetting(customFormatValueName, QStringLiteral("rgb(%DR%)"));
    CustomFormatFixture f;
    f.settings.record.customFormat.clear();
    CustomFormatDialog dialog(f.window.get(), f.context(), {});
    dialog.load();
    QCOMPARE(formatBox(&dialog)->text(), QStringLiteral("rgb(%DR%)"));
    QCOMPARE(formatBox(&dialog)->cursorPosition(), 9);
    QVERIFY(!formatBox(&dialog)->hasSelectedText());
    showActive(dialog);
    QVERIFY(formatBox(&dialog)->hasFocus());
    QCOMPARE(formatBox(&dialog)->cursorPosition(), 9);
    QVERIFY(!formatBox(&dialog)->hasSelectedText());
    // The main window's Custom notation follows what was loaded.
    QCOMPARE(f.settings.record.customFormat, QStringLiteral("rgb(%DR%)"));
    QVERIFY(f.scripted.messages.shown.isEmpty());
}

void TestCustomFormatDialog::okStoresTheTextAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clipboardLabel");
    QTest::newRow("codes") << "#%UR%%UG%%UB%"
                           << "#FF0000";
    QTest::newRow("blanks kept") << " %DR% "
                                 << " 255 ";
    QTest::newRow("no codes") << "plain"
                              << "plain";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCustomFormatDialog::okStoresTheTextAsTyped() {
    QFETCH(QString, typed);
    QFETCH(QString, clipboardLabel);
    storeSetting(customFormatValueName, QStringLiteral("old"));
    CustomFormatFixture f;
    f.ui().lstAutocopy->setCurrentRow(11);
    whenModalOpens([typed](QWidget* dialog) {
        formatBox(dialog)->clear();
        QTest::keyClicks(formatBox(dialog), typed);
        QTest::keyClick(formatBox(dialog), Qt::Key_Return);
    });
    QTest::keyClick(f.window.get(), Qt::Key_F8);
    QCOMPARE(storedSetting(customFormatValueName), typed);
    // Back in the main window, the activation renders with the new template.
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QTRY_COMPARE(f.ui().lblClipboard->text(), clipboardLabel);
}

void TestCustomFormatDialog::okWithAnEmptyTextEmptiesTheCustomExample() {
    storeSetting(customFormatValueName, QStringLiteral("%DR%"));
    CustomFormatFixture f;
    {
        CustomFormatDialog dialog(f.window.get(), f.context(), {});
        dialog.load();
        dialog.show();
        formatBox(&dialog)->clear();
        click(&dialog, QStringLiteral("cmdOK"));
    }
    QCOMPARE(storedSetting(customFormatValueName), QStringLiteral(""));
    OptionsDialog options(f.window.get(), f.context());
    options.load();
    options.show();
    control<QListWidget>(&options, QStringLiteral("lstStandardFormat"))->setCurrentRow(11);
    QCOMPARE(control<QLabel>(&options, QStringLiteral("lblExample"))->text(), QString());
}

void TestCustomFormatDialog::closingWithoutOkWritesNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window frame") << "frame";
}

void TestCustomFormatDialog::closingWithoutOkWritesNothing() {
    QFETCH(QString, how);
    storeSetting(customFormatValueName, QStringLiteral("kept"));
    CustomFormatFixture f;
    CustomFormatDialog dialog(f.window.get(), f.context(), {});
    dialog.load();
    showActive(dialog);
    click(&dialog, QStringLiteral("cmdLD"));
    QCOMPARE(formatBox(&dialog)->text(), QStringLiteral("kept%LD%"));
    if (how == QLatin1String("cancel"))
        click(&dialog, QStringLiteral("cmdCancel"));
    else if (how == QLatin1String("escape"))
        QTest::keyClick(formatBox(&dialog), Qt::Key_Escape);
    else
        dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(storedSetting(customFormatValueName), QStringLiteral("kept"));
    QCOMPARE(f.settings.record.customFormat, QStringLiteral("kept"));
}

void TestCustomFormatDialog::help_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("warned");
    QTest::newRow("no help viewer") << "none" << true;
    QTest::newRow("help shown") << "shows" << false;
    QTest::newRow("help refused") << "refuses" << true;
    QTest::newRow("help failed") << "throws" << true;
}

void TestCustomFormatDialog::help() {
    QFETCH(QString, opener);
    QFETCH(bool, warned);
    CustomFormatFixture f;
    QStringList asked;
    HelpTopicOpener open;
    if (opener != QLatin1String("none")) {
        open = [&asked, opener](const QString& topic) {
            asked << topic;
            if (opener == QLatin1String("throws"))
                throw std::runtime_error("no help engine");
            return opener == QLatin1String("shows");
        };
    }
    CustomFormatDialog dialog(f.window.get(), f.context(), open);
    dialog.load();
    dialog.show();
    click(&dialog, QStringLiteral("cmdHelp"));
    if (opener != QLatin1String("none"))
        QCOMPARE(asked, QStringList{QStringLiteral("tincta10.htm")});
    QCOMPARE(f.scripted.messages.shown.size(), warned ? 1 : 0);
    if (warned) {
        const Message& message = f.scripted.messages.shown[0];
        QCOMPARE(message.title, QStringLiteral("Tincta"));
        QCOMPARE(message.text, QStringLiteral("Problem with HTML Help."));
        QCOMPARE(message.icon, MessageIcon::Warning);
    }
    QVERIFY(dialog.isVisible());
    QVERIFY(f.window->isVisible());
}

void TestCustomFormatDialog::f8AndToolbarOpenTheDialog() {
    CustomFormatFixture f;
    QStringList opened;
    const auto closeIt = [&opened](QWidget* dialog) {
        opened << dialog->objectName() + QLatin1Char(' ') + dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    whenModalOpens(closeIt);
    QTest::keyClick(f.window.get(), Qt::Key_F8);
    whenModalOpens(closeIt);
    f.ui().toolbarButton(12)->trigger();
    QCOMPARE(opened, QStringList({QStringLiteral("frmCustomFormat Custom Format"),
                                  QStringLiteral("frmCustomFormat Custom Format")}));
    QVERIFY(!programRegistry()->ExistingKey(HKEY_CURRENT_USER, programKeyPath));
}

QTEST_MAIN(TestCustomFormatDialog)
#include "test_customformatdialog.moc"

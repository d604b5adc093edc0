#include "mainwindowfixture.h"
#include "palettetesthelpers.h"
#include "settingsstore.h"
#include "testdata.h"

#include "editing/namebox.h"
#include "gui/widgets/trackedlineedit.h"
#include "settings/settingsrecord.h"

#include <QAction>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace tincta;
using namespace tincta::test;

namespace {

const QString newCaption = QStringLiteral("Tincta - New palette");
const QString saveQuestionText =
    QStringLiteral("The palette has been changed. Do you want to save it?");
const Colour namesFirstColour{10, 11, 12};

QStringList requestKinds(const ScriptedFileDialogs& files) {
    QStringList kinds;
    for (const ScriptedFileDialogs::Request& request : files.requests)
        kinds << request.kind + QLatin1Char(' ') + request.title;
    return kinds;
}

QString namesFile(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("Sky.txt"));
    writeFile(path, readTestData(QStringLiteral("palettefile/names.txt")));
    return path;
}

} // namespace

class TestPaletteCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void saveQuestion_data();
    void saveQuestion();
    void unchangedPaletteIsNeverAskedAbout();
    void saveAfterOpenRewritesTheOpenedFile();
    void saveAsWritesTheFileAndNamesIt_data();
    void saveAsWritesTheFileAndNamesIt();
    void dialogsStartInTheStandardFolder_data();
    void dialogsStartInTheStandardFolder();
    void openInNotepadHandsThePathWhole();
    void openInNotepadFailure();
    void toolbarDispatch_data();
    void toolbarDispatch();

private:
    QTemporaryDir m_dir;
};

void TestPaletteCommands::init() {
    QVERIFY(m_dir.isValid());
    clearStoredSettings();
}

void TestPaletteCommands::saveQuestion_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("savePath"); // what the Save As dialog answers; empty: cancelled
    QTest::addColumn<QStringList>("dialogs");
    QTest::addColumn<bool>("replaced"); // the edited palette gave way to another

    const QStringList none;
    const QString saveAs = QStringLiteral("save Save Palette As");
    const QString open = QStringLiteral("open Open Palette In Tincta");
    const int yes = int(MessageAnswer::Yes), no = int(MessageAnswer::No),
              cancel = int(MessageAnswer::Cancel);
    QTest::newRow("new, cancel") << "new" << cancel << "" << none << false;
    QTest::newRow("new, no") << "new" << no << "" << none << true;
    QTest::newRow("new, yes, save as cancelled")
        << "new" << yes << "" << QStringList{saveAs} << false;
    QTest::newRow("new, yes, saved") << "new" << yes << "kept.txt" << QStringList{saveAs} << true;
    QTest::newRow("new, yes, save failed")
        << "new" << yes << "Sky.txt/kept.txt" << QStringList{saveAs} << false;
    QTest::newRow("open, cancel") << "open" << cancel << "" << none << false;
    QTest::newRow("open, no") << "open" << no << "" << QStringList{open} << true;
    // Open stops like New: the palette the user asked to keep is never lost.
    QTest::newRow("open, yes, save as cancelled")
        << "open" << yes << "" << QStringList{saveAs} << false;
    QTest::newRow("open, yes, save failed")
        << "open" << yes << "Sky.txt/kept.txt" << QStringList{saveAs} << false;
    QTest::newRow("open, yes, saved")
        << "open" << yes << "kept.txt" << QStringList{saveAs, open} << true;
}

void TestPaletteCommands::saveQuestion() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(QString, savePath);
    QFETCH(QStringList, dialogs);
    QFETCH(bool, replaced);

    MainWindowFixture f;
    const QString sky = namesFile(m_dir);
    editPalette(f);
    f.scripted.messages.answers = {MessageAnswer(answer)};
    if (!dialogs.isEmpty() && dialogs.first().startsWith(QLatin1String("save")))
        f.scripted.files.paths << (savePath.isEmpty() ? QString() : m_dir.filePath(savePath));
    if (command == QLatin1String("open"))
        f.scripted.files.paths << sky;
    if (command == QLatin1String("new"))
        f.ui().mnuFileNew->trigger();
    else
        f.ui().mnuFileOpen->trigger();

    QCOMPARE(f.scripted.messages.shown.constFirst().text, saveQuestionText);
    QCOMPARE(f.scripted.messages.shown.constFirst().icon, MessageIcon::Question);
    QCOMPARE(f.scripted.messages.shown.constFirst().buttons, MessageButtons::YesNoCancel);
    QCOMPARE(f.scripted.messages.shown.constFirst().defaultAnswer, MessageAnswer::Yes);
    QCOMPARE(requestKinds(f.scripted.files), dialogs);
    QCOMPARE(f.markColour(0) != (Colour{17, 0, 0}), replaced);
    if (!replaced) {
        QVERIFY(f.paletteChanged());
        QCOMPARE(f.window->windowTitle(), newCaption);
    } else {
        QVERIFY(!f.paletteChanged());
        QCOMPARE(f.markColour(0),
                 (command == QLatin1String("new") ? Colour{255, 0, 0} : namesFirstColour));
        QCOMPARE(f.window->windowTitle(),
                 command == QLatin1String("new") ? newCaption : QStringLiteral("Tincta - Sky.txt"));
    }
    if (savePath == QLatin1String("kept.txt"))
        QVERIFY(fileBytes(m_dir.filePath(savePath)).contains("\r\n17,0,0\r\n"));
}

void TestPaletteCommands::unchangedPaletteIsNeverAskedAbout() {
    MainWindowFixture f;
    f.window->setWindowTitle(QStringLiteral("marker"));
    f.ui().mnuFileNew->trigger();
    QCOMPARE(f.window->windowTitle(), newCaption);
    QVERIFY(f.ui().hsbRed->hasFocus());
    f.ui().mnuFileOpen->trigger();
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(requestKinds(f.scripted.files), QStringList{"open Open Palette In Tincta"});
}

void TestPaletteCommands::saveAfterOpenRewritesTheOpenedFile() {
    MainWindowFixture f;
    const QString sky = namesFile(m_dir);
    QTemporaryDir elsewhere;
    const QString other = elsewhere.filePath(QStringLiteral("Other.txt"));
    writeFile(other, "other");
    f.scripted.files.paths << sky << other;
    f.ui().mnuFileOpen->trigger();
    f.ui().mnuFileOpenInNotepad->trigger();
    QDir::setCurrent(elsewhere.path());
    editPalette(f, 99);
    f.ui().txtName[1]->setText(QStringLiteral("Sun"));
    QVERIFY(isMarkedEdited(f.ui().txtName[0]));

    f.ui().mnuFileSave->trigger();

    QCOMPARE(f.scripted.files.requests.size(), 2); // no Save As dialog
    QVERIFY(f.scripted.messages.shown.isEmpty());
    const QByteArray written = fileBytes(sky);
    QVERIFY(written.contains("\r\nSky, blue\r\n99,11,12\r\nSun\r\n255,204,0\r\n"));
    QCOMPARE(written.count('\n'), 100);
    QVERIFY(!QFile::exists(elsewhere.filePath(QStringLiteral("Sky.txt"))));
    QCOMPARE(fileBytes(other), QByteArray("other"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - Sky.txt"));
    QVERIFY(!f.paletteChanged());
    for (TrackedLineEdit* box : f.ui().txtName)
        QCOMPARE(nameBoxBackground(box), plainNameColour);
}

void TestPaletteCommands::saveAsWritesTheFileAndNamesIt_data() {
    QTest::addColumn<QString>("customTemplate");
    QTest::addColumn<QString>("golden");
    QTest::newRow("empty template") << ""
                                    << "palettefile/default-empty-template.txt";
    QTest::newRow("custom template") << "%UR%%UG%%UB% (%DR%)"
                                     << "palettefile/default-custom-template.txt";
}

void TestPaletteCommands::saveAsWritesTheFileAndNamesIt() {
    QFETCH(QString, customTemplate);
    QFETCH(QString, golden);

    storeSetting(customFormatValueName, customTemplate);
    MainWindowFixture f;
    const QString path = m_dir.filePath(QStringLiteral("Default palette.txt"));
    writeFile(path, "an older file of that name");
    f.scripted.files.paths << path;
    f.ui().toolbarButton(4)->trigger();

    QCOMPARE(fileBytes(path), readTestData(golden));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - Default palette.txt"));
    // Another Save goes straight to that file.
    f.ui().mnuFileSave->trigger();
    QCOMPARE(f.scripted.files.requests.size(), 1);
}

void TestPaletteCommands::dialogsStartInTheStandardFolder_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("folderExists");
    QTest::newRow("save as") << "saveas"
                             << "save"
                             << "Save Palette As" << true;
    QTest::newRow("open") << "open"
                          << "open"
                          << "Open Palette In Tincta" << true;
    QTest::newRow("notepad") << "notepad"
                             << "open"
                             << "Open Palette In Notepad" << true;
    QTest::newRow("save as, folder gone") << "saveas"
                                          << "save"
                                          << "Save Palette As" << false;
    QTest::newRow("open, folder gone") << "open"
                                       << "open"
                                       << "Open Palette In Tincta" << false;
    QTest::newRow("notepad, folder gone") << "notepad"
                                          << "open"
                                          << "Open Palette In Notepad" << false;
}

void TestPaletteCommands::dialogsStartInTheStandardFolder() {
    QFETCH(QString, command);
    QFETCH(QString, kind);
    QFETCH(QString, title);
    QFETCH(bool, folderExists);

    const QString standard = m_dir.filePath(QStringLiteral("standard"));
    QVERIFY(QDir().mkpath(standard));
    storeSetting(standardFolderValueName, standard);
    MainWindowFixture f;
    if (!folderExists)
        QVERIFY(QDir(standard).removeRecursively());
    if (command == QLatin1String("saveas"))
        f.ui().mnuFileSaveAs->trigger();
    else if (command == QLatin1String("open"))
        f.ui().mnuFileOpen->trigger();
    else
        f.ui().mnuFileOpenInNotepad->trigger();

    QCOMPARE(f.scripted.files.requests.size(), 1);
    const ScriptedFileDialogs::Request& request = f.scripted.files.requests.constFirst();
    QCOMPARE(request.kind, kind);
    QCOMPARE(request.title, title);
    QCOMPARE(request.filter, QStringLiteral("Text Files (*.txt)"));
    QCOMPARE(request.defaultSuffix,
             kind == QLatin1String("save") ? QStringLiteral("txt") : QString());
    ScriptedMessageBoxes ignored;
    const QString expected = folderExists ? standard : OwnSettings(ignored).record.defaultFolder;
    QVERIFY(!expected.isEmpty());
    QCOMPARE(request.folder, expected);
    // Cancelled: nothing else happens.
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(f.window->windowTitle(), newCaption);
}

void TestPaletteCommands::openInNotepadHandsThePathWhole() {
    MainWindowFixture f;
    editPalette(f);
    const QString path = m_dir.filePath(QStringLiteral("My colours; \"best\" & $HOME.txt"));
    writeFile(path, "text");
    f.scripted.files.paths << path;
    f.ui().mnuFileOpenInNotepad->trigger();

    QCOMPARE(f.scripted.launcher.opened.size(), 1);
    const QUrl url = f.scripted.launcher.opened.constFirst();
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), path);
    // Not asked about, not touched.
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(f.markColour(0), (Colour{17, 0, 0}));
}

void TestPaletteCommands::openInNotepadFailure() {
    MainWindowFixture f;
    f.scripted.launcher.succeed = false;
    f.scripted.files.paths << m_dir.filePath(QStringLiteral("a.txt"));
    f.ui().toolbarButton(3)->trigger();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QCOMPARE(f.scripted.messages.shown.constFirst().text,
             QStringLiteral("Could not open file in Notepad."));
    QCOMPARE(f.scripted.messages.shown.constFirst().icon, MessageIcon::Warning);
    QVERIFY(f.window->isVisible());
}

void TestPaletteCommands::toolbarDispatch_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("dialogs");
    QTest::addColumn<QString>("caption");
    const QString marker = QStringLiteral("marker");
    QTest::newRow("1 new") << 1 << QStringList() << newCaption;
    QTest::newRow("2 open") << 2 << QStringList{"open Open Palette In Tincta"} << marker;
    QTest::newRow("3 notepad") << 3 << QStringList{"open Open Palette In Notepad"} << marker;
    QTest::newRow("4 save") << 4 << QStringList{"save Save Palette As"} << marker;
    QTest::newRow("5 separator") << 5 << QStringList() << marker;
    QTest::newRow("11 separator") << 11 << QStringList() << marker;
    QTest::newRow("14 separator") << 14 << QStringList() << marker;
}

void TestPaletteCommands::toolbarDispatch() {
    QFETCH(int, position);
    QFETCH(QStringList, dialogs);
    QFETCH(QString, caption);

    MainWindowFixture f;
    f.window->setWindowTitle(QStringLiteral("marker"));
    QAction* button = f.ui().toolbarButton(position);
    QVERIFY(button);
    QCOMPARE(button->isSeparator(), position == 5 || position == 11 || position == 14);
    button->trigger();
    QCOMPARE(requestKinds(f.scripted.files), dialogs);
    QCOMPARE(f.window->windowTitle(), caption);
    QVERIFY(f.scripted.messages.shown.isEmpty());
}

QTEST_MAIN(TestPaletteCommands)
#include "test_palettecommands.moc"

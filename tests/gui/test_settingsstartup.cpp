#include "mainwindowfixture.h"
#include "settingsstore.h"
#include "testdata.h"

#include "registry/easyreg.h"
#include "registry/sqlitestore.h"
#include "settings/settingsrecord.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

using namespace tincta;
using namespace tincta::test;

namespace {

void store(const char* name, const std::string& value) {
    EasyReg registry;
    registry.DefaultHive(HKEY_CURRENT_USER);
    registry.DefaultSubKey(programKeyPath);
    QVERIFY(registry.SetString(name, value));
}

std::string stored(const char* name) {
    EasyReg registry;
    registry.DefaultHive(HKEY_CURRENT_USER);
    registry.DefaultSubKey(programKeyPath);
    bool found = false;
    return registry.GetValue(name, found, "(missing)");
}

// A stored text, or nothing stored where the table says "-".
void storeUnlessDash(const char* name, const QString& value) {
    if (value != QLatin1String("-"))
        store(name, value.toStdString());
}

const QString restoredMessage =
    QStringLiteral("Unacceptable settings found in Registry. Default settings restored.");

} // namespace

class TestSettingsStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstStartLoadsDefaultsSilently();
    void storedFormatIsSelectedOnFirstActivation();
    void storedNotationIsCopiedWithoutActivation_data();
    void storedNotationIsCopiedWithoutActivation();
    void unacceptableSettingsAreRestoredWithOneMessage();
    void customTemplateFeedsTheCustomNotation();
    void damagedStoreIsSetAsideWithOneMessage_data();
    void damagedStoreIsSetAsideWithOneMessage();
};

void TestSettingsStartup::init() {
    // Each case starts from an empty settings folder.
    const QString path = QString::fromStdString(SqliteStore::defaultFilePath());
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
}

void TestSettingsStartup::firstStartLoadsDefaultsSilently() {
    MainWindowFixture f;
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(stored(formatIndexValueName), std::string("(missing)"));
    // The defaults at work: a standard folder for the file dialogs, and the save question.
    f.ui().mnuFileSaveAs->trigger();
    QVERIFY(!f.scripted.files.requests.constLast().folder.isEmpty());
    f.ui().hsbBlue->setValue(1);
    f.scripted.messages.answers = {MessageAnswer::Cancel};
    f.ui().mnuFileExit->trigger();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QVERIFY(f.window->isVisible());
}

void TestSettingsStartup::storedFormatIsSelectedOnFirstActivation() {
    store(formatIndexValueName, "3");
    MainWindowFixture f;
    QCOMPARE(f.ui().lstAutocopy->currentRow(), 3);
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("RGB(255, 0, 0)"));
}

void TestSettingsStartup::storedNotationIsCopiedWithoutActivation_data() {
    QTest::addColumn<QString>("formatIndex");
    QTest::addColumn<QString>("cssFormat");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("copied");
    for (const QStringList& row : readTestTable(QStringLiteral("settings/stored-notations.txt")))
        QTest::addRow("%s %s", qPrintable(row[0]), qPrintable(row[1]))
            << row[0] << row[1] << row[2].toInt() << row[3];
}

// A window manager that keeps a new window from taking the focus must not leave the clipboard
// empty: the start copies the stored notation by itself.
void TestSettingsStartup::storedNotationIsCopiedWithoutActivation() {
    QFETCH(QString, formatIndex);
    QFETCH(QString, cssFormat);
    QFETCH(int, row);
    QFETCH(QString, copied);
    storeUnlessDash(formatIndexValueName, formatIndex);
    storeUnlessDash(cssFormatValueName, cssFormat);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));

    ScriptedServices scripted;
    MainWindow window(scripted.services);
    QTRY_COMPARE(clipboard->text(), copied);
    QVERIFY(!window.isActiveWindow());
    QCOMPARE(window.findChild<QListWidget*>(QStringLiteral("lstAutocopy"))->currentRow(), row);
}

void TestSettingsStartup::unacceptableSettingsAreRestoredWithOneMessage() {
    store(formatIndexValueName, "05");
    store(customFormatValueName, "%DR%");
    MainWindowFixture f;
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QCOMPARE(f.scripted.messages.shown[0].text, restoredMessage);
    QCOMPARE(f.scripted.messages.shown[0].icon, MessageIcon::Information);
    QCOMPARE(f.ui().lstAutocopy->currentRow(), 0);
    QCOMPARE(stored(formatIndexValueName), std::string("0"));
    QCOMPARE(stored(customFormatValueName), std::string("(missing)"));
    // Options loads the settings again; they are acceptable now, so no second message.
    whenModalOpens([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    f.ui().mnuToolsOptions->trigger();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
}

void TestSettingsStartup::customTemplateFeedsTheCustomNotation() {
    store(customFormatValueName, "rgb(%DR%, %DG%, %DB%)");
    store(formatIndexValueName, "11");
    MainWindowFixture f;
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("rgb(255, 0, 0)"));
}

void TestSettingsStartup::damagedStoreIsSetAsideWithOneMessage_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("not a database") << QByteArray(4096, 'x');
    QTest::newRow("answers out of memory")
        << readTestData(QStringLiteral("registrystore/store-out-of-memory.sqlite3"));
}

void TestSettingsStartup::damagedStoreIsSetAsideWithOneMessage() {
    QFETCH(QByteArray, contents);
    QVERIFY(!contents.isEmpty());
    const QString path = QString::fromStdString(SqliteStore::defaultFilePath());
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(contents);
    damaged.close();

    MainWindowFixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - New palette"));
    const QStringList kept = QFileInfo(path).dir().entryList({QStringLiteral("*.corrupt-*")});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QVERIFY2(f.scripted.messages.shown[0].text.contains(kept[0]),
             qPrintable(f.scripted.messages.shown[0].text));
    QCOMPARE(f.scripted.messages.shown[0].icon, MessageIcon::Information);
    // Options loads the settings again: nothing more to tell.
    whenModalOpens([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    f.ui().mnuToolsOptions->trigger();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    // The fresh store keeps what is written to it.
    QVERIFY(programRegistry()->SetString(formatIndexValueName, "4"));
    QCOMPARE(stored(formatIndexValueName), std::string("4"));
}

QTEST_MAIN(TestSettingsStartup)
#include "test_settingsstartup.moc"

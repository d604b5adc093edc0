#include "colour/notation.h"
#include "registry/easyreg.h"
#include "registry/sqlitestore.h"
#include "settings/settingsrecord.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

using namespace tincta;

namespace {

// Notes the values read and written, then passes every call on to a real store.
class WriteLog final : public RegistryStore {
public:
    explicit WriteLog(const std::string& file) : m_inner(file) {}
    std::vector<std::string> writes;
    std::vector<std::string> reads;

    bool keyExists(std::int32_t hive, const std::string& path) override {
        return m_inner.keyExists(hive, path);
    }
    bool createKey(std::int32_t hive, const std::string& parent, const std::string& key) override {
        writes.push_back("key " + key);
        return m_inner.createKey(hive, parent, key);
    }
    bool deleteKey(std::int32_t hive, const std::string& path) override {
        return m_inner.deleteKey(hive, path);
    }
    bool setValue(std::int32_t hive, const std::string& path, const std::string& name,
                  std::uint32_t type, const std::string& data) override {
        writes.push_back(name + "=" + data);
        return m_inner.setValue(hive, path, name, type, data);
    }
    std::optional<StoredValue> queryValue(std::int32_t hive, const std::string& path,
                                          const std::string& name) override {
        reads.push_back(name);
        return m_inner.queryValue(hive, path, name);
    }
    bool deleteValue(std::int32_t hive, const std::string& path, const std::string& name) override {
        return m_inner.deleteValue(hive, path, name);
    }
    void beginBatch(std::chrono::steady_clock::time_point deadline) override {
        m_inner.beginBatch(deadline);
    }
    StoreReport endBatch() override { return m_inner.endBatch(); }

private:
    SqliteStore m_inner;
};

using Stored = QMap<QString, QString>;

} // namespace

class TestSettingsRecord : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_desktop;
    QString m_home;
    QString m_other;
    WriteLog* m_log = nullptr;
    std::unique_ptr<EasyReg> m_reg;
    std::unique_ptr<SettingsRecord> m_record;

    QString readBack(const char* name) {
        bool ok = false;
        return QString::fromStdString(m_reg->GetValue(name, ok, "<missing>"));
    }

private Q_SLOTS:
    void initTestCase() {
        QDir base(m_dir.path());
        QVERIFY(base.mkpath(QStringLiteral("home/Desktop")));
        QVERIFY(base.mkpath(QStringLiteral("Palettes")));
        m_home = base.filePath(QStringLiteral("home"));
        m_desktop = base.filePath(QStringLiteral("home/Desktop"));
        m_other = base.filePath(QStringLiteral("Palettes"));
    }

    void init() {
        static int serial = 0;
        const auto file = m_dir.filePath(QStringLiteral("store%1").arg(++serial)).toStdString();
        auto log = std::make_unique<WriteLog>(file);
        m_log = log.get();
        m_reg = std::make_unique<EasyReg>(std::move(log));
        m_reg->DefaultHive(HKEY_CURRENT_USER);
        m_reg->DefaultSubKey(programKeyPath);
        m_record = std::make_unique<SettingsRecord>(
            *m_reg, FolderLookup{[this] { return m_desktop; }, [this] { return m_home; }});
    }

    void noKeyLoadsDefaultsAndWritesNothing() {
        const auto result = m_record->loadSettings(false);
        QVERIFY(!result.defaultsRestored);
        QCOMPARE(result.rememberedFormat, std::optional<qint16>(0));
        QCOMPARE(m_record->customFormat, QString());
        QCOMPARE(m_record->standardFormat, 0);
        QCOMPARE(m_record->sortIndex, 0);
        QCOMPARE(m_record->promptToSave, 1);
        QCOMPARE(m_record->standardFolder, m_desktop);
        QVERIFY(m_log->writes.empty());
        QVERIFY(!m_reg->ExistingKey());
    }

    void load_data() {
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<bool>("restored");
        QTest::addColumn<QString>("customFormat");
        QTest::addColumn<int>("formatIndex");
        QTest::addColumn<int>("sortIndex");
        QTest::addColumn<int>("promptToSave");
        QTest::addColumn<QString>("folder");
        const QString desktop = m_dir.filePath(QStringLiteral("home/Desktop"));
        const QString other = m_dir.filePath(QStringLiteral("Palettes"));
        const QString fmt = QStringLiteral("#{RH}");
        const Stored good = {{"CustomFormat", fmt},
                             {"FormatIndex", "3"},
                             {"SortIndex", "1"},
                             {"PromptToSave", "0"},
                             {"StandardFolder", other}};
        auto with = [&](const QString& name, const QString& value) {
            Stored s = good;
            s[name] = value;
            return s;
        };
        QTest::newRow("all set") << good << false << fmt << 3 << 1 << 0 << other;
        QTest::newRow("empty texts read as defaults") << Stored{{"CustomFormat", ""},
                                                                {"FormatIndex", ""},
                                                                {"SortIndex", ""},
                                                                {"PromptToSave", ""},
                                                                {"StandardFolder", ""}}
                                                      << false << "" << 0 << 0 << 1 << desktop;
        QTest::newRow("FormatIndex 11")
            << with("FormatIndex", "11") << false << fmt << 11 << 1 << 0 << other;
        QTest::newRow("CustomFormat of 250") << with("CustomFormat", QString(250, 'x')) << false
                                             << QString(250, 'x') << 3 << 1 << 0 << other;
        QTest::newRow("CustomFormat of 250 non-ASCII")
            << with("CustomFormat", QString(250, QChar(0xFC))) << false << QString(250, QChar(0xFC))
            << 3 << 1 << 0 << other;
        auto withCss = [&](const QString& cssFormat) {
            Stored s = with("CssFormat", cssFormat);
            s["FormatIndex"] = "0";
            return s;
        };
        QTest::newRow("CssFormat rgb") << withCss("rgb") << false << fmt << 12 << 1 << 0 << other;
        QTest::newRow("CssFormat hsl") << withCss("hsl") << false << fmt << 13 << 1 << 0 << other;
        QTest::newRow("CssFormat oklch")
            << withCss("oklch") << false << fmt << 14 << 1 << 0 << other;
        // As another program that knows only FormatIndex leaves them.
        QTest::newRow("FormatIndex 3 beside CssFormat oklch")
            << with("CssFormat", "oklch") << false << fmt << 3 << 1 << 0 << other;
        for (const auto& unknown : {"OKLCH", " rgb", "hsl ", "lab", "12"})
            QTest::addRow("CssFormat '%s' ignored", unknown)
                << with("CssFormat", unknown) << false << fmt << 3 << 1 << 0 << other;
        Stored cssWithBadIndex = with("CssFormat", "oklch");
        cssWithBadIndex["FormatIndex"] = "12";
        QTest::newRow("CssFormat does not save a bad FormatIndex")
            << cssWithBadIndex << true << "" << 0 << 0 << 1 << desktop;
        for (const auto& bad : {"12", "-1", "05", " 1", "1 ", "+1", "1.0", "one"})
            QTest::addRow("FormatIndex '%s'", bad)
                << with("FormatIndex", bad) << true << "" << 0 << 0 << 1 << desktop;
        QTest::newRow("CustomFormat of 251")
            << with("CustomFormat", QString(251, 'x')) << true << "" << 0 << 0 << 1 << desktop;
        QTest::newRow("SortIndex 2")
            << with("SortIndex", "2") << true << "" << 0 << 0 << 1 << desktop;
        QTest::newRow("PromptToSave 'True'")
            << with("PromptToSave", "True") << true << "" << 0 << 0 << 1 << desktop;
        QTest::newRow("deleted folder")
            << with("StandardFolder", other + "/Deleted") << true << "" << 0 << 0 << 1 << desktop;
        QTest::newRow("folder in other case")
            << with("StandardFolder", other.toUpper()) << true << "" << 0 << 0 << 1 << desktop;
        QTest::newRow("folder is a file")
            << with("StandardFolder", m_dir.filePath(QStringLiteral("store1"))) << true << "" << 0
            << 0 << 1 << desktop;
    }
    void load() {
        QFETCH(Stored, stored);
        QFETCH(bool, restored);
        QFETCH(QString, customFormat);
        QFETCH(int, formatIndex);
        QFETCH(int, sortIndex);
        QFETCH(int, promptToSave);
        QFETCH(QString, folder);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            QVERIFY(m_reg->SetString(it.key().toStdString(), it.value().toStdString()));
        m_log->writes.clear();

        const auto result = m_record->loadSettings(false);
        QCOMPARE(result.defaultsRestored, restored);
        QCOMPARE(result.rememberedFormat, std::optional<qint16>(formatIndex));
        QCOMPARE(m_record->customFormat, customFormat);
        QCOMPARE(m_record->standardFormat, formatIndex);
        QCOMPARE(m_record->sortIndex, sortIndex);
        QCOMPARE(m_record->promptToSave, promptToSave);
        QCOMPARE(m_record->standardFolder, folder);
        if (!restored) {
            QVERIFY(m_log->writes.empty());
            return;
        }
        const std::vector<std::string> defaultsInOrder = {"CustomFormat=",
                                                          "FormatIndex=0",
                                                          "SortIndex=0",
                                                          "PromptToSave=1",
                                                          "StandardFolder=" +
                                                              m_desktop.toStdString(),
                                                          "CssFormat=",
                                                          "StarredFormats=",
                                                          "SampleSize=1"};
        QCOMPARE(m_log->writes, defaultsInOrder);
        // The next load finds nothing to complain about, and the standard notation restored.
        m_log->writes.clear();
        QVERIFY(!m_record->loadSettings(false).defaultsRestored);
        QVERIFY(m_log->writes.empty());
        QCOMPARE(m_record->standardFormat, 0);
    }

    // Every notation survives being stored, and FormatIndex stays readable to earlier versions.
    void everyNotationIsStoredAsAPair() {
        for (int notation = 0; notation < notationCount; ++notation) {
            const QString formatIndex = storedFormatIndex(notation);
            const QString cssFormat = storedCssFormat(notation);
            QVERIFY(formatIndex.toInt() >= 0 && formatIndex.toInt() <= 11);
            QCOMPARE(cssFormat.isEmpty(), notation < 12);
            QVERIFY(isWrittenCssFormat(cssFormat));
            QCOMPARE(standardNotation(formatIndex.toInt(), cssFormat), notation);
        }
        QVERIFY(!isWrittenCssFormat(QStringLiteral("Oklch")));
    }

    // Keys or list rows, in the stored order; anything else is passed over, never a restore.
    void starredFormats_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("written");
        QTest::newRow("none") << "" << QList<int>{} << "";
        QTest::newRow("keys") << "flutter,hex8" << QList<int>{23, 20} << "flutter,hex8";
        QTest::newRow("list rows become keys")
            << "0, 23 ,14" << QList<int>{0, 23, 14} << "0,flutter,oklch";
        QTest::newRow("unknown and repeated items passed over")
            << "Flutter,,99,-1,tailwind,29,x y" << QList<int>{29} << "tailwind";
    }

    void starredFormats() {
        QFETCH(QString, stored);
        QFETCH(QList<int>, rows);
        QFETCH(QString, written);
        QVERIFY(m_reg->SetString(starredFormatsValueName, stored.toStdString()));
        QVERIFY(!m_record->loadSettings(false).defaultsRestored);
        QCOMPARE(QList<int>(m_record->starredFormats.begin(), m_record->starredFormats.end()),
                 rows);
        QCOMPARE(starredFormatsText(m_record->starredFormats), written);
    }

    void javaScriptNamesModeKeepsRememberedFormat() {
        QVERIFY(m_reg->SetString(formatIndexValueName, "7"));
        auto result = m_record->loadSettings(true);
        QVERIFY(!result.defaultsRestored);
        QCOMPARE(result.rememberedFormat, std::nullopt);
        QCOMPARE(m_record->standardFormat, 7);
        // A restore resets it regardless of the mode.
        QVERIFY(m_reg->SetString(sortIndexValueName, "9"));
        result = m_record->loadSettings(true);
        QVERIFY(result.defaultsRestored);
        QCOMPARE(result.rememberedFormat, std::optional<qint16>(0));
        QCOMPARE(m_record->standardFormat, 0);
    }

    void firstFailureStopsReading() {
        QVERIFY(m_reg->SetString(customFormatValueName, "accepted, then overwritten"));
        QVERIFY(m_reg->SetString(formatIndexValueName, "x"));
        QVERIFY(m_reg->SetString(standardFolderValueName, "/no/such/folder"));
        m_log->reads.clear();
        QVERIFY(m_record->loadSettings(false).defaultsRestored);
        const std::vector<std::string> readsInOrder = {customFormatValueName, formatIndexValueName};
        QCOMPARE(m_log->reads, readsInOrder);
        QCOMPARE(m_record->customFormat, QString());
        QCOMPARE(readBack(customFormatValueName), QStringLiteral("<missing>"));
        QCOMPARE(readBack(standardFolderValueName), m_desktop);
    }

    // The store cannot even be opened: a folder stands where its file should be.
    void unreadableStoreLoadsDefaultsAndWritesNothing() {
        auto log = std::make_unique<WriteLog>(m_dir.path().toStdString());
        WriteLog& unreadable = *log;
        EasyReg reg(std::move(log));
        reg.DefaultHive(HKEY_CURRENT_USER);
        reg.DefaultSubKey(programKeyPath);
        SettingsRecord record(reg, FolderLookup{[this] { return m_desktop; }, {}});
        record.promptToSave = 0;
        record.sortIndex = 1;
        const auto result = record.loadSettings(false);
        QVERIFY(result.storeUnreadable);
        QVERIFY(!result.defaultsRestored);
        QCOMPARE(result.rememberedFormat, std::optional<qint16>(0));
        QCOMPARE(record.promptToSave, 1);
        QCOMPARE(record.sortIndex, 0);
        QCOMPARE(record.standardFolder, m_desktop);
        QVERIFY(unreadable.writes.empty());
        QVERIFY(!record.saveSettings({{sortIndexValueName, QStringLiteral("1")}}).saved);
        // A store that works again is read normally.
        QVERIFY(!m_record->loadSettings(false).storeUnreadable);
    }

    void defaultFolder_data() {
        QTest::addColumn<bool>("desktopThere");
        QTest::addColumn<bool>("found");
        QTest::newRow("desktop exists") << true << true;
        QTest::newRow("no desktop folder") << false << false;
    }
    void defaultFolder() {
        QFETCH(bool, desktopThere);
        QFETCH(bool, found);
        const QString desktop = desktopThere ? m_desktop : m_home + "/Schreibtisch";
        SettingsRecord record(*m_reg,
                              FolderLookup{[&] { return desktop; }, [this] { return m_home; }});
        QCOMPARE(record.findDefaultFolder(), found);
        QCOMPARE(record.defaultFolder, found ? m_desktop : m_home);
        // Without a desktop folder the home folder passes, so no restore at every start.
        QVERIFY(!record.loadSettings(false).defaultsRestored);
        QCOMPARE(record.standardFolder, record.defaultFolder);
    }
};

QTEST_APPLESS_MAIN(TestSettingsRecord)
#include "test_settingsrecord.moc"

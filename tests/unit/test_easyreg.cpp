#include "registry/easyreg.h"
#include "registry/sqlitestore.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

using namespace tincta;
using namespace std::string_literals;

namespace {

const std::string programKey = "Software\\Quillmere\\Tincta 2005";

// Passes every call on to a real store and notes the key creations asked for.
class RecordingStore final : public RegistryStore {
public:
    explicit RecordingStore(const std::string& file) : m_inner(file) {}
    std::vector<std::string> created;

    bool keyExists(std::int32_t hive, const std::string& path) override {
        return m_inner.keyExists(hive, path);
    }
    bool createKey(std::int32_t hive, const std::string& parent, const std::string& key) override {
        created.push_back(parent + "|" + key);
        return m_inner.createKey(hive, parent, key);
    }
    bool deleteKey(std::int32_t hive, const std::string& path) override {
        return m_inner.deleteKey(hive, path);
    }
    bool setValue(std::int32_t hive, const std::string& path, const std::string& name,
                  std::uint32_t type, const std::string& data) override {
        return m_inner.setValue(hive, path, name, type, data);
    }
    std::optional<StoredValue> queryValue(std::int32_t hive, const std::string& path,
                                          const std::string& name) override {
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

} // namespace

class TestEasyReg : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::string m_file;
    RecordingStore* m_recorder = nullptr;
    std::unique_ptr<EasyReg> m_reg;
    // A second door into the same file, for values EasyReg itself cannot write.
    std::unique_ptr<SqliteStore> m_raw;

private Q_SLOTS:
    void init() {
        static int serial = 0;
        m_file = m_dir.filePath(QStringLiteral("store%1.sqlite3").arg(++serial)).toStdString();
        auto recorder = std::make_unique<RecordingStore>(m_file);
        m_recorder = recorder.get();
        m_reg = std::make_unique<EasyReg>(std::move(recorder));
        m_reg->DefaultHive(HKEY_CURRENT_USER);
        m_reg->DefaultSubKey(programKey);
        m_raw = std::make_unique<SqliteStore>(m_file);
    }

    // What the store contract (tests/contract) checks of every store is not repeated here;
    // these are what EasyReg alone decides.

    void defaultsStartEmpty() {
        EasyReg fresh(std::make_unique<SqliteStore>(m_file));
        QCOMPARE(fresh.DefaultHive(), 0);
        QCOMPARE(fresh.DefaultSubKey(), ""s);
        QCOMPARE(HKEY_CURRENT_USER, static_cast<std::int32_t>(0x80000001u));
        bool ok = true;
        // Hive 0 with no default hive names no hive at all.
        QCOMPARE(fresh.GetValue("x", ok, "dflt"), "dflt"s);
        QVERIFY(!ok);
        QVERIFY(!fresh.SetString("x", "y", 0, programKey));
    }

    void emptyValueExists() {
        QVERIFY(m_reg->SetString("Empty", ""));
        QVERIFY(m_reg->ExistingValue("Empty"));
    }

    void setStringCreatesMissingLevelsInOneCall() {
        QVERIFY(m_reg->SetString("CustomFormat", "#{RH}"));
        QCOMPARE(m_recorder->created, std::vector<std::string>{"Software|Quillmere\\Tincta 2005"});
    }

    // Only binary data is compared byte for byte by the contract; every kind is stored whole.
    void writtenBytesAreStoredWhole_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("string") << 1 << QByteArray("a b");
        QTest::newRow("string with NUL") << 1 << QByteArray("ab\0cd", 5);
        QTest::newRow("utf-8 string") << 1 << QByteArray("Gr\xc3\xbcn");
        QTest::newRow("expandable") << 2 << QByteArray("%HOME%\\x");
        QTest::newRow("multi") << 7 << QByteArray("one\0two\0\0", 9);
        QTest::newRow("multi without terminator") << 7 << QByteArray("one\0two", 7);
        QTest::newRow("multi of NULs only") << 7 << QByteArray("\0\0", 2);
    }
    void writtenBytesAreStoredWhole() {
        QFETCH(int, kind);
        QFETCH(QByteArray, written);
        const std::string value(written.constData(), static_cast<std::size_t>(written.size()));
        bool stored = false;
        switch (kind) {
        case 1:
            stored = m_reg->SetString("v", value);
            break;
        case 2:
            stored = m_reg->SetExpandableString("v", value);
            break;
        default:
            stored = m_reg->SetMultiString("v", value);
            break;
        }
        QVERIFY(stored);
        QCOMPARE(m_raw->queryValue(HKEY_CURRENT_USER, programKey, "v")->data, value);
    }

    void hivesKeepTheirOwnValues() {
        QVERIFY(m_reg->SetString("v", "machine", HKEY_LOCAL_MACHINE, programKey));
        QVERIFY(m_reg->SetString("v", "user"));
        bool ok = false;
        QCOMPARE(m_reg->GetValue("v", ok, "", HKEY_LOCAL_MACHINE, programKey), "machine"s);
        QCOMPARE(m_reg->GetValue("v", ok), "user"s);
    }
};

QTEST_APPLESS_MAIN(TestEasyReg)
#include "test_easyreg.moc"

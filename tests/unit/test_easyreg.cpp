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

    void missingAndEmptyValues() {
        bool ok = true;
        QCOMPARE(m_reg->GetValue("Never", ok, "dflt"), "dflt"s);
        QVERIFY(!ok);
        QVERIFY(m_reg->SetString("Empty", ""));
        QCOMPARE(m_reg->GetValue("Empty", ok, "dflt"), "dflt"s);
        QVERIFY(ok);
        QVERIFY(m_reg->ExistingValue("Empty"));
        QVERIFY(!m_reg->ExistingValue("Never"));
        QCOMPARE(m_reg->GetValueType("Never"), ""s);
    }

    void setStringCreatesMissingLevels() {
        QVERIFY(!m_reg->ExistingKey(0, "Software\\Quillmere"));
        QVERIFY(m_reg->SetString("CustomFormat", "#{RH}"));
        QVERIFY(m_reg->ExistingKey(0, "Software\\Quillmere"));
        QVERIFY(m_reg->ExistingKey());
        QCOMPARE(m_recorder->created, std::vector<std::string>{"Software|Quillmere\\Tincta 2005"});
        bool ok = false;
        QCOMPARE(m_reg->GetValue("CustomFormat", ok), "#{RH}"s);
        QVERIFY(ok);
    }

    void keyPathsAreNormalised_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("bare") << "Software\\Quillmere\\Tincta 2005";
        QTest::newRow("backslashes both ends") << "\\Software\\Quillmere\\Tincta 2005\\";
        QTest::newRow("blanks and backslashes") << "  \\\\Software\\Quillmere\\Tincta 2005\\\\ ";
        QTest::newRow("other letter case") << "SOFTWARE\\quillmere\\TINCTA 2005";
    }
    void keyPathsAreNormalised() {
        QFETCH(QString, path);
        QVERIFY(m_reg->SetString("Shared", "one"));
        QVERIFY(m_reg->SetString("Shared", "two", HKEY_CURRENT_USER, path.toStdString()));
        bool ok = false;
        QCOMPARE(m_reg->GetValue("Shared", ok, "", 0, path.toStdString()), "two"s);
        QCOMPARE(m_reg->GetValue("Shared", ok), "two"s);
    }

    void valueNamesIgnoreCase() {
        QVERIFY(m_reg->SetString("PromptToSave", "1"));
        QVERIFY(m_reg->SetString("PROMPTTOSAVE", "0"));
        bool ok = false;
        QCOMPARE(m_reg->GetValue("prompttosave", ok), "0"s);
        QVERIFY(m_reg->DeleteValue("PromptToSave"));
        QVERIFY(!m_reg->ExistingValue("PROMPTTOSAVE"));
    }

    void renderings_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<QString>("typeName");
        const QByteArray dflt("dflt");
        QTest::newRow("string") << 1 << QByteArray("a b") << QByteArray("a b") << "STRING";
        QTest::newRow("string cut at NUL")
            << 1 << QByteArray("ab\0cd", 5) << QByteArray("ab") << "STRING";
        QTest::newRow("utf-8 string")
            << 1 << QByteArray("Gr\xc3\xbcn") << QByteArray("Gr\xc3\xbcn") << "STRING";
        QTest::newRow("expandable not expanded")
            << 2 << QByteArray("%HOME%\\x") << QByteArray("%HOME%\\x") << "EXPANDABLE STRING";
        QTest::newRow("binary") << 3 << QByteArray("\x0a\xff\x05") << QByteArray("0A FF 05 ")
                                << "BINARY";
        QTest::newRow("binary with NUL")
            << 3 << QByteArray("\0\x10", 2) << QByteArray("00 10 ") << "BINARY";
        QTest::newRow("zero-byte binary") << 3 << QByteArray() << dflt << "BINARY";
        QTest::newRow("multi") << 7 << QByteArray("one\0two\0\0", 9) << QByteArray("one\0two", 7)
                               << "MULTIPLE STRING";
        QTest::newRow("multi without terminator")
            << 7 << QByteArray("one\0two", 7) << QByteArray("one\0two", 7) << "MULTIPLE STRING";
        QTest::newRow("multi of NULs only")
            << 7 << QByteArray("\0\0", 2) << dflt << "MULTIPLE STRING";
    }
    void renderings() {
        QFETCH(int, kind);
        QFETCH(QByteArray, written);
        QFETCH(QByteArray, read);
        QFETCH(QString, typeName);
        const std::string value(written.constData(), static_cast<std::size_t>(written.size()));
        bool stored = false;
        switch (kind) {
        case 1:
            stored = m_reg->SetString("v", value);
            break;
        case 2:
            stored = m_reg->SetExpandableString("v", value);
            break;
        case 3:
            stored = m_reg->SetBinary("v", value);
            break;
        default:
            stored = m_reg->SetMultiString("v", value);
            break;
        }
        QVERIFY(stored);
        QCOMPARE(m_raw->queryValue(HKEY_CURRENT_USER, programKey, "v")->data, value);
        bool ok = false;
        const auto text = m_reg->GetValue("v", ok, "dflt");
        QVERIFY(ok);
        QCOMPARE(QByteArray(text.data(), static_cast<qsizetype>(text.size())), read);
        QCOMPARE(QString::fromStdString(m_reg->GetValueType("v")), typeName);
    }

    void dwords_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("0x12345678") << 0x12345678 << QByteArray("\x78\x56\x34\x12") << "305419896";
        QTest::newRow("zero") << 0 << QByteArray("\0\0\0\0", 4) << "0";
        QTest::newRow("largest") << 0x7FFFFFFF << QByteArray("\xff\xff\xff\x7f") << "2147483647";
    }
    void dwords() {
        QFETCH(int, value);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QVERIFY(m_reg->SetDWord("d", value));
        const auto stored = m_raw->queryValue(HKEY_CURRENT_USER, programKey, "d");
        QCOMPARE(stored->type, REG_DWORD);
        QCOMPARE(QByteArray::fromStdString(stored->data), bytes);
        bool ok = false;
        QCOMPARE(QString::fromStdString(m_reg->GetValue("d", ok)), text);
        QVERIFY(ok);
        QCOMPARE(m_reg->GetValueType("d"), "DWORD"s);
    }

    void negativeDWordRefused() {
        QVERIFY(m_reg->SetDWord("d", 7));
        QVERIFY(!m_reg->SetDWord("d", -1));
        bool ok = false;
        QCOMPARE(m_reg->GetValue("d", ok), "7"s);
        // The refused write still made its key, as the registry version does.
        QVERIFY(!m_reg->SetDWord("d", -5, 0, "Software\\Other\\Deep"));
        QVERIFY(m_reg->ExistingKey(0, "Software\\Other\\Deep"));
        QVERIFY(!m_reg->ExistingValue("d", 0, "Software\\Other\\Deep"));
    }

    void foreignDWordData_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("success");
        QTest::newRow("all bits") << QByteArray("\xff\xff\xff\xff") << "-1" << true;
        QTest::newRow("two bytes") << QByteArray("\x01\x02") << "513" << true;
        QTest::newRow("eight bytes") << QByteArray(8, '\x01') << "dflt" << false;
    }
    void foreignDWordData() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, success);
        QVERIFY(m_reg->CreateKey("Quillmere\\Tincta 2005", 0, "Software"));
        QVERIFY(
            m_raw->setValue(HKEY_CURRENT_USER, programKey, "d", REG_DWORD, bytes.toStdString()));
        bool ok = !success;
        QCOMPARE(QString::fromStdString(m_reg->GetValue("d", ok, "dflt")), text);
        QCOMPARE(ok, success);
    }

    void unknownTypes_data() {
        QTest::addColumn<uint>("type");
        QTest::newRow("REG_NONE") << uint(REG_NONE);
        QTest::newRow("REG_QWORD") << uint(REG_QWORD);
        QTest::newRow("resource list") << 8u;
    }
    void unknownTypes() {
        QFETCH(uint, type);
        QVERIFY(m_reg->CreateKey("Quillmere\\Tincta 2005", 0, "Software"));
        QVERIFY(m_raw->setValue(HKEY_CURRENT_USER, programKey, "u", type, "\x01\x02"));
        QCOMPARE(m_reg->GetValueType("u"), "UNKNOWN"s);
        bool ok = false;
        QCOMPARE(m_reg->GetValue("u", ok, "dflt"), "dflt"s);
        QVERIFY(ok);
    }

    void createKeyOnExistingKeyDoesNotTouchParent() {
        QVERIFY(m_reg->CreateKey("Quillmere\\Tincta 2005", 0, "Software"));
        m_recorder->created.clear();
        QVERIFY(m_reg->CreateKey("Tincta 2005", 0, "Software\\Quillmere"));
        QVERIFY(m_reg->CreateKey("\\Tincta 2005\\", HKEY_CURRENT_USER, " Software\\Quillmere "));
        QVERIFY(m_recorder->created.empty());
    }

    void createKeyRules() {
        QVERIFY(!m_reg->CreateKey("Child", 0, "Software\\Missing"));
        QVERIFY(!m_reg->ExistingKey(0, "Software\\Missing"));
        // CreateKey may make a key right below the hive; the setters never do.
        QVERIFY(m_reg->CreateKey("TopLevel", 0, ""));
        QVERIFY(m_reg->ExistingKey(0, "TopLevel"));
        QVERIFY(!m_reg->CreateKey("Bad\\\\Name", 0, "Software"));
    }

    void settersNeverCreateKeysBelowHive_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("single level") << "Quillmere";
        QTest::newRow("missing first level") << "Quillmere\\Tincta 2005";
    }
    void settersNeverCreateKeysBelowHive() {
        QFETCH(QString, path);
        const auto key = path.toStdString();
        QVERIFY(!m_reg->SetString("v", "x", 0, key));
        QVERIFY(!m_reg->SetDWord("v", 1, 0, key));
        QVERIFY(!m_reg->SetBinary("v", "x", 0, key));
        QVERIFY(!m_reg->ExistingKey(0, "Quillmere"));
        QVERIFY(m_reg->ExistingKey(0, "Software"));
    }

    void otherHives() {
        QVERIFY(m_reg->SetString("v", "machine", HKEY_LOCAL_MACHINE, programKey));
        QVERIFY(m_reg->SetString("v", "user"));
        bool ok = false;
        QCOMPARE(m_reg->GetValue("v", ok, "", HKEY_LOCAL_MACHINE, programKey), "machine"s);
        QCOMPARE(m_reg->GetValue("v", ok), "user"s);
        QVERIFY(!m_reg->SetString("v", "x", 12345, programKey));
    }

    void deletion() {
        QVERIFY(m_reg->SetString("v", "x"));
        QVERIFY(!m_reg->DeleteValue("missing"));
        QVERIFY(m_reg->DeleteValue("v"));
        QVERIFY(!m_reg->DeleteValue("v"));
        // A key with subkeys stays.
        QVERIFY(!m_reg->DeleteKey(0, "Software\\Quillmere"));
        QVERIFY(m_reg->SetString("w", "y"));
        QVERIFY(m_reg->DeleteKey());
        QVERIFY(!m_reg->ExistingKey());
        QVERIFY(!m_reg->DeleteKey());
        // Its values went with it.
        QVERIFY(m_reg->CreateKey("Tincta 2005", 0, "Software\\Quillmere"));
        QVERIFY(!m_reg->ExistingValue("w"));
    }

    void emptyValueName() {
        QVERIFY(m_reg->SetString("", "unnamed"));
        bool ok = false;
        QCOMPARE(m_reg->GetValue("", ok), "unnamed"s);
        QVERIFY(ok);
    }
};

QTEST_APPLESS_MAIN(TestEasyReg)
#include "test_easyreg.moc"

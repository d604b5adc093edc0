// The behaviour every registry store must show through EasyReg, whatever keeps the data.
#include "storecontract.h"

#include <utility>

namespace tincta::contract {

using namespace std::string_literals;

bool CountingStore::keyExists(std::int32_t hive, const std::string& path) {
    return m_inner->keyExists(hive, path);
}
bool CountingStore::createKey(std::int32_t hive, const std::string& parent,
                              const std::string& key) {
    ++createKeyCalls;
    return m_inner->createKey(hive, parent, key);
}
bool CountingStore::deleteKey(std::int32_t hive, const std::string& path) {
    return m_inner->deleteKey(hive, path);
}
bool CountingStore::setValue(std::int32_t hive, const std::string& path, const std::string& name,
                             std::uint32_t type, const std::string& data) {
    return m_inner->setValue(hive, path, name, type, data);
}
std::optional<StoredValue> CountingStore::queryValue(std::int32_t hive, const std::string& path,
                                                     const std::string& name) {
    return m_inner->queryValue(hive, path, name);
}
bool CountingStore::deleteValue(std::int32_t hive, const std::string& path,
                                const std::string& name) {
    return m_inner->deleteValue(hive, path, name);
}
void CountingStore::beginBatch(std::chrono::steady_clock::time_point deadline) {
    m_inner->beginBatch(deadline);
}
StoreReport CountingStore::endBatch() {
    return m_inner->endBatch();
}

namespace {

std::unique_ptr<RegistryStore> counted(std::unique_ptr<RegistryStore> store,
                                       CountingStore*& counter) {
    auto wrapper = std::make_unique<CountingStore>(std::move(store));
    counter = wrapper.get();
    return wrapper;
}

} // namespace

StoreFixture::StoreFixture(std::unique_ptr<RegistryStore> forEasyReg,
                           std::unique_ptr<RegistryStore> other, Checks& checks)
    : counter(nullptr), reg(counted(std::move(forEasyReg), counter)), raw(std::move(other)),
      checks(checks) {
    reg.DefaultHive(HKEY_CURRENT_USER);
    reg.DefaultSubKey(programKey);
}

namespace {

enum class Setter { string, expandable, binary, multi };

bool setWith(EasyReg& reg, Setter setter, const std::string& name, const std::string& value,
             const std::string& key = {}) {
    switch (setter) {
    case Setter::string:
        return reg.SetString(name, value, 0, key);
    case Setter::expandable:
        return reg.SetExpandableString(name, value, 0, key);
    case Setter::binary:
        return reg.SetBinary(name, value, 0, key);
    case Setter::multi:
        return reg.SetMultiString(name, value, 0, key);
    }
    return false;
}

// A value written by a setter and read back by GetValue and GetValueType.
struct Rendering {
    const char* name;
    Setter setter;
    std::string written;
    std::string read;
    const char* typeName;
};

const std::vector<Rendering>& renderings() {
    static const std::vector<Rendering> rows = {
        {"string", Setter::string, "a b", "a b", "STRING"},
        {"string cut at NUL", Setter::string, "ab\0cd"s, "ab", "STRING"},
        {"empty string", Setter::string, "", "dflt", "STRING"},
        {"utf-8 string", Setter::string, "Gr\xc3\xbcn", "Gr\xc3\xbcn", "STRING"},
        {"expandable not expanded", Setter::expandable, "%HOME%\\x", "%HOME%\\x",
         "EXPANDABLE STRING"},
        {"binary", Setter::binary, "\x0a\xff\x05", "0A FF 05 ", "BINARY"},
        {"binary with NUL", Setter::binary, "\0\x10"s, "00 10 ", "BINARY"},
        {"zero-byte binary", Setter::binary, "", "dflt", "BINARY"},
        {"multi", Setter::multi, "one\0two\0\0"s, "one\0two"s, "MULTIPLE STRING"},
        {"multi without terminator", Setter::multi, "one\0two"s, "one\0two"s, "MULTIPLE STRING"},
        {"multi of NULs only", Setter::multi, "\0\0"s, "dflt", "MULTIPLE STRING"},
    };
    return rows;
}

void checkRendering(StoreFixture& f, const Rendering& row) {
    EXPECT(f.checks, setWith(f.reg, row.setter, "v", row.written));
    bool ok = false;
    EXPECT_EQ(f.checks, f.reg.GetValue("v", ok, "dflt"), row.read);
    EXPECT(f.checks, ok);
    EXPECT_EQ(f.checks, f.reg.GetValueType("v"), std::string(row.typeName));
    if (row.setter == Setter::binary) {
        const auto stored = f.raw->queryValue(HKEY_CURRENT_USER, programKey, "v");
        EXPECT(f.checks, stored && stored->data == row.written);
    }
}

// Data of a type or length EasyReg never writes, as another program may leave it.
struct ForeignValue {
    const char* name;
    std::uint32_t type;
    std::string data;
    std::string read;
    bool success;
    const char* typeName;
};

const std::vector<ForeignValue>& foreignValues() {
    static const std::vector<ForeignValue> rows = {
        {"DWORD of all bits", REG_DWORD, "\xff\xff\xff\xff", "-1", true, "DWORD"},
        {"DWORD of two bytes", REG_DWORD, "\x01\x02", "513", true, "DWORD"},
        {"DWORD of eight bytes", REG_DWORD, std::string(8, '\x01'), "dflt", false, "DWORD"},
        {"REG_NONE", REG_NONE, "\x01\x02", "dflt", true, "UNKNOWN"},
        {"REG_QWORD", REG_QWORD, std::string(8, '\x02'), "dflt", true, "UNKNOWN"},
        {"resource list", 8, "\x01\x02", "dflt", true, "UNKNOWN"},
    };
    return rows;
}

void checkForeignValue(StoreFixture& f, const ForeignValue& row) {
    EXPECT(f.checks, f.reg.CreateKey("Quillmere\\Tincta 2005", 0, "Software"));
    EXPECT(f.checks, f.raw->setValue(HKEY_CURRENT_USER, programKey, "u", row.type, row.data));
    bool ok = !row.success;
    EXPECT_EQ(f.checks, f.reg.GetValue("u", ok, "dflt"), row.read);
    EXPECT_EQ(f.checks, ok, row.success);
    EXPECT_EQ(f.checks, f.reg.GetValueType("u"), std::string(row.typeName));
}

void missingValue(StoreFixture& f) {
    bool ok = true;
    EXPECT_EQ(f.checks, f.reg.GetValue("Never", ok, "dflt"), "dflt"s);
    EXPECT(f.checks, !ok);
    EXPECT(f.checks, !f.reg.ExistingValue("Never"));
    EXPECT_EQ(f.checks, f.reg.GetValueType("Never"), ""s);
    EXPECT(f.checks, f.reg.SetString("Other", "x"));
    EXPECT(f.checks, !f.reg.ExistingValue("Never"));
    EXPECT_EQ(f.checks, f.reg.GetValueType("Never"), ""s);
}

void setStringCreatesBothLevels(StoreFixture& f) {
    EXPECT(f.checks, !f.reg.ExistingKey(0, "Software\\Quillmere"));
    EXPECT(f.checks, f.reg.SetString("CustomFormat", "#{RH}"));
    EXPECT(f.checks, f.reg.ExistingKey(0, "Software\\Quillmere"));
    EXPECT(f.checks, f.reg.ExistingKey());
    EXPECT_EQ(f.checks, f.counter->createKeyCalls, 1);
    bool ok = false;
    EXPECT_EQ(f.checks, f.reg.GetValue("CustomFormat", ok), "#{RH}"s);
    EXPECT(f.checks, ok);
}

void pathsAreNormalised(StoreFixture& f) {
    const char* spellings[] = {"\\Software\\Quillmere\\Tincta 2005\\",
                               "  \\\\Software\\Quillmere\\Tincta 2005\\\\ ",
                               "SOFTWARE\\quillmere\\TINCTA 2005"};
    EXPECT(f.checks, f.reg.SetString("Shared", "bare"));
    for (const char* path : spellings) {
        EXPECT(f.checks, f.reg.SetString("Shared", path, HKEY_CURRENT_USER, path));
        bool ok = false;
        EXPECT_EQ(f.checks, f.reg.GetValue("Shared", ok), std::string(path));
        EXPECT_EQ(f.checks, f.reg.GetValue("Shared", ok, "", 0, path), std::string(path));
    }
}

void valueNamesIgnoreCase(StoreFixture& f) {
    EXPECT(f.checks, f.reg.SetString("PromptToSave", "1"));
    EXPECT(f.checks, f.reg.SetString("PROMPTTOSAVE", "0"));
    bool ok = false;
    EXPECT_EQ(f.checks, f.reg.GetValue("prompttosave", ok), "0"s);
    EXPECT(f.checks, f.reg.DeleteValue("PromptToSave"));
    EXPECT(f.checks, !f.reg.ExistingValue("PROMPTTOSAVE"));
}

void dwordBytes(StoreFixture& f) {
    const struct {
        std::int32_t value;
        std::string bytes;
        std::string text;
    } rows[] = {{0x12345678, "\x78\x56\x34\x12", "305419896"},
                {0, "\0\0\0\0"s, "0"},
                {0x7FFFFFFF, "\xff\xff\xff\x7f", "2147483647"}};
    for (const auto& row : rows) {
        EXPECT(f.checks, f.reg.SetDWord("d", row.value));
        const auto stored = f.raw->queryValue(HKEY_CURRENT_USER, programKey, "d");
        EXPECT(f.checks, stored && stored->type == REG_DWORD && stored->data == row.bytes);
        bool ok = false;
        EXPECT_EQ(f.checks, f.reg.GetValue("d", ok), row.text);
        EXPECT(f.checks, ok);
        EXPECT_EQ(f.checks, f.reg.GetValueType("d"), "DWORD"s);
    }
}

void negativeDWordRefused(StoreFixture& f) {
    EXPECT(f.checks, f.reg.SetDWord("d", 7));
    EXPECT(f.checks, !f.reg.SetDWord("d", -1));
    bool ok = false;
    EXPECT_EQ(f.checks, f.reg.GetValue("d", ok), "7"s);
    // The refused write still made its key.
    const auto deep = scratchKey + "\\Deep";
    EXPECT(f.checks, !f.reg.SetDWord("d", -5, 0, deep));
    EXPECT(f.checks, f.reg.ExistingKey(0, deep));
    EXPECT(f.checks, !f.reg.ExistingValue("d", 0, deep));
}

void createKeyOnExistingKey(StoreFixture& f) {
    EXPECT(f.checks, f.reg.CreateKey("Quillmere\\Tincta 2005", 0, "Software"));
    f.counter->createKeyCalls = 0;
    EXPECT(f.checks, f.reg.CreateKey("Tincta 2005", 0, "Software\\Quillmere"));
    EXPECT(f.checks,
           f.reg.CreateKey("\\Tincta 2005\\", HKEY_CURRENT_USER, " Software\\Quillmere "));
    EXPECT_EQ(f.checks, f.counter->createKeyCalls, 0);
}

void createKeyRules(StoreFixture& f) {
    EXPECT(f.checks, !f.reg.CreateKey("Child", 0, scratchKey + "\\Missing"));
    EXPECT(f.checks, !f.reg.ExistingKey(0, scratchKey + "\\Missing"));
    // CreateKey may make a key right below the hive; the setters never do.
    EXPECT(f.checks, f.reg.CreateKey(topScratchKey, 0, ""));
    EXPECT(f.checks, f.reg.ExistingKey(0, topScratchKey));
    EXPECT(f.checks, !f.reg.CreateKey("Bad\\\\Name", 0, "Software"));
    EXPECT(f.checks, !f.reg.ExistingKey(0, "Software\\Bad"));
}

void settersNeverCreateBelowHive(StoreFixture& f) {
    for (const char* key : {"Quillmere", "Quillmere\\Tincta 2005"}) {
        EXPECT(f.checks, !f.reg.SetString("v", "x", 0, key));
        EXPECT(f.checks, !f.reg.SetDWord("v", 1, 0, key));
        EXPECT(f.checks, !f.reg.SetBinary("v", "x", 0, key));
        EXPECT(f.checks, !f.reg.ExistingKey(0, "Quillmere"));
    }
    EXPECT(f.checks, f.reg.ExistingKey(0, "Software"));
}

void hivesOutsideTheKnownOnes(StoreFixture& f) {
    EasyReg noHive(std::move(f.raw));
    bool ok = true;
    // Hive 0 with no default hive names no hive at all.
    EXPECT_EQ(f.checks, noHive.GetValue("x", ok, "dflt", 0, programKey), "dflt"s);
    EXPECT(f.checks, !ok);
    EXPECT(f.checks, !noHive.SetString("x", "y", 0, programKey));
    EXPECT(f.checks, !f.reg.SetString("v", "x", 12345, programKey));
    EXPECT(f.checks, !f.reg.ExistingKey(12345, "Software"));
    EXPECT(f.checks, !f.reg.CreateKey("Quillmere", 12345, "Software"));
}

void deletion(StoreFixture& f) {
    EXPECT(f.checks, f.reg.SetString("v", "x"));
    EXPECT(f.checks, !f.reg.DeleteValue("missing"));
    EXPECT(f.checks, f.reg.DeleteValue("v"));
    EXPECT(f.checks, !f.reg.DeleteValue("v"));
    EXPECT(f.checks, !f.reg.DeleteValue("v", 0, scratchKey + "\\Missing"));
    // A key with subkeys stays.
    EXPECT(f.checks, !f.reg.DeleteKey(0, "Software\\Quillmere"));
    EXPECT(f.checks, f.reg.ExistingKey(0, "Software\\Quillmere"));
    EXPECT(f.checks, f.reg.SetString("w", "y"));
    EXPECT(f.checks, f.reg.DeleteKey());
    EXPECT(f.checks, !f.reg.ExistingKey());
    EXPECT(f.checks, !f.reg.DeleteKey());
    // Its values went with it.
    EXPECT(f.checks, f.reg.CreateKey("Tincta 2005", 0, "Software\\Quillmere"));
    EXPECT(f.checks, !f.reg.ExistingValue("w"));
}

void unnamedValue(StoreFixture& f) {
    EXPECT(f.checks, f.reg.SetString("", "unnamed"));
    bool ok = false;
    EXPECT_EQ(f.checks, f.reg.GetValue("", ok), "unnamed"s);
    EXPECT(f.checks, ok);
    EXPECT(f.checks, f.reg.DeleteValue(""));
    EXPECT(f.checks, !f.reg.ExistingValue(""));
}

void tenLevelPath(StoreFixture& f) {
    std::string path = "Software\\Quillmere";
    std::vector<std::string> levels{"Software", path};
    for (int level = 3; level <= 10; ++level) {
        path += "\\Level " + std::to_string(level);
        levels.push_back(path);
    }
    EXPECT(f.checks, f.reg.SetString("Deep", "ten", 0, path));
    bool ok = false;
    EXPECT_EQ(f.checks, f.reg.GetValue("Deep", ok, "", HKEY_CURRENT_USER, path), "ten"s);
    for (const auto& key : levels)
        EXPECT(f.checks, f.reg.ExistingKey(0, key));
    for (auto key = levels.rbegin(); key + 1 != levels.rend(); ++key)
        EXPECT(f.checks, f.reg.DeleteKey(0, *key));
    EXPECT(f.checks, !f.reg.ExistingKey(0, "Software\\Quillmere"));
}

void largeValues(StoreFixture& f) {
    std::string bytes(64 * 1024, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 % 256);
    EXPECT(f.checks, f.reg.SetBinary("Binary", bytes));
    const auto stored = f.raw->queryValue(HKEY_CURRENT_USER, programKey, "Binary");
    EXPECT(f.checks, stored && stored->data == bytes);
    bool ok = false;
    const auto dump = f.reg.GetValue("Binary", ok);
    EXPECT_EQ(f.checks, dump.size(), bytes.size() * 3);
    EXPECT_EQ(f.checks, dump.substr(0, 12), "00 07 0E 15 "s);

    const std::string text(64 * 1024, 'x');
    EXPECT(f.checks, f.reg.SetString("Text", text));
    EXPECT(f.checks, f.reg.GetValue("Text", ok) == text);
    EXPECT(f.checks, ok);
}

void greekAndJapaneseNames(StoreFixture& f) {
    const std::string greekKey = "Software\\Quillmere\\\xce\xa7\xcf\x81\xcf\x8e\xce\xbc\xce\xb1";
    const std::string japaneseKey = greekKey + "\\\xe8\x89\xb2\xe5\xbd\xa9";
    const std::string greekName = "\xce\x9a\xcf\x8c\xce\xba\xce\xba\xce\xb9\xce\xbd\xce\xbf";
    const std::string japaneseName = "\xe8\xb5\xa4\xe3\x81\x84";
    const std::string data = greekName + " / " + japaneseName;
    EXPECT(f.checks, f.reg.SetString(greekName, data, 0, japaneseKey));
    EXPECT(f.checks, f.reg.SetMultiString(japaneseName, greekName + "\0"s + japaneseName + "\0\0"s,
                                          0, japaneseKey));
    bool ok = false;
    EXPECT_EQ(f.checks, f.reg.GetValue(greekName, ok, "", 0, japaneseKey), data);
    EXPECT(f.checks, ok);
    EXPECT_EQ(f.checks, f.reg.GetValue(japaneseName, ok, "", 0, japaneseKey),
              greekName + "\0"s + japaneseName);
    EXPECT(f.checks, f.reg.ExistingKey(0, greekKey));
    EXPECT(f.checks, f.reg.DeleteValue(japaneseName, 0, japaneseKey));
    EXPECT(f.checks, f.reg.DeleteKey(0, japaneseKey));
    EXPECT(f.checks, !f.reg.ExistingKey(0, japaneseKey));
}

void batchOfOrdinaryFailures(StoreFixture& f) {
    f.reg.beginBatch(std::chrono::steady_clock::now() + std::chrono::seconds(1));
    bool ok = true;
    f.reg.GetValue("Never", ok);
    f.reg.DeleteKey(0, "Software\\Quillmere");
    f.reg.SetString("v", "x", 0, "Missing\\Key");
    EXPECT(f.checks, f.reg.SetString("v", "x"));
    EXPECT(f.checks, !f.reg.DeleteKey(0, "Software\\Quillmere"));
    const auto report = f.reg.endBatch();
    // Missing keys and values and a key with subkeys are answers, not an unusable store.
    EXPECT(f.checks, !report.unusable);
    EXPECT_EQ(f.checks, report.damagedStoreKeptAs, ""s);
}

std::vector<StoreCase> contractCases() {
    std::vector<StoreCase> cases = {
        {"missing value", missingValue},
        {"SetString creates both missing levels", setStringCreatesBothLevels},
        {"key paths are normalised", pathsAreNormalised},
        {"value names ignore case", valueNamesIgnoreCase},
        {"DWORD stored as four little-endian bytes", dwordBytes},
        {"negative DWORD refused", negativeDWordRefused},
        {"CreateKey on an existing key leaves the parent alone", createKeyOnExistingKey},
        {"CreateKey rules", createKeyRules},
        {"setters never create keys below the hive", settersNeverCreateBelowHive},
        {"hives outside the known ones", hivesOutsideTheKnownOnes},
        {"deletion", deletion},
        {"unnamed value", unnamedValue},
        {"key path of ten levels", tenLevelPath},
        {"values of 64 KiB", largeValues},
        {"Greek and Japanese names", greekAndJapaneseNames},
        {"a batch of ordinary failures", batchOfOrdinaryFailures},
    };
    for (const auto& row : renderings())
        cases.push_back(
            {"rendering: "s + row.name, [&row](StoreFixture& f) { checkRendering(f, row); }});
    for (const auto& row : foreignValues())
        cases.push_back({"foreign value: "s + row.name,
                         [&row](StoreFixture& f) { checkForeignValue(f, row); }});
    return cases;
}

} // namespace

std::vector<Case> storeContractCases(ContractBackend& backend) {
    auto cases = contractCases();
    for (auto& own : backend.ownCases())
        cases.push_back(std::move(own));
    std::vector<Case> runnable;
    for (auto& storeCase : cases) {
        runnable.push_back({storeCase.name, [&backend, run = storeCase.run](Checks& checks) {
                                backend.clear();
                                {
                                    StoreFixture fixture(backend.openStore(), backend.openStore(),
                                                         checks);
                                    run(fixture);
                                }
                                backend.checkAfterCase(checks);
                            }});
    }
    return runnable;
}

} // namespace tincta::contract

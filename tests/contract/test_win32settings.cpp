// The five settings written through EasyReg over the Windows registry where and as the program
// keeps them, compared with what the system's own reg.exe shows; and values that reg.exe adds,
// read back through EasyReg.
#include "contractrunner.h"
#include "win32testsupport.h"

#include "registry/easyreg.h"
#include "settings/settingsnames.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <vector>

namespace {

using namespace tincta;
using namespace tincta::contract;
using namespace std::string_literals;

const std::wstring programKeyForReg = L"\"HKCU\\Software\\Quillmere\\Tincta 2005\"";

// The registry accessor as the program sets it up at start.
struct ProgramRegistry {
    ProgramRegistry() {
        reg.DefaultHive(HKEY_CURRENT_USER);
        reg.DefaultSubKey(programKeyPath);
    }
    EasyReg reg;
};

struct Shown {
    std::string name;
    std::string type;
    std::string data;
    bool operator==(const Shown&) const = default;
};

bool byName(const Shown& a, const Shown& b) {
    return a.name < b.name;
}

std::ostream& operator<<(std::ostream& out, const std::vector<Shown>& values) {
    for (const auto& value : values)
        out << "[" << printable(value.name) << " " << value.type << " " << printable(value.data)
            << "]";
    return out;
}

// The value lines of `reg query`: four blanks, then name, type and data, four blanks apart.
std::vector<Shown> valueLines(const std::string& output) {
    static const std::string gap = "    ";
    std::vector<Shown> values;
    std::size_t start = 0;
    while (start < output.size()) {
        auto end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        std::string line = output.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind(gap, 0) != 0)
            continue;
        const auto typeAt = line.find(gap, gap.size());
        const auto dataAt = typeAt == std::string::npos ? typeAt : line.find(gap, typeAt + 4);
        if (dataAt == std::string::npos)
            continue;
        values.push_back({line.substr(4, typeAt - 4), line.substr(typeAt + 4, dataAt - typeAt - 4),
                          line.substr(dataAt + 4)});
    }
    return values;
}

void fiveSettingsAsRegShowsThem(Checks& checks) {
    deleteUserKeyTree(L"Software\\Quillmere");
    const std::vector<Shown> expected = {
        {customFormatValueName, "REG_SZ", "<{RH}{GH}{BH}>"},
        {formatIndexValueName, "REG_SZ", "11"},
        {sortIndexValueName, "REG_SZ", "1"},
        {promptToSaveValueName, "REG_SZ", "0"},
        {standardFolderValueName, "REG_SZ", "C:\\users\\Public\\Desktop"},
    };
    {
        ProgramRegistry program;
        for (const auto& value : expected)
            EXPECT(checks, program.reg.SetString(value.name, value.data));
    }
    const auto shown = runCommand(L"reg query " + programKeyForReg);
    EXPECT_EQ(checks, shown.exitCode, 0);
    EXPECT(checks, shown.output.find("HKEY_CURRENT_USER\\Software\\Quillmere\\Tincta 2005") !=
                       std::string::npos);
    // The registry promises no order.
    auto values = valueLines(shown.output);
    std::sort(values.begin(), values.end(), byName);
    auto sortedExpected = expected;
    std::sort(sortedExpected.begin(), sortedExpected.end(), byName);
    EXPECT_EQ(checks, values, sortedExpected);
}

// A value as reg.exe adds it, and as EasyReg reads it back.
struct Added {
    std::wstring name;
    std::wstring typeAndData;
    std::string utf8Name;
    std::string read;
    std::string typeName;
};

void valuesAddedByRegReadBack(Checks& checks) {
    deleteUserKeyTree(L"Software\\Quillmere");
    const std::vector<Added> added = {
        {L"FormatIndex", L"/t REG_SZ /d 3", formatIndexValueName, "3", "STRING"},
        {L"CustomFormat", L"/t REG_SZ /d \"#{RH} {GH}\"", customFormatValueName, "#{RH} {GH}",
         "STRING"},
        {L"Expand", L"/t REG_EXPAND_SZ /d C:\\x", "Expand", "C:\\x", "EXPANDABLE STRING"},
        {L"Dword", L"/t REG_DWORD /d 0x12345678", "Dword", "305419896", "DWORD"},
        {L"AllBits", L"/t REG_DWORD /d 0xFFFFFFFF", "AllBits", "-1", "DWORD"},
        {L"Binary", L"/t REG_BINARY /d 0AFF05", "Binary", "0A FF 05 ", "BINARY"},
        {L"Multi", L"/t REG_MULTI_SZ /d one\\0two", "Multi", "one\0two"s, "MULTIPLE STRING"},
        {L"Qword", L"/t REG_QWORD /d 5", "Qword", "dflt", "UNKNOWN"},
        {L"\u03a7\u03c1\u03ce\u03bc\u03b1", L"/t REG_SZ /d \u8d64\u3044",
         "\xce\xa7\xcf\x81\xcf\x8e\xce\xbc\xce\xb1", "\xe8\xb5\xa4\xe3\x81\x84", "STRING"},
    };
    for (const auto& value : added) {
        const auto result = runCommand(L"reg add " + programKeyForReg + L" /v \"" + value.name +
                                       L"\" " + value.typeAndData + L" /f");
        EXPECT_EQ(checks, result.exitCode, 0);
    }
    ProgramRegistry program;
    for (const auto& value : added) {
        bool ok = false;
        EXPECT_EQ(checks, program.reg.GetValue(value.utf8Name, ok, "dflt"), value.read);
        EXPECT(checks, ok);
        EXPECT_EQ(checks, program.reg.GetValueType(value.utf8Name), value.typeName);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (!mayClearProgramKey(argc, argv)) {
        std::fprintf(stderr, "Overwrites the program's settings: run under Wine, or pass "
                             "--clear-program-key.\n");
        return 2;
    }
    return runCases({{"the five settings as reg query shows them", fiveSettingsAsRegShowsThem},
                     {"values added by reg read back by EasyReg", valuesAddedByRegReadBack}});
}

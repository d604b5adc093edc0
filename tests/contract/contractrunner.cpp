#include "contractrunner.h"

#include <array>
#include <cstdio>
#include <exception>

namespace tincta::contract {

std::string printable(const std::string& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            text.push_back(c);
            continue;
        }
        text += "\\x";
        text.push_back(digits[byte >> 4]);
        text.push_back(digits[byte & 0x0F]);
    }
    return text;
}

void Checks::expect(bool ok, const char* what, const char* file, int line) {
    if (!ok)
        fail(std::string("not true: ") + what, file, line);
}

void Checks::fail(const std::string& message, const char* file, int line) {
    m_failures.push_back(std::string(file) + ":" + std::to_string(line) + ": " + message);
}

int runCases(const std::vector<Case>& cases) {
    int failed = 0;
    for (const auto& testCase : cases) {
        Checks checks;
        try {
            testCase.run(checks);
        } catch (const std::exception& error) {
            checks.expect(false, error.what(), "exception", 0);
        } catch (...) {
            checks.expect(false, "unknown exception", "exception", 0);
        }
        const bool passed = checks.failures().empty();
        std::printf("%s %s\n", passed ? "PASS" : "FAIL", testCase.name.c_str());
        for (const auto& failure : checks.failures())
            std::printf("    %s\n", failure.c_str());
        failed += passed ? 0 : 1;
    }
    const auto total = static_cast<int>(cases.size());
    std::printf("%d passed, %d failed\n", total - failed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}

} // namespace tincta::contract

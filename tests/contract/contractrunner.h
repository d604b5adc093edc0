#pragma once

// A small table-driven test runner of the standard library alone, for suites that must also
// build where no test framework is at hand (the MinGW cross build).

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace tincta::contract {

// Renders bytes readably: printable ASCII as it is, anything else as \xNN.
std::string printable(const std::string& bytes);

// The failed checks of one case.
class Checks {
public:
    void expect(bool ok, const char* what, const char* file, int line);

    template <typename Actual, typename Expected>
    void expectEqual(const Actual& actual, const Expected& expected, const char* what,
                     const char* file, int line) {
        if (actual == expected)
            return;
        std::ostringstream message;
        message << what << ": got " << describe(actual) << ", expected " << describe(expected);
        fail(message.str(), file, line);
    }

    const std::vector<std::string>& failures() const { return m_failures; }

private:
    void fail(const std::string& message, const char* file, int line);
    static std::string describe(const std::string& text) { return '"' + printable(text) + '"'; }
    static std::string describe(const char* text) { return describe(std::string(text)); }
    template <typename Value> static std::string describe(const Value& value) {
        std::ostringstream text;
        text << value;
        return text.str();
    }

    std::vector<std::string> m_failures;
};

#define EXPECT(checks, condition) (checks).expect((condition), #condition, __FILE__, __LINE__)
#define EXPECT_EQ(checks, actual, expected)                                                        \
    (checks).expectEqual((actual), (expected), #actual, __FILE__, __LINE__)

struct Case {
    std::string name;
    std::function<void(Checks&)> run;
};

// Runs every case, prints one line for each and the closing counts; 0 when all passed. A case
// that throws fails.
int runCases(const std::vector<Case>& cases);

} // namespace tincta::contract

// Measures what the All Notations window works out at each step of a slider: the text of every
// notation of one colour (the detailed form where a notation has one), with a custom template
// that uses codes of both kinds.
//
//   bench_notations     prints the median and the 99th percentile

#include "colour/notation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace tincta;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int runs = 2000;

// Keeps the optimiser from dropping the work.
volatile qsizetype sink = 0;

void renderEveryNotation(const NotationSource& source) {
    qsizetype total = 0;
    for (const NotationRow& row : notationRows())
        total += detailedNotationText(row.notation, source).size();
    sink = total;
}

} // namespace

int main() {
    std::vector<double> times;
    NotationSource source{Colour{0, 0, 0}, QStringLiteral("#%UR%%UG%%UB% %FR% %HH% %KC%"),
                          QStringLiteral("Brand blue"), 2};
    for (int run = 0; run < runs; ++run) {
        // A slider step: a new blue each run.
        source.colour = Colour{51, 102, run % 256};
        const auto start = Clock::now();
        renderEveryNotation(source);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("Every notation of one colour (%d notations):\n", notationCount);
    std::printf("  median %7.4f ms, 99th percentile %7.4f ms (of %d)\n", times[times.size() / 2],
                times[times.size() * 99 / 100], runs);
    return 0;
}

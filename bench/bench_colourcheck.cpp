// Measures what the Colour Check works out for the six marks: the six passing-colour suggestions
// and the APCA contrast of each of the 36 cells, for the default palette and for a palette of
// greys and pale colours, where most suggestions have to search.
//
//   bench_colourcheck     prints medians and 99th percentiles

#include "colour/apca.h"
#include "colour/contrastfix.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace tincta;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int runs = 400;
constexpr ContrastLevel levels[] = {ContrastLevel::AaLarge, ContrastLevel::Aa, ContrastLevel::Aaa};

using Marks = std::array<Colour, 6>;

// Keeps the optimiser from dropping the work.
volatile double sink = 0.0;

void checkEveryCell(const Marks& marks) {
    double total = 0.0;
    for (const Colour& text : marks) {
        for (const Colour& background : marks) {
            total += apcaContrast(text, background);
            for (ContrastLevel level : levels) {
                const double minimum = minimumRatio(level);
                if (const auto foreground = passingColour(text, background, minimum))
                    total += foreground->ratio;
                if (const auto behind = passingColour(background, text, minimum))
                    total += behind->ratio;
            }
        }
    }
    sink = total;
}

void measure(const char* what, const Marks& marks) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        checkEveryCell(marks);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-22s median %7.3f ms, 99th percentile %7.3f ms (of %d)\n", what,
                times[times.size() / 2], times[times.size() * 99 / 100], runs);
}

} // namespace

int main() {
    std::printf("All suggestions and APCA values of the 36 cells:\n");
    measure("default palette",
            {{{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {0, 0, 255}, {255, 0, 255}}});
    measure("greys and pale colours", {{{0x77, 0x77, 0x77},
                                        {255, 255, 255},
                                        {0x76, 0x76, 0x76},
                                        {0xC0, 0xFF, 0xEE},
                                        {0x33, 0x66, 0x99},
                                        {0xFF, 0xCC, 0x00}}});
    return 0;
}

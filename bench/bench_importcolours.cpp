// Measures an import of the largest files Import reads (1 MiB): reading an .ase and an .aco that
// fill it with colours, and opening the Import Colours dialog with every colour listed.
//
//   bench_importcolours   prints medians (QT_QPA_PLATFORM=offscreen needs no screen)

#include "importcolours/importcoloursdialog.h"
#include "palette/formats/adobeswatchexchange.h"
#include "palette/formats/bigendian.h"
#include "palette/formats/photoshopcolours.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace tincta;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int runs = 9;

// An .ase of Gray entries named "n" up to 1 MiB.
QByteArray largestAse() {
    constexpr int entrySize = 6 + 2 + 4 + 4 + 4 + 2;
    const auto count = static_cast<std::uint32_t>((importMaxBytes - 12) / entrySize);
    BigEndianWriter out;
    out.bytes("ASEF");
    out.u16(1);
    out.u16(0);
    out.u32(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        out.u16(1);
        out.u32(entrySize - 6);
        out.u16(2);
        out.utf16WithNull(QStringLiteral("n"));
        out.bytes("Gray");
        out.f32(static_cast<float>(i % 256) / 255.0f);
        out.u16(2);
    }
    return out.result();
}

// A version 1 .aco of RGB colours, as many as its 16-bit count holds.
QByteArray largestAco() {
    BigEndianWriter out;
    out.u16(1);
    out.u16(0xFFFF);
    for (int i = 0; i < 0xFFFF; ++i) {
        for (const int value : {0, i, 0, 0, 0})
            out.u16(static_cast<std::uint16_t>(value));
    }
    return out.result();
}

template <typename F> double medianMs(F work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void measure(const char* what, const QByteArray& bytes, ImportResult (*read)(const QByteArray&)) {
    ImportResult result;
    const double reading = medianMs([&] { result = read(bytes); });
    const double listing = medianMs([&] {
        ImportColoursDialog dialog(result.marks, 0);
        dialog.show();
        QApplication::processEvents();
    });
    std::printf("  %-5s %6lld colours in %7lld bytes: read %8.1f ms, dialog shown %8.1f ms\n", what,
                static_cast<long long>(result.marks.size()), static_cast<long long>(bytes.size()),
                reading, listing);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::printf("Import of the largest files (median of %d):\n", runs);
    measure(".ase", largestAse(), readAdobeSwatches);
    measure(".aco", largestAco(), readPhotoshopColours);
    return 0;
}

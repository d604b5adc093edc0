#pragma once

#include "gui/platform/qtservices.h"
#include "gui/platform/screenpixel.h"
#include "gui/platform/services.h"
#include "importcolours/importcoloursdialog.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace tincta::bench {

using Clock = std::chrono::steady_clock;

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

inline double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct NoDialogs final : MessageBoxes {
    MessageAnswer show(QWidget*, const Message&) override { return MessageAnswer::Ok; }
};

// The real services, with message boxes that answer at once.
struct BenchServices {
    NoDialogs messages;
    QtFileDialogs files;
    DesktopLauncher launcher;
    QtScreenPixelReader screen;
    QtImportChooser importChooser;
    Services services{messages, files, launcher, screen, importChooser};
};

} // namespace tincta::bench

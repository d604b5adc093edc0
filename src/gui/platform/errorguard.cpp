#include "gui/platform/errorguard.h"

#include <QtGlobal>

namespace tincta {

namespace {

std::function<void()>& lastResort() {
    static std::function<void()> installed;
    return installed;
}

} // namespace

void ErrorGuard::setLastResort(std::function<void()> handler) {
    lastResort() = std::move(handler);
}

bool ErrorGuard::run(const std::function<void()>& action) noexcept {
    try {
        action();
        return true;
    } catch (...) {
        if (!lastResort())
            qFatal("Tincta: unexpected error with no window to report it");
        lastResort()();
        return false;
    }
}

} // namespace tincta

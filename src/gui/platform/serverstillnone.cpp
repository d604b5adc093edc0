#include "gui/platform/serverstill.h"

namespace tincta {

std::shared_ptr<ServerStill> takeServerStill(const QScreen&) {
    return nullptr;
}

} // namespace tincta

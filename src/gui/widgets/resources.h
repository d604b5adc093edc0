#pragma once

namespace tincta {

// Makes the icons and help topics compiled into the widgets library available; safe to call
// more than once.
void initResources();

} // namespace tincta

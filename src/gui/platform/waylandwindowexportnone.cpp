#include "gui/platform/waylandwindowexport.h"

// Built where the Wayland protocol parts are missing: no window is ever exported.
namespace tincta {

class WaylandWindowExport::Exporter {};

WaylandWindowExport::WaylandWindowExport(QWidget*) {}

WaylandWindowExport::~WaylandWindowExport() = default;

QString WaylandWindowExport::handle() const {
    return {};
}

} // namespace tincta

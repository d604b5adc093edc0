#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace tincta {

// On Wayland a program's window can be named to another program only by a handle the compositor
// hands out for an exported toplevel, and the handle holds only while the export lasts: the
// portal's dialogs use it to stand over the window that asked. Exports the window each time it
// is shown, from the compositor's first frame of it on, and keeps the export while it is shown.
// Where the platform is not Wayland or the compositor exports no windows, there is no handle.
class WaylandWindowExport {
public:
    explicit WaylandWindowExport(QWidget* window);
    ~WaylandWindowExport();
    WaylandWindowExport(const WaylandWindowExport&) = delete;
    WaylandWindowExport& operator=(const WaylandWindowExport&) = delete;

    // The compositor's handle of the window, or empty until the compositor has answered.
    QString handle() const;

private:
    class Exporter;
    std::unique_ptr<Exporter> m_exporter;
};

} // namespace tincta

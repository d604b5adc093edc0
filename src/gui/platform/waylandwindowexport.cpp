#include "gui/platform/waylandwindowexport.h"

#include "xdg-foreign-unstable-v2-client-protocol.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <cstring>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

namespace tincta {

namespace {

// Qt's own connection to the compositor; null off Wayland.
wl_display* qtDisplay() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return nullptr;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (native == nullptr)
        return nullptr;
    return static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
}

wl_surface* surfaceOf(QWindow* window) {
    return static_cast<wl_surface*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", window));
}

} // namespace

// Its objects live on Qt's connection in the default queue, which Qt dispatches on the GUI
// thread as its event loop runs: the compositor's answers arrive here between other events, and
// nothing ever waits for them. A pick that starts before the handle has come simply goes without.
class WaylandWindowExport::Exporter final : public QObject {
public:
    Exporter(QWidget* window, wl_display* display);
    ~Exporter() override;
    Exporter(const Exporter&) = delete;
    Exporter& operator=(const Exporter&) = delete;

    const QString& handle() const { return m_handle; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                         uint32_t version);
    static void onGlobalRemoved(void*, wl_registry*, uint32_t) {}
    static void onHandle(void* data, zxdg_exported_v2* exported, const char* handle);

    // The widget's native window comes and goes with the widget's own life.
    void watchNativeWindow();
    // Only a surface the compositor already shows is a toplevel; exporting anything else is a
    // protocol error that ends the connection, so the export waits for the window's exposure.
    void exportShownWindow();
    void withdraw();

    QWidget* m_window;
    QPointer<QWindow> m_nativeWindow;
    wl_registry* m_registry;
    zxdg_exporter_v2* m_exporter = nullptr;
    zxdg_exported_v2* m_exported = nullptr;
    wl_surface* m_exportedSurface = nullptr;
    QString m_handle;
};

WaylandWindowExport::Exporter::Exporter(QWidget* window, wl_display* display)
    : m_window(window), m_registry(wl_display_get_registry(display)) {
    static const wl_registry_listener listener = {&Exporter::onGlobal, &Exporter::onGlobalRemoved};
    wl_registry_add_listener(m_registry, &listener, this);
    m_window->installEventFilter(this);
    watchNativeWindow();
}

WaylandWindowExport::Exporter::~Exporter() {
    withdraw();
    if (m_exporter != nullptr)
        zxdg_exporter_v2_destroy(m_exporter);
    wl_registry_destroy(m_registry);
}

void WaylandWindowExport::Exporter::onGlobal(void* data, wl_registry* registry, uint32_t name,
                                             const char* interface, uint32_t) {
    auto* exporter = static_cast<Exporter*>(data);
    if (exporter->m_exporter != nullptr ||
        std::strcmp(interface, zxdg_exporter_v2_interface.name) != 0)
        return;
    exporter->m_exporter = static_cast<zxdg_exporter_v2*>(
        wl_registry_bind(registry, name, &zxdg_exporter_v2_interface, 1));
    exporter->exportShownWindow();
}

void WaylandWindowExport::Exporter::onHandle(void* data, zxdg_exported_v2*, const char* handle) {
    static_cast<Exporter*>(data)->m_handle = QString::fromUtf8(handle);
}

bool WaylandWindowExport::Exporter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            watchNativeWindow();
        return false;
    }
    switch (event->type()) {
    case QEvent::Expose:
        exportShownWindow();
        break;
    case QEvent::Hide:
        withdraw();
        break;
    case QEvent::PlatformSurface:
        if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            withdraw();
        break;
    default:
        break;
    }
    return false;
}

void WaylandWindowExport::Exporter::watchNativeWindow() {
    QWindow* nativeWindow = m_window->windowHandle();
    if (nativeWindow == m_nativeWindow)
        return;
    withdraw();
    if (m_nativeWindow != nullptr)
        m_nativeWindow->removeEventFilter(this);
    m_nativeWindow = nativeWindow;
    if (nativeWindow == nullptr)
        return;
    nativeWindow->installEventFilter(this);
    exportShownWindow();
}

void WaylandWindowExport::Exporter::exportShownWindow() {
    if (m_exporter == nullptr || m_nativeWindow == nullptr || !m_nativeWindow->isExposed())
        return;
    wl_surface* surface = surfaceOf(m_nativeWindow);
    if (surface == nullptr || surface == m_exportedSurface)
        return;
    withdraw();
    static const zxdg_exported_v2_listener listener = {&Exporter::onHandle};
    m_exported = zxdg_exporter_v2_export_toplevel(m_exporter, surface);
    zxdg_exported_v2_add_listener(m_exported, &listener, this);
    m_exportedSurface = surface;
}

void WaylandWindowExport::Exporter::withdraw() {
    if (m_exported != nullptr)
        zxdg_exported_v2_destroy(m_exported);
    m_exported = nullptr;
    m_exportedSurface = nullptr;
    m_handle.clear();
}

WaylandWindowExport::WaylandWindowExport(QWidget* window) {
    if (wl_display* display = qtDisplay())
        m_exporter = std::make_unique<Exporter>(window, display);
}

WaylandWindowExport::~WaylandWindowExport() = default;

QString WaylandWindowExport::handle() const {
    return m_exporter != nullptr ? m_exporter->handle() : QString();
}

} // namespace tincta

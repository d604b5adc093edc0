#include "palettewindows/palettewindows.h"

#include "palettewindows/failsafewindow.h"
#include "palettewindows/javascriptwindow.h"
#include "palettewindows/websafewindow.h"
#include "settings/settingsrecord.h"

#include <QScreen>
#include <QWindow>
#include <memory>

namespace tincta {

namespace {

enum class Placement { Below, Right };

void bringForward(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

constexpr int windowGap = 8;

// Puts a new palette window beside another window of the program (below it or to its right) so
// that it covers nothing, as long as it fits on that screen; otherwise the window system places it.
void placeBeside(QWidget* window, const QWidget* anchor, Placement placement) {
    const QScreen* screen = anchor->screen();
    if (screen == nullptr)
        return;
    const QRect frame = anchor->frameGeometry();
    const QSize frameExtra = frame.size() - anchor->size();
    const QPoint topLeft = placement == Placement::Below
                               ? QPoint(frame.left(), frame.bottom() + 1 + windowGap)
                               : QPoint(frame.right() + 1 + windowGap, frame.top());
    if (screen->availableGeometry().contains(QRect(topLeft, window->size() + frameExtra)))
        window->move(topLeft);
}

// The settings dialogs are modal to the main window and whatever belongs to it, and leave the help
// viewer free; the palette windows belong to the main window, so they wait for the dialogs too.
void belongTo(QWidget* window, const QWidget* mainWindow) {
    window->winId(); // the window-system window that carries the tie
    window->windowHandle()->setTransientParent(mainWindow->windowHandle());
}

// Creates and fills a window unless one is open, then shows it. A window that fails to fill is
// not kept: the error handler closes everything anyway.
template <typename Window, typename Load>
void openOnce(QPointer<Window>& window, SelectedColour& selected, const Guard& guard,
              const QWidget* mainWindow, const QWidget* anchor, Placement placement, Load load) {
    if (window.isNull() || window->isClosed()) {
        auto created = std::make_unique<Window>(selected, guard);
        belongTo(created.get(), mainWindow);
        load(*created);
        placeBeside(created.get(), anchor, placement);
        window = created.release();
    }
    bringForward(window);
}

} // namespace

PaletteWindows::PaletteWindows(const QWidget* mainWindow, SelectedColour& selected,
                               const SettingsRecord& settings, Guard guard)
    : m_mainWindow(mainWindow), m_selected(selected), m_settings(settings),
      m_guard(std::move(guard)) {}

PaletteWindows::~PaletteWindows() {
    // The windows call into the main window's sliders; they must not outlive it.
    delete m_websafe.data();
    delete m_failsafe.data();
    delete m_javaScript.data();
}

WebsafeWindow* PaletteWindows::websafe() const {
    return m_websafe;
}

FailsafeWindow* PaletteWindows::failsafe() const {
    return m_failsafe;
}

JavaScriptWindow* PaletteWindows::javaScript() const {
    return m_javaScript;
}

void PaletteWindows::cmdWebsafe_Click() {
    openOnce(m_websafe, m_selected, m_guard, m_mainWindow, m_mainWindow, Placement::Below,
             [](WebsafeWindow& window) { window.Form_Load(); });
}

void PaletteWindows::cmdFailsafe_Click() {
    const QWidget* anchor = m_websafe.isNull() || m_websafe->isClosed()
                                ? m_mainWindow
                                : static_cast<const QWidget*>(m_websafe.data());
    openOnce(m_failsafe, m_selected, m_guard, m_mainWindow, anchor, Placement::Below,
             [](FailsafeWindow& window) { window.Form_Load(); });
}

void PaletteWindows::cmdJavaScript_Click() {
    openOnce(m_javaScript, m_selected, m_guard, m_mainWindow, m_mainWindow, Placement::Right,
             [this](JavaScriptWindow& window) { window.Form_Load(m_settings.SortIndex); });
}

} // namespace tincta

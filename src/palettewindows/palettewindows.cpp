#include "palettewindows/palettewindows.h"

#include "palettewindows/failsafewindow.h"
#include "palettewindows/javascriptwindow.h"
#include "palettewindows/websafewindow.h"
#include "settings/settingsrecord.h"

#include <memory>

namespace tincta {

namespace {

void bringForward(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

// Creates and fills a window unless one is open, then shows it. A window that fails to fill is
// not kept: the error handler closes everything anyway.
template <typename Window, typename Load>
void openOnce(QPointer<Window>& window, SelectedColour& selected, const Guard& guard, Load load) {
    if (window.isNull() || window->isClosed()) {
        auto created = std::make_unique<Window>(selected, guard);
        load(*created);
        window = created.release();
    }
    bringForward(window);
}

} // namespace

PaletteWindows::PaletteWindows(SelectedColour& selected, const SettingsRecord& settings,
                               Guard guard)
    : m_selected(selected), m_settings(settings), m_guard(std::move(guard)) {}

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
    openOnce(m_websafe, m_selected, m_guard, [](WebsafeWindow& window) { window.Form_Load(); });
}

void PaletteWindows::cmdFailsafe_Click() {
    openOnce(m_failsafe, m_selected, m_guard, [](FailsafeWindow& window) { window.Form_Load(); });
}

void PaletteWindows::cmdJavaScript_Click() {
    openOnce(m_javaScript, m_selected, m_guard,
             [this](JavaScriptWindow& window) { window.Form_Load(m_settings.SortIndex); });
}

} // namespace tincta

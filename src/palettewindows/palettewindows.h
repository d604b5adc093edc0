#pragma once

#include "palettewindows/palettewindow.h"

#include <QPointer>

namespace tincta {

class FailsafeWindow;
class JavaScriptWindow;
class SelectedColour;
class WebsafeWindow;
class SettingsRecord;

// Opens the three reference palette windows, one of each at most. Each is a window of its own
// beside the main window, created and filled on first use and destroyed when closed.
class PaletteWindows {
public:
    PaletteWindows(const QWidget* mainWindow, SelectedColour& selected,
                   const SettingsRecord& settings, Guard guard);
    ~PaletteWindows();
    PaletteWindows(const PaletteWindows&) = delete;
    PaletteWindows& operator=(const PaletteWindows&) = delete;

    void cmdWebsafe_Click();
    void cmdFailsafe_Click();
    // An open window is only brought forward, so the order the user chose stays on screen.
    void cmdJavaScript_Click();

    // The open windows, or nullptr.
    WebsafeWindow* websafe() const;
    FailsafeWindow* failsafe() const;
    JavaScriptWindow* javaScript() const;

private:
    const QWidget* m_mainWindow;
    SelectedColour& m_selected;
    const SettingsRecord& m_settings;
    Guard m_guard;
    QPointer<WebsafeWindow> m_websafe;
    QPointer<FailsafeWindow> m_failsafe;
    QPointer<JavaScriptWindow> m_javaScript;
};

} // namespace tincta

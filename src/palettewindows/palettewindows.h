#pragma once

#include "palettewindows/palettewindow.h"

#include <QPointer>

namespace tincta {

class FixedPaletteWindow;
class JavaScriptWindow;
class SettingsRecord;

// The three buttons that open the reference palette windows, one of each at most. Each is a
// window of its own beside the main window, created and filled on first use and destroyed when
// closed; the colour chosen in any of them comes out of here.
class PaletteWindows : public QObject {
    Q_OBJECT

public:
    PaletteWindows(QWidget* mainWindow, const SettingsRecord& settings);
    ~PaletteWindows() override;

    // The three opening buttons, one above the other.
    QWidget* buttons() const { return m_buttons; }

    void openWebsafe();
    void openFailsafe();
    // An open window is only brought forward, so the order the user chose stays on screen.
    void openJavaScript();

    // The open windows, or nullptr.
    FixedPaletteWindow* websafe() const;
    FixedPaletteWindow* failsafe() const;
    JavaScriptWindow* javaScript() const;

Q_SIGNALS:
    void colourChosen(tincta::Colour colour);

private:
    template <typename Window, typename Make, typename Load>
    void openOnce(QPointer<Window>& window, Make make, const QWidget* anchor, bool below,
                  Load load);

    QWidget* m_mainWindow;
    const SettingsRecord& m_settings;
    QWidget* m_buttons;
    QPointer<FixedPaletteWindow> m_websafe;
    QPointer<FixedPaletteWindow> m_failsafe;
    QPointer<JavaScriptWindow> m_javaScript;
};

} // namespace tincta

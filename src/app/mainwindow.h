#pragma once

#include "app/appstate.h"
#include "app/mainwindowui.h"
#include "app/services.h"

#include <QMainWindow>
#include <memory>
#include <type_traits>

namespace tincta {

class Autocopy;
class ColourMarks;
class ColourProperties;
class HelpCommands;
class EasyReg;
class PaletteWindows;
class PaletteCommands;
class SettingsRecord;
class PickMode;
struct SettingsContext;
class SelectedColour;
class ValueEntry;

// The main window: owns the controls and the program-wide state, and wires the controls to the
// subsystems that act on them. Every handler runs behind the unexpected-error guard.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the stored settings again and tells the user what the load met.
    void loadSettings();

    // The last resort: one message at most per run, then every window closes without asking.
    void handleUnexpectedError();

    // Runs an action behind the unexpected-error guard.
    template <typename F> void guarded(F&& action) {
        try {
            action();
        } catch (...) {
            handleUnexpectedError();
        }
    }

    AppState& state() { return m_state; }
    EasyReg& registry() { return *m_registry; }
    SettingsRecord& settings() { return *m_settings; }
    const MainWindowUi& ui() const { return m_ui; }
    SelectedColour& selectedColour() { return *m_selected; }
    ColourMarks& colourMarks() { return *m_marks; }
    Autocopy& autocopy() { return *m_autocopy; }
    ValueEntry& valueEntry() { return *m_valueEntry; }
    PaletteWindows& paletteWindows() { return *m_paletteWindows; }
    PaletteCommands& paletteCommands() { return *m_paletteCommands; }
    // The Help menu; other dialogs open their help topics through it.
    HelpCommands& help() { return *m_help; }
    PickMode& pickMode() { return *m_pickMode; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Deactivate();
    void checkColourDepth();
    // The save question of a close request; false keeps the window open.
    bool confirmClose();
    void tbrTools_ButtonClick(int position);
    void connectEditing();
    void connectMarks();
    void connectMenus();
    void connectToolbar();
    void connectPaletteWindows();
    void connectColourProperties();
    void connectPaletteCommands();
    void connectHelp();
    void connectPickMode();
    void connectSettingsDialogs();
    SettingsContext settingsContext();
    void mnuToolsCustomFormat_Click();
    void mnuToolsOptions_Click();

    // Wraps a handler so that it runs behind the guard. Signal arguments the handler does not
    // take (such as a timer's private tag) are dropped.
    template <typename F> auto guard(F handler) {
        return [this, handler](auto&&... args) {
            guarded([&] {
                if constexpr (std::is_invocable_v<F, decltype(args)...>)
                    handler(std::forward<decltype(args)>(args)...);
                else
                    handler();
            });
        };
    }

    Services m_services;
    AppState m_state;
    MainWindowUi m_ui;
    std::unique_ptr<EasyReg> m_registry;
    std::unique_ptr<SettingsRecord> m_settings;
    // "The settings could not be read" is said once a run, however often a load fails.
    bool m_settingsUnreadableTold = false;
    std::unique_ptr<Autocopy> m_autocopy;
    std::unique_ptr<SelectedColour> m_selected;
    std::unique_ptr<ColourMarks> m_marks;
    std::unique_ptr<ValueEntry> m_valueEntry;
    std::unique_ptr<ColourProperties> m_properties;
    std::unique_ptr<PaletteWindows> m_paletteWindows;
    std::unique_ptr<PaletteCommands> m_paletteCommands;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<PickMode> m_pickMode;
};

} // namespace tincta

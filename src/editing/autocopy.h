#pragma once

#include "app/appstate.h"

namespace tincta {

class SettingsRecord;
struct MainWindowUi;

// Keeps the clipboard holding the selected colour: every rendering restarts the tick count, and
// the timer copies once the colour has rested for three ticks.
class Autocopy {
public:
    Autocopy(MainWindowUi& ui, AppState& state, const SettingsRecord& settings);

    // Writes the colour in the chosen notation (or its JavaScript name) into lblClipboard.
    void renderNotation(int red, int green, int blue);
    void tmrClip_Timer();
    void copyToClipboard();

    static constexpr int ticksBeforeCopy = 3;
    static constexpr int tickWrapLimit = 1'000'000'000;

private:
    MainWindowUi& m_ui;
    AppState& m_state;
    const SettingsRecord& m_settings;
};

// Recomputes the property letters beside all six marks from their samples.
void updatePropertyLetters(MainWindowUi& ui);

} // namespace tincta

#pragma once

#include "gui/platform/services.h"
#include "settings/settingsrecord.h"

#include <QString>
#include <functional>

namespace tincta {

// What the settings dialogs work with: the record and the main window's services.
struct SettingsContext {
    SettingsRecord& record;
    Services services;
    // The main window's load of the record: it tells the user what the load met (see
    // reportSettingsLoad) and takes over the remembered notation.
    std::function<void()> loadSettings;
};

// Tells the user what a load met: a damaged store set aside, the defaults restored, and a store
// that could not be read, the last only while `unreadableTold` is false, which it then sets.
void reportSettingsLoad(MessageBoxes& messages, QWidget* parent, const SettingsLoadResult& result,
                        bool& unreadableTold);

// Saves the values for a dialog's OK and tells the user when they could not be saved, so the
// dialog can stay open; true when every value was saved.
bool saveSettings(const SettingsContext& context, QWidget* dialog, const SettingValues& values);

} // namespace tincta

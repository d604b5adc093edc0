#pragma once

#include "app/appstate.h"
#include "app/services.h"

#include <QString>
#include <functional>

class QWidget;

namespace tincta {

class EasyReg;
class SettingsRecord;

// What the settings dialogs work with: the record, the registry it comes from, the main window's
// state that follows the record, and the window's services.
struct SettingsContext {
    SettingsRecord& record;
    EasyReg& registry;
    AppState& state;
    Services services;
    // The main window's last resort for errors in the dialogs' handlers.
    std::function<void()> onUnexpectedError;
};

// Loads the settings record, shows the restore message when the defaults had to come back, and
// hands the main window what follows from the load: its remembered notation and the template of
// the Custom notation.
void loadSettings(const SettingsContext& context, QWidget* parent);

// Writes one setting as text with the registry's default hive and key.
void storeSetting(EasyReg& registry, const char* valueName, const QString& text);

// Runs a dialog handler; any exception goes to the context's last resort.
void runGuarded(const SettingsContext& context, const std::function<void()>& handler);

} // namespace tincta

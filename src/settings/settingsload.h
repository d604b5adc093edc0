#pragma once

#include "gui/platform/services.h"

#include <QString>
#include <functional>

namespace tincta {

class EasyReg;
class SettingsRecord;

// What the settings dialogs work with: the record, the registry it comes from and the main
// window's services.
struct SettingsContext {
    SettingsRecord& record;
    EasyReg& registry;
    Services services;
    // The main window's load of the record: it shows the restore message when the defaults had
    // to come back and takes over the remembered notation.
    std::function<void()> loadSettings;
};

// Writes one setting as text with the registry's default hive and key.
void storeSetting(EasyReg& registry, const char* valueName, const QString& text);

} // namespace tincta

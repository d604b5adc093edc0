#include "settings/settingsload.h"

#include "settings/easyreg.h"

namespace tincta {

void storeSetting(EasyReg& registry, const char* valueName, const QString& text) {
    registry.SetString(valueName, text.toStdString(), 0, std::string());
}

void runGuarded(const SettingsContext& context, const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        if (context.onUnexpectedError)
            context.onUnexpectedError();
    }
}

} // namespace tincta

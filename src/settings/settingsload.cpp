#include "settings/settingsload.h"

#include "settings/easyreg.h"

namespace tincta {

void storeSetting(EasyReg& registry, const char* valueName, const QString& text) {
    registry.SetString(valueName, text.toStdString(), 0, std::string());
}

} // namespace tincta

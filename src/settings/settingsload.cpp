#include "settings/settingsload.h"

#include "settings/easyreg.h"
#include "settings/settingsrecord.h"

namespace tincta {

namespace {

const QString messageTitle = QStringLiteral("Tincta");

} // namespace

void loadSettings(const SettingsContext& context, QWidget* parent) {
    const SettingsLoadResult result =
        context.record.loadSettings(context.state.javaScriptNamesMode);
    if (result.rememberedFormat)
        context.state.rememberedFormat = *result.rememberedFormat;
    context.state.customFormat = context.record.CustomFormat;
    if (result.defaultsRestored) {
        context.services.messages.show(
            parent, Message{messageTitle, QString::fromLatin1(settingsRestoredMessage),
                            MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
    }
}

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

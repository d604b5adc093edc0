#include "settingsdialogs/settingsload.h"

#include <QCoreApplication>

namespace tincta {

namespace {

constexpr char messageContext[] = "tincta::Settings";

const char* const unreadableMessage =
    QT_TRANSLATE_NOOP("tincta::Settings",
                      "The settings could not be read; Tincta uses its standard settings for now.");
const char* const notSavedMessage =
    QT_TRANSLATE_NOOP("tincta::Settings", "The settings could not be saved. Check that the "
                                          "settings file is not locked or read-only.");
const char* const damagedStoreMessage = QT_TRANSLATE_NOOP(
    "tincta::Settings",
    "The settings file was damaged and has been replaced by one with the standard settings. "
    "The damaged file was kept as %1.");

QString translated(const char* text) {
    return QCoreApplication::translate(messageContext, text);
}

void reportDamagedStore(MessageBoxes& messages, QWidget* parent, const QString& keptAs) {
    if (!keptAs.isEmpty())
        inform(messages, parent, translated(damagedStoreMessage).arg(keptAs));
}

} // namespace

void reportSettingsLoad(MessageBoxes& messages, QWidget* parent, const SettingsLoadResult& result,
                        bool& unreadableTold) {
    reportDamagedStore(messages, parent, result.damagedStoreKeptAs);
    if (result.defaultsRestored)
        inform(messages, parent, translated(settingsRestoredMessage));
    if (result.storeUnreadable && !unreadableTold) {
        unreadableTold = true;
        inform(messages, parent, translated(unreadableMessage));
    }
}

bool saveSettings(const SettingsContext& context, QWidget* dialog, const SettingValues& values) {
    const SettingsSaveResult result = context.record.saveSettings(values);
    reportDamagedStore(context.services.messages, dialog, result.damagedStoreKeptAs);
    if (!result.saved)
        warn(context.services.messages, dialog, translated(notSavedMessage));
    return result.saved;
}

} // namespace tincta

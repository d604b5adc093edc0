#pragma once

#include "gui/platform/services.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace tincta {

class SettingsRecord;

// The three palette file choosers. Each starts in the standard folder and answers the full path
// chosen, or an empty text when the user cancelled.
//
// A standard folder that has gone away (a removed drive, a deleted folder) is replaced in memory
// by the default folder, so the dialog never opens somewhere arbitrary; the stored setting is
// left for the options dialog to change.
QString askSaveFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings);
QString askOpenFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings);
QString askNotepadFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings);

// The export and import choosers, with one filter per format, also starting in the standard
// folder.
ChosenFile askExportFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings,
                             const QStringList& filters);
ChosenFile askImportFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings,
                             const QStringList& filters);

} // namespace tincta

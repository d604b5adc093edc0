#include "app/filedialogs.h"

#include "palette/pathhelpers.h"
#include "settings/settingsrecord.h"

#include <QCoreApplication>

namespace tincta {

namespace {

const QString paletteFilter = QStringLiteral("Text Files (*.txt)");
const QString paletteSuffix = QStringLiteral("txt");
const QString saveTitle = QStringLiteral("Save Palette As");
const QString openTitle = QStringLiteral("Open Palette In Tincta");
const QString notepadTitle = QStringLiteral("Open Palette In Notepad");
const char* const exportTitle = QT_TRANSLATE_NOOP("tincta::FileDialogs", "Export Palette");
const char* const importTitle = QT_TRANSLATE_NOOP("tincta::FileDialogs", "Import Palette");

QString translated(const char* text) {
    return QCoreApplication::translate("tincta::FileDialogs", text);
}

const QString& startFolder(SettingsRecord& settings) {
    if (!folderExists(settings.StandardFolder)) {
        settings.findDefaultFolder();
        settings.StandardFolder = settings.defaultFolder;
    }
    return settings.StandardFolder;
}

} // namespace

QString askSaveFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings) {
    const QString folder = startFolder(settings);
    return dialogs.saveFileName(owner, saveTitle, folder, paletteFilter, paletteSuffix);
}

QString askOpenFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings) {
    const QString folder = startFolder(settings);
    return dialogs.openFileName(owner, openTitle, folder, paletteFilter);
}

QString askNotepadFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings) {
    const QString folder = startFolder(settings);
    return dialogs.openFileName(owner, notepadTitle, folder, paletteFilter);
}

ChosenFile askExportFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings,
                             const QStringList& filters) {
    const QString folder = startFolder(settings);
    return dialogs.saveFileOfType(owner, translated(exportTitle), folder, filters);
}

ChosenFile askImportFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings,
                             const QStringList& filters) {
    const QString folder = startFolder(settings);
    return dialogs.openFileOfType(owner, translated(importTitle), folder, filters);
}

} // namespace tincta

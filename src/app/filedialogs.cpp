#include "app/filedialogs.h"

#include "gui/platform/services.h"
#include "gui/widgets/uitext.h"
#include "palette/pathhelpers.h"
#include "settings/settingsrecord.h"

#include <QCoreApplication>

namespace tincta {

namespace {

const UiText paletteFilter{QT_TRANSLATE_NOOP("tincta", "Text Files (*.txt)")};
const QString paletteSuffix = QStringLiteral("txt");
const UiText saveTitle{QT_TRANSLATE_NOOP("tincta", "Save Palette As")};
const UiText openTitle{QT_TRANSLATE_NOOP("tincta", "Open Palette In Tincta")};
const UiText notepadTitle{QT_TRANSLATE_NOOP("tincta", "Open Palette In Notepad")};
const UiText exportTitle{QT_TRANSLATE_NOOP("tincta", "Export Palette")};
const UiText importTitle{QT_TRANSLATE_NOOP("tincta", "Import Palette")};

const QString& startFolder(SettingsRecord& settings) {
    if (!folderExists(settings.standardFolder)) {
        settings.findDefaultFolder();
        settings.standardFolder = settings.defaultFolder;
    }
    return settings.standardFolder;
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
    return dialogs.saveFileOfType(owner, exportTitle, folder, filters);
}

ChosenFile askImportFileName(FileDialogs& dialogs, QWidget* owner, SettingsRecord& settings,
                             const QStringList& filters) {
    const QString folder = startFolder(settings);
    return dialogs.openFileOfType(owner, importTitle, folder, filters);
}

} // namespace tincta

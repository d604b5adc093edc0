#pragma once

#include "app/services.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace tincta {

class ColourMarks;
class SettingsRecord;
struct AppState;
struct MainWindowUi;

// The palette as a document: New, Open, Open In Notepad, Save and Save As, with the question
// whether to save a changed palette first.
class PaletteCommands {
public:
    PaletteCommands(QWidget* window, const MainWindowUi& ui, AppState& state, ColourMarks& marks,
                    SettingsRecord& settings, const Services& services);

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileOpenInNotepad_Click();
    // Both answer whether the palette was written; false after a cancelled dialog or a failure
    // the user has already been told about.
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();

    // "The palette has been changed. Do you want to save it?" with Yes, No and Cancel.
    MessageAnswer askToSave();
    // Asks about a changed palette; true when it may give way: unchanged, saved, or the user
    // chose not to save it. Cancel, a cancelled Save As and a failed save keep it.
    bool mayReplacePalette();

    // Writes the palette to `path` in one piece and makes it the saved state; false when the file
    // could not be written, in which case neither the old file nor the saved state changes.
    bool writePaletteFile(const QString& path);

    bool saveCancelled() const { return m_saveCancelled; }
    bool lastOpenAccepted() const { return m_lastOpenAccepted; }
    const QStringList& fileLines() const { return m_fileLines; }
    // The full path of the file last opened or saved as; empty for a new palette.
    const QString& paletteFilePath() const { return m_paletteFilePath; }

private:
    // Fills fileLines from the file; false when it cannot be read or is too long to be a palette.
    bool readFileLines(const QString& path);
    bool saveTo(const QString& path);

    QWidget* m_window;
    const MainWindowUi& m_ui;
    AppState& m_state;
    ColourMarks& m_marks;
    SettingsRecord& m_settings;
    Services m_services;

    bool m_saveCancelled = false;
    bool m_lastOpenAccepted = false;
    QStringList m_fileLines;
    QString m_paletteFilePath;
};

} // namespace tincta

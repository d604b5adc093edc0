#pragma once

#include "gui/platform/services.h"
#include "palette/palettefile.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace tincta {

class PaletteModel;
class SettingsRecord;

// The palette as a document: New, Open, Open In Notepad, Save and Save As, the question whether
// to save a changed palette first, and the window caption that names the file.
class PaletteDocument : public QObject {
    Q_OBJECT

public:
    PaletteDocument(QWidget* window, PaletteModel& model, SettingsRecord& settings,
                    const Services& services);

    // The built-in palette, as at start-up, without asking anything.
    void showNewPalette();
    void newPalette();
    void openPalette();
    // Opens the palette at `path` as Open does once its dialog has named the file.
    void openFile(const QString& path);
    void openInNotepad();
    // Both answer whether the palette was written; false after a cancelled dialog or a failure
    // the user has already been told about.
    bool save();
    bool saveAs();
    // The save question of a close request, when the setting asks for it; false keeps the
    // window open.
    bool mayClose();

    // The full path of the file last opened or saved as; empty for a new palette.
    const QString& filePath() const { return m_filePath; }

Q_SIGNALS:
    // New or Open has shown another palette.
    void paletteShown();

private:
    // Asks whether to save a changed palette; false when the user cancelled or the save they
    // asked for did not happen, so the command must stop.
    bool saveChangesFirst();
    MessageAnswer askToSave();
    // The bytes of the file, or nothing when it cannot be read or is too long to be a palette.
    std::optional<QStringList> readFileLines(const QString& path);
    bool saveTo(const QString& path);
    // The palette file of the marks as they are, or why Open could not read it back.
    WritablePaletteFile paletteFile() const;
    static QString unwritableText(const UnwritablePalette& unwritable);
    void show(const PaletteMarks& marks, const QString& caption);

    QWidget* m_window;
    PaletteModel& m_model;
    SettingsRecord& m_settings;
    Services m_services;
    QString m_filePath;
};

} // namespace tincta

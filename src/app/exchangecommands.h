#pragma once

#include "gui/platform/services.h"
#include "palette/paletteexchange.h"
#include "palette/palettefile.h"

#include <QList>
#include <QObject>
#include <optional>

class QWidget;

namespace tincta {

class PaletteDocument;
class PaletteModel;
class SettingsRecord;

// Export Palette and Import Palette: the palette to and from the files of other programs (GIMP
// palettes, Adobe and Photoshop swatches, style sheets, design tokens, Android resources). Neither
// touches the palette file: an import is an edit of the marks, which the palette file keeps only
// once saved.
class ExchangeCommands : public QObject {
    Q_OBJECT

public:
    ExchangeCommands(QWidget* window, PaletteModel& model, const PaletteDocument& document,
                     SettingsRecord& settings, const Services& services);

    void exportPalette();
    void importPalette();
    // Export Pins and Import to Pins of the History window, which the messages are modal to: the
    // pins in any export format, and every colour of a file in any import format, names and all.
    void exportPins(ExportedMarks pins, QWidget* owner);
    std::optional<QList<PaletteMark>> importAllColours(QWidget* owner);

private:
    void exportMarks(ExportedMarks marks, const QString& paletteFilePath, QWidget* owner);
    // The file the user chose, read in its format; nothing when cancelled or refused, which is
    // said. The path goes to `path`.
    std::optional<ImportResult> readChosenFile(QWidget* owner, QString& path);
    // One message that names the file and says why; nothing else changes.
    void refuseImport(QWidget* owner, const QString& path, const QString& reason);
    void tellShortenedNames(QWidget* owner, const QString& path, int shortened);
    // A file of six colours fills the six marks; any other asks which colours go where.
    std::optional<ImportChoice> chooseColours(const QList<PaletteMark>& colours);
    void showImported(const QList<PaletteMark>& colours, const ImportChoice& choice);

    QWidget* m_window;
    PaletteModel& m_model;
    const PaletteDocument& m_document;
    SettingsRecord& m_settings;
    Services m_services;
};

} // namespace tincta

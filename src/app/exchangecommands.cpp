#include "app/exchangecommands.h"

#include "app/filedialogs.h"
#include "app/palettedocument.h"
#include "palette/designtokens.h"
#include "palette/exchangeformat.h"
#include "palette/gimppalette.h"
#include "palette/palettemodel.h"
#include "palette/regularfile.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>

namespace tincta {

namespace {

constexpr const char* context = "tincta::ExchangeCommands";

using Format = ExchangeFormat;

struct FormatEntry {
    Format format;
    const char* filter;
    QLatin1StringView suffix;
    bool importable;
};

constexpr std::array<FormatEntry, 3> formats{{
    {Format::Gimp, QT_TRANSLATE_NOOP(context, "GIMP palette (*.gpl)"), QLatin1StringView(".gpl"),
     true},
    {Format::Css, QT_TRANSLATE_NOOP(context, "CSS custom properties (*.css)"),
     QLatin1StringView(".css"), false},
    {Format::Tokens, QT_TRANSLATE_NOOP(context, "Design tokens (*.tokens.json)"),
     QLatin1StringView(".tokens.json"), true},
}};

std::vector<FormatEntry> offered(bool forImport) {
    std::vector<FormatEntry> entries;
    std::copy_if(formats.begin(), formats.end(), std::back_inserter(entries),
                 [forImport](const FormatEntry& entry) { return !forImport || entry.importable; });
    return entries;
}

QStringList filters(const std::vector<FormatEntry>& entries) {
    QStringList list;
    for (const FormatEntry& entry : entries)
        list.append(QCoreApplication::translate(context, entry.filter));
    return list;
}

// The suffix of the path names the format; a name without a known suffix takes the format of the
// filter the user chose it under.
Format formatOf(const ChosenFile& file, const std::vector<FormatEntry>& entries) {
    for (const FormatEntry& entry : entries) {
        if (file.path.endsWith(entry.suffix, Qt::CaseInsensitive))
            return entry.format;
    }
    for (const FormatEntry& entry : entries) {
        if (file.filter == QCoreApplication::translate(context, entry.filter))
            return entry.format;
    }
    return entries.front().format;
}

ImportResult importedMarks(Format format, const QByteArray& bytes) {
    return format == Format::Gimp ? readGimpPalette(bytes) : readDesignTokens(bytes);
}

} // namespace

ExchangeCommands::ExchangeCommands(QWidget* window, PaletteModel& model,
                                   const PaletteDocument& document, SettingsRecord& settings,
                                   const Services& services)
    : QObject(window), m_window(window), m_model(model), m_document(document), m_settings(settings),
      m_services(services) {}

void ExchangeCommands::exportPalette() {
    const std::vector<FormatEntry> entries = offered(false);
    const ChosenFile file =
        askExportFileName(m_services.files, m_window, m_settings, filters(entries));
    if (file.path.isEmpty())
        return;
    const QByteArray bytes =
        exportedPaletteBytes(formatOf(file, entries), m_model.marks(), m_document.filePath());
    if (!writeFileAtomically(file.path, bytes))
        warn(m_services.messages, m_window,
             tr("Could not export the palette to\n\n%1\n\nCheck if file or folder is read-only.")
                 .arg(file.path));
}

void ExchangeCommands::importPalette() {
    const std::vector<FormatEntry> entries = offered(true);
    const ChosenFile file =
        askImportFileName(m_services.files, m_window, m_settings, filters(entries));
    if (file.path.isEmpty())
        return;
    // One byte over the limit is read, so that a longer file is refused rather than cut.
    const std::optional<QByteArray> bytes = readRegularFile(file.path, importMaxBytes + 1);
    if (!bytes) {
        refuseImport(file.path, tr("The file cannot be read."));
        return;
    }
    const ImportResult result = importedMarks(formatOf(file, entries), *bytes);
    if (!result.ok()) {
        refuseImport(file.path, result.failure->text());
        return;
    }
    showImported(result.marks);
}

void ExchangeCommands::refuseImport(const QString& path, const QString& reason) {
    warn(m_services.messages, m_window,
         tr("Could not import the palette from\n\n%1\n\n%2").arg(path, reason));
}

void ExchangeCommands::showImported(const QList<PaletteMark>& marks) {
    const PaletteEdit edit(m_model, EditKind::Import);
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const int mark = static_cast<int>(i);
        // A name box shows the placeholder of a colour without a JavaScript name as unnamed.
        m_model.setName(mark, writtenName(marks[i].name));
        m_model.setColour(mark, marks[i].colour);
    }
    // Selecting the selected mark again shows its new colour in the editor, as a selection does:
    // the name came with the colour, so the colour does not count as an edit of it.
    m_model.select(m_model.selectedMark());
}

} // namespace tincta

#include "app/exchangecommands.h"

#include "app/filedialogs.h"
#include "app/palettedocument.h"
#include "palette/formats/exchangeformat.h"
#include "palette/palettemodel.h"
#include "palette/regularfile.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <iterator>
#include <span>
#include <vector>

namespace tincta {

namespace {

using Row = ExchangeFormatRow;

std::vector<Row> offered(bool forImport) {
    const std::span<const Row> rows = exchangeFormatRows();
    std::vector<Row> offered;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(offered),
                 [forImport](const Row& row) { return !forImport || row.read != nullptr; });
    return offered;
}

QString filterText(const Row& row) {
    return QCoreApplication::translate(exchangeFormatContext, row.filter);
}

QStringList filters(const std::vector<Row>& rows) {
    QStringList list;
    for (const Row& row : rows)
        list.append(filterText(row));
    return list;
}

// The longest suffix the path ends in names the format (".theme.css" before ".css"); a name
// without a known suffix takes the format of the filter the user chose it under.
const Row& formatOf(const ChosenFile& file, const std::vector<Row>& rows) {
    const Row* longest = nullptr;
    for (const Row& row : rows) {
        if (file.path.endsWith(row.suffix, Qt::CaseInsensitive) &&
            (longest == nullptr || row.suffix.size() > longest->suffix.size()))
            longest = &row;
    }
    if (longest != nullptr)
        return *longest;
    for (const Row& row : rows) {
        if (file.filter == filterText(row))
            return row;
    }
    return rows.front();
}

} // namespace

ExchangeCommands::ExchangeCommands(QWidget* window, PaletteModel& model,
                                   const PaletteDocument& document, SettingsRecord& settings,
                                   const Services& services)
    : QObject(window), m_window(window), m_model(model), m_document(document), m_settings(settings),
      m_services(services) {}

void ExchangeCommands::exportPalette() {
    exportMarks(m_model.marks(), m_document.filePath(), m_window);
}

void ExchangeCommands::exportPins(ExportedMarks pins, QWidget* owner) {
    if (pins.empty()) {
        inform(m_services.messages, owner, tr("There are no pinned colours to export."));
        return;
    }
    exportMarks(pins, QString(), owner);
}

void ExchangeCommands::exportMarks(ExportedMarks marks, const QString& paletteFilePath,
                                   QWidget* owner) {
    const std::vector<Row> rows = offered(false);
    const ChosenFile file = askExportFileName(m_services.files, owner, m_settings, filters(rows));
    if (file.path.isEmpty())
        return;
    const QByteArray bytes = formatOf(file, rows).write(marks, paletteFilePath);
    if (!writeFileAtomically(file.path, bytes))
        warn(m_services.messages, owner,
             tr("Could not export the palette to\n\n%1\n\nCheck if file or folder is read-only.")
                 .arg(file.path));
}

void ExchangeCommands::importPalette() {
    QString path;
    const std::optional<ImportResult> result = readChosenFile(m_window, path);
    if (!result)
        return;
    const std::optional<ImportChoice> choice = chooseColours(result->marks);
    if (!choice)
        return;
    showImported(result->marks, *choice);
    tellShortenedNames(m_window, path, result->shortenedAmong(choice->colours));
}

std::optional<QList<PaletteMark>> ExchangeCommands::importAllColours(QWidget* owner) {
    QString path;
    const std::optional<ImportResult> result = readChosenFile(owner, path);
    if (!result)
        return std::nullopt;
    tellShortenedNames(owner, path, static_cast<int>(result->shortened.size()));
    return result->marks;
}

std::optional<ImportResult> ExchangeCommands::readChosenFile(QWidget* owner, QString& path) {
    const std::vector<Row> rows = offered(true);
    const ChosenFile file = askImportFileName(m_services.files, owner, m_settings, filters(rows));
    path = file.path;
    if (file.path.isEmpty())
        return std::nullopt;
    // One byte over the limit is read, so that a longer file is refused rather than cut.
    const std::optional<QByteArray> bytes = readRegularFile(file.path, importMaxBytes + 1);
    if (!bytes) {
        refuseImport(owner, file.path, tr("The file cannot be read."));
        return std::nullopt;
    }
    ImportResult result = formatOf(file, rows).read(*bytes);
    if (!result.ok()) {
        refuseImport(owner, file.path, result.failure->text());
        return std::nullopt;
    }
    return result;
}

std::optional<ImportChoice> ExchangeCommands::chooseColours(const QList<PaletteMark>& colours) {
    if (colours.size() != paletteMarkCount)
        return m_services.importChooser.chooseColours(m_window, colours, m_model.selectedMark());
    ImportChoice all;
    for (qsizetype i = 0; i < paletteMarkCount; ++i)
        all.colours.append(i);
    return all;
}

void ExchangeCommands::tellShortenedNames(QWidget* owner, const QString& path, int shortened) {
    if (shortened > 0)
        inform(m_services.messages, owner,
               tr("The palette was imported from\n\n%1\n\nNames shortened to their first %2 "
                  "characters: %3")
                   .arg(path)
                   .arg(foreignNameMaxCharacters)
                   .arg(shortened));
}

void ExchangeCommands::refuseImport(QWidget* owner, const QString& path, const QString& reason) {
    warn(m_services.messages, owner,
         tr("Could not import the palette from\n\n%1\n\n%2").arg(path, reason));
}

void ExchangeCommands::showImported(const QList<PaletteMark>& colours, const ImportChoice& choice) {
    const PaletteEdit edit(m_model, EditKind::Import);
    const qsizetype taken =
        std::min<qsizetype>(choice.colours.size(), importRoom(choice.firstMark));
    for (qsizetype i = 0; i < taken; ++i) {
        const int mark = choice.firstMark + static_cast<int>(i);
        const PaletteMark& colour = colours[choice.colours[i]];
        // A name box shows the placeholder of a colour without a JavaScript name as unnamed.
        m_model.setName(mark, writtenName(colour.name));
        m_model.setColour(mark, colour.colour);
    }
    // Selecting the selected mark again shows its new colour in the editor, as a selection does:
    // the name came with the colour, so the colour does not count as an edit of it.
    m_model.select(m_model.selectedMark());
}

} // namespace tincta

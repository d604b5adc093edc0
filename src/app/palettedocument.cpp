#include "app/palettedocument.h"

#include "app/filedialogs.h"
#include "palette/palettemodel.h"
#include "palette/pathhelpers.h"
#include "palette/regularfile.h"
#include "settings/settingsrecord.h"

#include <QUrl>
#include <QWidget>

namespace tincta {

namespace {

const QString captionPrefix = QStringLiteral("Tincta - ");
const QString pathSeparator = QStringLiteral("/");

QString fileCaption(const QString& path) {
    return captionPrefix + textAfterLast(path, pathSeparator);
}

} // namespace

PaletteDocument::PaletteDocument(QWidget* window, PaletteModel& model, SettingsRecord& settings,
                                 const Services& services)
    : QObject(window), m_window(window), m_model(model), m_settings(settings),
      m_services(services) {}

MessageAnswer PaletteDocument::askToSave() {
    return m_services.messages.show(
        m_window, Message{messageTitle, tr("The palette has been changed. Do you want to save it?"),
                          MessageIcon::Question, MessageButtons::YesNoCancel, MessageAnswer::Yes});
}

bool PaletteDocument::saveChangesFirst() {
    if (!m_model.isModified())
        return true;
    switch (askToSave()) {
    case MessageAnswer::Yes:
        // A cancelled or failed save leaves the user's palette only in the window: keep it.
        return save();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

bool PaletteDocument::mayClose() {
    return m_settings.promptToSave != 1 || saveChangesFirst();
}

void PaletteDocument::show(const PaletteMarks& marks, const QString& caption) {
    // One repaint for the whole palette instead of one per control.
    m_window->setUpdatesEnabled(false);
    m_model.load(marks);
    m_window->setWindowTitle(caption);
    m_window->setUpdatesEnabled(true);
}

void PaletteDocument::showNewPalette() {
    show(PaletteModel::defaultPalette(), tr("Tincta - New palette"));
    m_filePath.clear();
}

void PaletteDocument::newPalette() {
    if (!saveChangesFirst())
        return;
    showNewPalette();
    Q_EMIT paletteShown();
}

void PaletteDocument::openPalette() {
    if (!saveChangesFirst())
        return;
    const QString path = askOpenFileName(m_services.files, m_window, m_settings);
    if (!path.isEmpty())
        openFile(path);
}

void PaletteDocument::openFile(const QString& path) {
    std::optional<PaletteMarks> marks;
    if (const std::optional<QStringList> lines = readFileLines(path))
        marks = readPaletteFile(*lines);
    if (!marks) {
        warn(m_services.messages, m_window,
             tr("You tried to open the file\r\n\r\n%1\r\n\r\nThis file has not been made in "
                "Tincta and cannot be opened in Tincta")
                 .arg(path));
        return;
    }
    show(*marks, fileCaption(path));
    m_filePath = path;
    Q_EMIT paletteShown();
}

std::optional<QStringList> PaletteDocument::readFileLines(const QString& path) {
    // Anything but a readable regular file (a folder, a missing file, a pipe, a device) is not a
    // palette: it gets the rejection message like any other, and the palette stays open.
    const std::optional<QByteArray> bytes = readRegularFile(path, paletteFileMaxBytes + 1);
    if (!bytes)
        return std::nullopt;
    PaletteFileLines read = paletteFileLines(*bytes);
    if (read.tooLong)
        return std::nullopt;
    return std::move(read.lines);
}

void PaletteDocument::openInNotepad() {
    const QString path = askNotepadFileName(m_services.files, m_window, m_settings);
    if (path.isEmpty())
        return;
    if (!m_services.launcher.openUrl(QUrl::fromLocalFile(path)))
        warn(m_services.messages, m_window, tr("Could not open file in Notepad."));
}

bool PaletteDocument::save() {
    // The folder comes from the path kept at Open or Save As, never from wherever the last file
    // dialog happened to be.
    if (m_filePath.isEmpty())
        return saveAs();
    return saveTo(m_filePath);
}

bool PaletteDocument::saveAs() {
    const QString path = askSaveFileName(m_services.files, m_window, m_settings);
    if (path.isEmpty() || !saveTo(path))
        return false;
    m_window->setWindowTitle(fileCaption(path));
    m_filePath = path;
    return true;
}

// A palette that cannot be written, or a write that fails part-way, leaves both the file and the
// saved state as they were, so the palette still counts as changed.
bool PaletteDocument::saveTo(const QString& path) {
    const WritablePaletteFile file = paletteFile();
    if (file.unwritable) {
        warn(m_services.messages, m_window, unwritableText(*file.unwritable));
        return false;
    }
    if (!writeFileAtomically(path, file.bytes)) {
        warn(m_services.messages, m_window,
             tr("Could not save. Check if file or folder is read-only."));
        return false;
    }
    m_model.markSaved();
    return true;
}

WritablePaletteFile PaletteDocument::paletteFile() const {
    std::array<QString, paletteMarkCount> names;
    std::array<Colour, paletteMarkCount> colours;
    for (int mark = 0; mark < markCount; ++mark) {
        names[static_cast<std::size_t>(mark)] = m_model.name(mark);
        colours[static_cast<std::size_t>(mark)] = m_model.colour(mark);
    }
    return writablePaletteFile(names, colours, m_settings.customFormat);
}

QString PaletteDocument::unwritableText(const UnwritablePalette& unwritable) {
    if (unwritable.reason == UnwritablePalette::Reason::TooLarge)
        return tr("Could not save. The names are too long: the palette file would be larger than "
                  "1 MiB, and Tincta could not open it again.");
    return tr("Could not save. The name of colour mark %1 holds a line break or half of a "
              "character, and Tincta could not open the file again.")
        .arg(unwritable.mark + 1);
}

} // namespace tincta

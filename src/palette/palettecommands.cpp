#include "palette/palettecommands.h"

#include "app/appstate.h"
#include "app/mainwindowui.h"
#include "editing/namebox.h"
#include "editing/trackedlineedit.h"
#include "palette/colourmarks.h"
#include "palette/filedialogs.h"
#include "palette/palettefile.h"
#include "palette/pathhelpers.h"
#include "palette/regularfile.h"
#include "settings/settingsrecord.h"

#include <QSaveFile>
#include <QScrollBar>
#include <QUrl>

namespace tincta {

namespace {

const QString captionPrefix = QStringLiteral("Tincta - ");
const QString newPaletteCaption = QStringLiteral("Tincta - New palette");
const QString pathSeparator = QStringLiteral("/");
const QString saveQuestion =
    QStringLiteral("The palette has been changed. Do you want to save it?");
const QString couldNotSave =
    QStringLiteral("Could not save. Check if file or folder is read-only.");
const QString couldNotOpenInNotepad = QStringLiteral("Could not open file in Notepad.");
const QString rejectedBefore = QStringLiteral("You tried to open the file\r\n\r\n");
const QString rejectedAfter =
    QStringLiteral("\r\n\r\nThis file has not been made in Tincta and cannot be opened in Tincta");

QString fileCaption(const QString& path) {
    return captionPrefix + textAfterLast(path, pathSeparator);
}

} // namespace

PaletteCommands::PaletteCommands(QWidget* window, const MainWindowUi& ui, AppState& state,
                                 ColourMarks& marks, SettingsRecord& settings,
                                 const Services& services)
    : m_window(window), m_ui(ui), m_state(state), m_marks(marks), m_settings(settings),
      m_services(services) {}

MessageAnswer PaletteCommands::askToSave() {
    return m_services.messages.show(m_window,
                                    Message{messageTitle, saveQuestion, MessageIcon::Question,
                                            MessageButtons::YesNoCancel, MessageAnswer::Yes});
}

bool PaletteCommands::mayReplacePalette() {
    if (!m_marks.paletteChanged())
        return true;
    switch (askToSave()) {
    case MessageAnswer::Yes:
        // A cancelled or failed save leaves the user's palette only in the window: keep it.
        return mnuFileSave_Click();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void PaletteCommands::mnuFileNew_Click() {
    m_saveCancelled = false;
    if (!mayReplacePalette())
        return;
    m_marks.loadDefaultPalette();
    freezeWindow(m_window);
    m_marks.applyFilePalette(newPaletteCaption);
    m_paletteFilePath.clear();
    m_ui.hsbRed->setFocus();
}

void PaletteCommands::mnuFileOpen_Click() {
    m_saveCancelled = false;
    if (!mayReplacePalette())
        return;
    const QString path = askOpenFileName(m_services.files, m_window, m_settings);
    if (path.isEmpty())
        return;

    std::optional<PaletteMarks> marks;
    if (readFileLines(path))
        marks = readPaletteFile(m_fileLines);
    m_lastOpenAccepted = marks.has_value();
    if (!marks) {
        warn(m_services.messages, m_window, rejectedBefore + path + rejectedAfter);
        return;
    }
    for (int i = 0; i < markCount; ++i) {
        const auto mark = static_cast<std::size_t>(i);
        m_state.fileName[mark] = (*marks)[mark].name;
        m_state.fileColour[mark] = (*marks)[mark].colour;
    }
    m_marks.applyFilePalette(fileCaption(path));
    m_paletteFilePath = path;
    m_ui.hsbRed->setFocus();
}

bool PaletteCommands::readFileLines(const QString& path) {
    m_fileLines.clear();
    // Anything but a readable regular file (a folder, a missing file, a pipe, a device) is not a
    // palette: it gets the rejection message like any other, and the palette stays open.
    const std::optional<QByteArray> bytes = readRegularFile(path, paletteFileMaxBytes + 1);
    if (!bytes)
        return false;
    PaletteFileLines read = paletteFileLines(*bytes);
    if (read.tooLong)
        return false;
    m_fileLines = std::move(read.lines);
    return true;
}

void PaletteCommands::mnuFileOpenInNotepad_Click() {
    const QString path = askNotepadFileName(m_services.files, m_window, m_settings);
    if (path.isEmpty())
        return;
    if (!m_services.launcher.openUrl(QUrl::fromLocalFile(path)))
        warn(m_services.messages, m_window, couldNotOpenInNotepad);
}

bool PaletteCommands::mnuFileSave_Click() {
    // The folder comes from the path kept at Open or Save As, never from wherever the last file
    // dialog happened to be.
    if (m_paletteFilePath.isEmpty())
        return mnuFileSaveAs_Click();
    return saveTo(m_paletteFilePath);
}

bool PaletteCommands::mnuFileSaveAs_Click() {
    const QString path = askSaveFileName(m_services.files, m_window, m_settings);
    if (path.isEmpty()) {
        m_saveCancelled = true;
        return false;
    }
    if (!saveTo(path))
        return false;
    m_window->setWindowTitle(fileCaption(path));
    m_paletteFilePath = path;
    return true;
}

bool PaletteCommands::saveTo(const QString& path) {
    if (writePaletteFile(path))
        return true;
    warn(m_services.messages, m_window, couldNotSave);
    return false;
}

bool PaletteCommands::writePaletteFile(const QString& path) {
    std::array<QString, paletteMarkCount> names;
    for (int i = 0; i < markCount; ++i) {
        const auto mark = static_cast<std::size_t>(i);
        names[mark] = m_ui.txtName[mark]->text();
    }
    const QByteArray bytes = paletteFileBytes(names, m_state.markColour, m_settings.CustomFormat);

    // The old file is replaced only once the new one is complete, so a failure part-way leaves
    // both the file and the saved state as they were and the palette still counts as changed.
    // Unbuffered, because a buffered write that the disk cuts short (full, over quota) is
    // otherwise committed as if whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || !file.commit())
        return false;

    for (int i = 0; i < markCount; ++i) {
        const auto mark = static_cast<std::size_t>(i);
        m_state.savedName[mark] = writtenName(names[mark]);
        m_state.savedColour[mark] = m_state.markColour[mark];
    }
    for (TrackedLineEdit* name : m_ui.txtName)
        setNameBoxBackground(name, plainNameColour);
    return true;
}

} // namespace tincta

#include "historywindow/colourhistory.h"

#include "gui/platform/services.h"
#include "gui/widgets/sidewindow.h"
#include "gui/widgets/windowplacement.h"
#include "historywindow/historywindow.h"
#include "palette/palettefile.h"

namespace tincta {

ColourHistory::ColourHistory(QWidget* mainWindow, MessageBoxes& messages, const QString& filePath)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_messages(messages), m_filePath(filePath) {}

ColourHistory::~ColourHistory() {
    // The window asks this history for its entries; it must not outlive it.
    delete m_window.data();
}

HistoryStore& ColourHistory::store() {
    if (!m_store)
        m_store = std::make_unique<HistoryStore>(m_filePath);
    return *m_store;
}

HistoryWindow* ColourHistory::window() const {
    return m_window;
}

QWidget* ColourHistory::messageParent() const {
    if (!m_window.isNull() && m_window->isVisible())
        return m_window;
    return m_mainWindow;
}

void ColourHistory::finish(bool written) {
    const StoreReport report = store().takeReport();
    if (!report.damagedStoreKeptAs.empty())
        inform(m_messages, messageParent(),
               tr("The colour history was damaged and a new one has been started. The damaged "
                  "file was kept as %1.")
                   .arg(QString::fromStdString(report.damagedStoreKeptAs)));
    if (report.unusable && !m_failureTold) {
        m_failureTold = true;
        warn(m_messages, messageParent(),
             tr("The colour history could not be read or saved. Check that the file %1 is not "
                "locked or read-only; colours used until then may be missing from it.")
                 .arg(m_filePath));
    }
    if (written)
        Q_EMIT changed();
}

void ColourHistory::record(const Colour& colour, const QString& text) {
    finish(store().record(colour, text, QDateTime::currentDateTimeUtc()));
}

QList<HistoryEntry> ColourHistory::entries() {
    std::optional<QList<HistoryEntry>> read = store().entries();
    finish(false);
    return read.value_or(QList<HistoryEntry>());
}

QList<PaletteMark> ColourHistory::pins() {
    QList<PaletteMark> pins;
    for (const HistoryEntry& entry : entries()) {
        if (entry.pinned)
            pins.append(
                {entry.name.isEmpty() ? QString(typeAColourName) : entry.name, entry.colour});
    }
    return pins;
}

void ColourHistory::setPinned(const Colour& colour, bool pinned) {
    finish(store().setPinned(colour, pinned));
}

void ColourHistory::setName(const Colour& colour, const QString& name) {
    finish(store().setName(colour, name));
}

void ColourHistory::remove(const Colour& colour) {
    finish(store().remove(colour));
}

void ColourHistory::clear() {
    const MessageAnswer answer = m_messages.show(
        messageParent(),
        Message{messageTitle,
                tr("Remove every colour from the history that is not pinned? Pinned colours "
                   "stay."),
                MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No});
    if (answer == MessageAnswer::Yes)
        finish(store().clearUnpinned());
}

void ColourHistory::addPins(const QList<PaletteMark>& colours) {
    finish(store().addPins(colours, QDateTime::currentDateTimeUtc()));
}

void ColourHistory::open() {
    // A window closed a moment ago is on its way out: a new one takes its place.
    if (m_window.isNull() || !m_window->isVisible()) {
        auto* window = new HistoryWindow(*this);
        waitWithMainWindow(window, m_mainWindow);
        window->fitScreen();
        placeBeside(window, m_mainWindow, Placement::Right);
        m_window = window;
    }
    bringForward(m_window);
}

} // namespace tincta

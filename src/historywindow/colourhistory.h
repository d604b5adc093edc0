#pragma once

#include "history/historystore.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QWidget;

namespace tincta {

class HistoryWindow;
class MessageBoxes;

// The colour history of the program: what it records, the History window (one at most, beside
// the main window) and what the user does there. The file is opened on first use, never while
// the program starts. A write that fails is said once a run; the entry is then missing, and
// nothing already kept is lost.
class ColourHistory : public QObject {
    Q_OBJECT

public:
    ColourHistory(QWidget* mainWindow, MessageBoxes& messages,
                  const QString& filePath = HistoryStore::defaultFilePath());
    ~ColourHistory() override;

    void record(const Colour& colour, const QString& text);
    // An open window is only brought forward.
    void open();
    // The open window, or nullptr.
    HistoryWindow* window() const;

    // Pinned entries first, then the others newest first; empty when the file cannot be read.
    QList<HistoryEntry> entries();
    // The pinned entries in their order, as a palette of any size: an entry without a name as
    // an unnamed mark.
    QList<PaletteMark> pins();
    void setPinned(const Colour& colour, bool pinned);
    void setName(const Colour& colour, const QString& name);
    void remove(const Colour& colour);
    // Asks first; the pins stay.
    void clear();
    void addPins(const QList<PaletteMark>& colours);

    // The window that says what went wrong: the History window while it is shown.
    QWidget* messageParent() const;

Q_SIGNALS:
    // The history was written to by this copy of the program.
    void changed();
    // The user chose a colour of the history for the selected mark.
    void colourChosen(tincta::Colour colour);
    void exportPinsRequested();
    void importPinsRequested();

private:
    HistoryStore& store();
    // Tells what the calls met, then tells the window about a change that was made.
    void finish(bool written);

    QWidget* m_mainWindow;
    MessageBoxes& m_messages;
    QString m_filePath;
    std::unique_ptr<HistoryStore> m_store;
    QPointer<HistoryWindow> m_window;
    bool m_failureTold = false;
};

} // namespace tincta

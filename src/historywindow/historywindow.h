#pragma once

#include "colour/colour.h"

#include <QWidget>
#include <optional>

class QLineEdit;
class QListView;
class QPushButton;

namespace tincta {

class ColourHistory;
class HistoryList;
struct HistoryEntry;

// The History window: the colours of the history with a filter above them. Enter or a double
// click puts the current entry's colour into the selected mark, a drag carries it anywhere; P
// pins or unpins it, F2 names a pinned one, Delete removes it. It reads the history again
// whenever it is shown or activated, so entries another running copy added show up.
class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    // Names typed in the list are cut here; a longer name from an imported file stays whole.
    static constexpr int nameTypingLimit = 64;

    explicit HistoryWindow(ColourHistory& history);

    // Reads the history and shows it, keeping the current entry where it still is.
    void reload();
    // A size that shows a good number of entries, within the screen.
    void fitScreen();

protected:
    bool event(QEvent* event) override;

private:
    QWidget* buildButtons();
    void addListKey(const QKeySequence& key, void (HistoryWindow::*handler)());
    std::optional<HistoryEntry> currentEntry() const;
    void showCurrent(std::optional<Colour> colour);
    void updateButtons();
    void applyCurrent();
    void togglePin();
    void nameCurrent();
    void removeCurrent();

    ColourHistory& m_history;
    HistoryList* m_list;
    QLineEdit* m_filter;
    QListView* m_view;
    QPushButton* m_pin;
    QPushButton* m_name;
    QPushButton* m_remove;
};

} // namespace tincta

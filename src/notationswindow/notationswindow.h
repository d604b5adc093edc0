#pragma once

#include "colour/notation.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace tincta {

class PaletteModel;
class SettingsRecord;

// What the notations of the selected mark's colour read: every one for the window, and the
// starred ones for Ctrl+1 to Ctrl+9.
class NotationTexts {
public:
    NotationTexts(const PaletteModel& palette, const SettingsRecord& settings);

    NotationSource source() const;
    // The text that goes to the clipboard.
    QString text(Notation notation) const;
    const std::vector<int>& starredRows() const;
    // The starred notation at `position` (from 0), or nullopt past the last one.
    std::optional<Notation> starred(int position) const;

private:
    const PaletteModel& m_palette;
    const SettingsRecord& m_settings;
};

// The All Notations window: one row per notation with the selected mark's colour in it, following
// every change; Enter or a click copies a row, and a star per row marks the notations that
// Ctrl+1 to Ctrl+9 copy.
class NotationsWindow : public QWidget {
    Q_OBJECT

public:
    NotationsWindow(const PaletteModel& palette, const SettingsRecord& settings);

    // Every row whole, and no larger than the screen allows.
    QSize preferredSize() const;

Q_SIGNALS:
    void copyRequested(const QString& text);
    // The starred notations (list rows), in list order.
    void starsChanged(const std::vector<int>& notations);

private:
    void buildRows();
    void refresh();
    void copyRow(const QTreeWidgetItem* item);
    void onItemChanged(int column);

    const PaletteModel& m_palette;
    NotationTexts m_texts;
    QTreeWidget* m_rows;
    QLabel* m_copied;
    bool m_refreshing = false;
};

// Opens the All Notations window beside the main window, one at most, and gives the main window
// and the window Ctrl+1 to Ctrl+9.
class AllNotations : public QObject {
    Q_OBJECT

public:
    AllNotations(QWidget* mainWindow, const PaletteModel& palette, const SettingsRecord& settings);
    ~AllNotations() override;

    // An open window is only brought forward.
    void open();
    NotationsWindow* window() const { return m_window; }

Q_SIGNALS:
    void copyRequested(const QString& text);
    void starsChanged(const std::vector<int>& notations);

private:
    // Ctrl+1 to Ctrl+9 in `window` copy the starred notations in order.
    void addStarredShortcuts(QWidget* window);
    void copyStarred(int position);

    QWidget* m_mainWindow;
    const PaletteModel& m_palette;
    const SettingsRecord& m_settings;
    NotationTexts m_texts;
    QPointer<NotationsWindow> m_window;
};

} // namespace tincta

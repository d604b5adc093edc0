#pragma once

#include "colour/colour.h"

#include <QPointer>
#include <QWidget>

class QTabWidget;

namespace tincta {

class ColourVisionPanel;
class ContrastSuggestions;
class ContrastTable;
class PaletteModel;
class ScalePanel;

// The Colour Check window: how well the marks contrast with each other as text and background,
// with the nearest passing colours for the current pair; which of them viewers with a colour
// vision deficiency may take for one another; and tints, shades and harmonies of the selected
// mark. It follows every change of the palette as it happens, and changes a mark only by asking.
class ColourCheckWindow : public QWidget {
    Q_OBJECT

public:
    explicit ColourCheckWindow(const PaletteModel& palette);

    // Large enough to show every page whole, and no larger than the screen allows.
    QSize preferredSize() const;

Q_SIGNALS:
    // The user chose a colour for a mark: a suggestion, a step of the scale or a harmony (these
    // two for the selected mark).
    void colourChosen(int mark, tincta::Colour colour);
    // Ctrl+C on a swatch.
    void copyRequested(tincta::Colour colour);

private:
    QWidget* contrastPage();
    void refresh();
    void showSuggestions();

    const PaletteModel& m_palette;
    QTabWidget* m_tabs;
    ContrastTable* m_table;
    ContrastSuggestions* m_suggestions;
    ColourVisionPanel* m_vision;
    ScalePanel* m_scale;
};

// Opens the Colour Check window beside the main window, one at most; it closes with the main
// window and never outlives the palette it shows.
class ColourCheck : public QObject {
    Q_OBJECT

public:
    ColourCheck(QWidget* mainWindow, const PaletteModel& palette);
    ~ColourCheck() override;

    // An open window is only brought forward.
    void open();
    // The open window, or nullptr.
    ColourCheckWindow* window() const { return m_window; }

Q_SIGNALS:
    void colourChosen(int mark, tincta::Colour colour);
    void copyRequested(tincta::Colour colour);

private:
    QSize fittedBeside(QSize preferred, QSize smallest) const;

    QWidget* m_mainWindow;
    const PaletteModel& m_palette;
    QPointer<ColourCheckWindow> m_window;
};

} // namespace tincta

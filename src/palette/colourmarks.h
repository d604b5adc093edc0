#pragma once

#include "app/appstate.h"

class QWidget;

namespace tincta {

class SelectedColour;
struct MainWindowUi;

// The six colour marks: showing a palette, selection, the name boxes, change detection, and
// copying a colour from one mark to another.
class ColourMarks {
public:
    ColourMarks(QWidget* window, MainWindowUi& ui, AppState& state, SelectedColour& selected);

    // Stages the built-in palette: six unnamed marks in red, yellow, green, cyan, blue, magenta.
    void loadDefaultPalette();
    // Shows the staged palette, makes it the saved state and sets the window caption.
    void applyFilePalette(const QString& caption);
    // Whether the marks differ from the palette last loaded or saved.
    bool paletteChanged() const;

    void optColor_Click(int index);
    void txtName_Change(int index);
    void txtName_Click(int index);
    void txtName_DblClick(int index);
    void txtName_GotFocus(int index, bool byTab);
    void txtName_LostFocus(int index);
    void mnuEditCopyColor_Click();
    void mnuEditPasteColor_Click();

private:
    // Only the selected mark's sample can start a screen pick.
    void enableSelectedSample();

    QWidget* m_window;
    MainWindowUi& m_ui;
    AppState& m_state;
    SelectedColour& m_selected;
};

// Stop and resume the redrawing of a window while many controls change.
void freezeWindow(QWidget* window);
void unfreezeWindow(QWidget* window);

} // namespace tincta

#pragma once

#include "app/appstate.h"

class QWidget;

namespace tincta {

class Autocopy;
class MessageBoxes;
struct MainWindowUi;

// What the palette's colours are in web terms: the properties of the selected colour, naming
// every mark after its JavaScript colour, and the mode that copies JavaScript names instead of a
// notation.
class ColourProperties {
public:
    ColourProperties(QWidget* window, MainWindowUi& ui, AppState& state, Autocopy& autocopy,
                     MessageBoxes& messages);

    // Describes the selected colour; offers its JavaScript name when the mark is named otherwise.
    void mnuEditColorProperties_Click();
    // Names every mark after its JavaScript colour, or "Not JavaScript colour".
    void mnuEditFind_Click();
    // Acts on the menu item's check mark, which the click has already flipped.
    void mnuEditCopyJavaScriptNames_Click();

private:
    QWidget* m_window;
    MainWindowUi& m_ui;
    AppState& m_state;
    Autocopy& m_autocopy;
    MessageBoxes& m_messages;
};

} // namespace tincta

#pragma once

#include "app/appstate.h"

namespace tincta {

class Autocopy;
struct MainWindowUi;

// The sliders are the single source of the selected colour; this keeps every display of it up
// to date and turns colour bar clicks into slider positions.
class SelectedColour {
public:
    SelectedColour(MainWindowUi& ui, AppState& state, Autocopy& autocopy);

    // Brings the selected sample, the mark's colour, the value fields, the colour bar and the
    // notation up to date, and marks a named colour as edited where that applies.
    void refreshSelectedColour(int red, int green, int blue);

    // Every change of a slider's position, by the user or by code.
    void slider_Change();
    void lblColorBar_Click(int index);
    // The user or code chose a notation in the list.
    void lstAutocopy_Click();

    // The slider positions as a colour.
    Colour sliderColour() const;
    // Moves the sliders red, green, blue in that order; each real change refreshes.
    void setSliders(const Colour& colour);
    // Refreshes with the current slider positions.
    void refreshFromSliders();

private:
    void writeValueFields(const Colour& colour);
    void fillColourBar(const Colour& colour);
    void markNameEdited();

    MainWindowUi& m_ui;
    AppState& m_state;
    Autocopy& m_autocopy;
};

} // namespace tincta

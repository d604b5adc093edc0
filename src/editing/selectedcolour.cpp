#include "editing/selectedcolour.h"

#include "app/mainwindowui.h"
#include "colour/colourtables.h"
#include "editing/autocopy.h"
#include "editing/colourbox.h"
#include "editing/namebox.h"
#include "editing/trackedlineedit.h"
#include "palettewindows/swatchgrid.h"

#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

namespace tincta {

SelectedColour::SelectedColour(MainWindowUi& ui, AppState& state, Autocopy& autocopy)
    : m_ui(ui), m_state(state), m_autocopy(autocopy) {}

Colour SelectedColour::sliderColour() const {
    return Colour{m_ui.hsbRed->value(), m_ui.hsbGreen->value(), m_ui.hsbBlue->value()};
}

void SelectedColour::setSliders(const Colour& colour) {
    m_ui.hsbRed->setValue(colour.red);
    m_ui.hsbGreen->setValue(colour.green);
    m_ui.hsbBlue->setValue(colour.blue);
}

void SelectedColour::refreshFromSliders() {
    const Colour colour = sliderColour();
    refreshSelectedColour(colour.red, colour.green, colour.blue);
}

void SelectedColour::slider_Change() {
    m_state.ticksSinceChange = 0;
    if (m_state.slidersLive)
        refreshFromSliders();
}

void SelectedColour::lblColorBar_Click(int index) {
    // Read the whole shade first: the first slider move recomputes the bar.
    const Colour shade = m_state.colourBar[static_cast<std::size_t>(index)];
    setSliders(shade);
}

void SelectedColour::lstAutocopy_Click() {
    m_state.editsTracked = false;
    refreshFromSliders();
    m_state.editsTracked = true;
}

void SelectedColour::refreshSelectedColour(int red, int green, int blue) {
    const Colour colour{red, green, blue};
    const auto mark = static_cast<std::size_t>(m_state.selectedMark);
    m_ui.picSample[mark]->setColour(pack(colour));
    m_state.markColour[mark] = colour;
    writeValueFields(colour);
    fillColourBar(colour);
    m_autocopy.renderNotation(red, green, blue);
    markNameEdited();
}

void SelectedColour::writeValueFields(const Colour& colour) {
    if (m_ui.optSetDec->isChecked()) {
        m_ui.txtSetRed->setText(QString::number(colour.red));
        m_ui.txtSetGreen->setText(QString::number(colour.green));
        m_ui.txtSetBlue->setText(QString::number(colour.blue));
        return;
    }
    const auto& hex = colourTables().hexBytes;
    m_ui.txtSetRed->setText(hex[static_cast<std::size_t>(colour.red)]);
    m_ui.txtSetGreen->setText(hex[static_cast<std::size_t>(colour.green)]);
    m_ui.txtSetBlue->setText(hex[static_cast<std::size_t>(colour.blue)]);
}

void SelectedColour::fillColourBar(const Colour& colour) {
    // Cell i lifts every channel by i from the colour with its smallest channel brought to 0, so
    // cell m is the colour itself and cell 255 is always white.
    const int lowest = std::min({colour.red, colour.green, colour.blue});
    std::array<PackedColour, 256> cells{};
    for (int i = 0; i < 256; ++i) {
        const Colour shade{std::min(colour.red - lowest + i, 255),
                           std::min(colour.green - lowest + i, 255),
                           std::min(colour.blue - lowest + i, 255)};
        m_state.colourBar[static_cast<std::size_t>(i)] = shade;
        cells[static_cast<std::size_t>(i)] = pack(shade);
    }
    m_ui.lblColorBar->setCellColours(cells);
}

void SelectedColour::markNameEdited() {
    TrackedLineEdit* box = m_ui.txtName[static_cast<std::size_t>(m_state.selectedMark)];
    if (!m_state.editsTracked || box->text() == typeAColourName || isMarkedEdited(box))
        return;
    if (box->text() != notJavaScriptColour)
        setNameBoxBackground(box, editedNameColour);
    for (TrackedLineEdit* name : m_ui.txtName) {
        if (name->text() == notJavaScriptColour)
            name->setText(typeAColourName);
    }
}

} // namespace tincta

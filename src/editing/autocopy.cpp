#include "editing/autocopy.h"

#include "app/mainwindowui.h"
#include "colour/colourtables.h"
#include "colour/notation.h"
#include "editing/colourbox.h"
#include "settings/settingsrecord.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>

namespace tincta {

Autocopy::Autocopy(MainWindowUi& ui, AppState& state, const SettingsRecord& settings)
    : m_ui(ui), m_state(state), m_settings(settings) {}

void Autocopy::renderNotation(int red, int green, int blue) {
    const Colour colour{red, green, blue};
    if (m_state.javaScriptNamesMode) {
        m_ui.lblClipboard->setText(javaScriptName(pack(colour)));
    } else if (const auto text =
                   notationText(m_ui.lstAutocopy->currentRow(), colour, m_settings.CustomFormat)) {
        m_ui.lblClipboard->setText(*text);
    }
    m_state.ticksSinceChange = 0;
}

void Autocopy::tmrClip_Timer() {
    ++m_state.ticksSinceChange;
    if (m_state.ticksSinceChange == ticksBeforeCopy) {
        updatePropertyLetters(m_ui);
        copyToClipboard();
    }
    if (m_state.ticksSinceChange > tickWrapLimit)
        m_state.ticksSinceChange = 0;
}

void Autocopy::copyToClipboard() {
    // A clipboard that cannot be written is left alone; the next change tries again.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    clipboard->clear();
    clipboard->setText(m_ui.lblClipboard->text());
}

void updatePropertyLetters(MainWindowUi& ui) {
    for (int i = 0; i < markCount; ++i) {
        const auto mark = static_cast<std::size_t>(i);
        ui.lblColorProp[mark]->setText(propertyLetters(ui.picSample[mark]->colour()));
    }
}

} // namespace tincta

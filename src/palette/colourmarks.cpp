#include "palette/colourmarks.h"

#include "app/mainwindowui.h"
#include "editing/autocopy.h"
#include "editing/colourbox.h"
#include "editing/namebox.h"
#include "editing/selectedcolour.h"
#include "editing/trackedlineedit.h"

#include <QAction>
#include <QRadioButton>

namespace tincta {

namespace {

constexpr std::array<Colour, markCount> defaultPalette{{
    {255, 0, 0},
    {255, 255, 0},
    {0, 255, 0},
    {0, 255, 255},
    {0, 0, 255},
    {255, 0, 255},
}};

bool isPlaceholderPair(const QString& saved, const QString& shown) {
    return (saved == notJavaScriptColour && shown == typeAColourName) ||
           (saved == typeAColourName && shown == notJavaScriptColour);
}

} // namespace

void freezeWindow(QWidget* window) {
    window->setUpdatesEnabled(false);
}

void unfreezeWindow(QWidget* window) {
    window->setUpdatesEnabled(true);
}

ColourMarks::ColourMarks(QWidget* window, MainWindowUi& ui, AppState& state,
                         SelectedColour& selected)
    : m_window(window), m_ui(ui), m_state(state), m_selected(selected) {}

void ColourMarks::loadDefaultPalette() {
    m_state.fileName.fill(typeAColourName);
    m_state.fileColour = defaultPalette;
}

void ColourMarks::applyFilePalette(const QString& caption) {
    m_state.slidersLive = false;
    m_state.editsTracked = false;
    for (int i = markCount - 1; i >= 0; --i) {
        const auto mark = static_cast<std::size_t>(i);
        m_ui.picSample[mark]->setColour(pack(m_state.fileColour[mark]));
        m_ui.txtName[mark]->setText(m_state.fileName[mark]);
        m_state.savedName[mark] = m_state.fileName[mark];
        m_state.markColour[mark] = m_state.fileColour[mark];
        m_state.savedColour[mark] = m_state.fileColour[mark];
    }
    const Colour first = m_state.fileColour[0];
    m_selected.setSliders(first);
    m_ui.optColor[0]->setChecked(true);
    m_state.selectedMark = 0;
    m_selected.refreshSelectedColour(first.red, first.green, first.blue);
    updatePropertyLetters(m_ui);
    for (TrackedLineEdit* name : m_ui.txtName)
        setNameBoxBackground(name, plainNameColour);
    m_window->setWindowTitle(caption);
    m_ui.optSetDec->setChecked(true);
    unfreezeWindow(m_window);
    enableSelectedSample();
    m_state.slidersLive = true;
    m_state.editsTracked = true;
    m_state.ticksSinceChange = 0;
}

bool ColourMarks::paletteChanged() const {
    for (int i = 0; i < markCount; ++i) {
        const auto mark = static_cast<std::size_t>(i);
        if (m_state.savedColour[mark] != m_state.markColour[mark])
            return true;
        const QString shown = m_ui.txtName[mark]->text();
        const QString& saved = m_state.savedName[mark];
        if (shown != saved && !isPlaceholderPair(saved, shown))
            return true;
    }
    return false;
}

void ColourMarks::enableSelectedSample() {
    for (int i = 0; i < markCount; ++i) {
        ColourBox* sample = m_ui.picSample[static_cast<std::size_t>(i)];
        const bool selected = i == m_state.selectedMark;
        sample->setEnabled(selected);
        sample->setToolTip(selected ? pickFromSampleToolTip : QString());
    }
}

void ColourMarks::optColor_Click(int index) {
    m_state.slidersLive = false;
    m_state.editsTracked = false;
    m_state.selectedMark = index;
    m_selected.setSliders(m_state.markColour[static_cast<std::size_t>(index)]);
    enableSelectedSample();
    m_state.slidersLive = true;
    m_selected.refreshFromSliders();
    m_state.editsTracked = true;
}

void ColourMarks::txtName_Change(int index) {
    TrackedLineEdit* box = m_ui.txtName[static_cast<std::size_t>(index)];
    setNameBoxBackground(box, plainNameColour);
    if (m_state.namesBeingSet)
        return;
    if (box->text() == notJavaScriptColour)
        box->setText(typeAColourName);
    box->setCursorPosition(static_cast<int>(box->text().size()));
}

void ColourMarks::txtName_Click(int index) {
    if (m_state.selectNameOnClick)
        m_ui.txtName[static_cast<std::size_t>(index)]->selectAll();
    m_state.selectNameOnClick = false;
}

void ColourMarks::txtName_DblClick(int index) {
    m_ui.txtName[static_cast<std::size_t>(index)]->selectAll();
}

void ColourMarks::txtName_GotFocus(int index, bool byTab) {
    if (byTab)
        m_ui.txtName[static_cast<std::size_t>(index)]->selectAll();
}

void ColourMarks::txtName_LostFocus(int) {
    m_state.selectNameOnClick = true;
}

void ColourMarks::mnuEditCopyColor_Click() {
    m_state.copiedColour = m_state.markColour[static_cast<std::size_t>(m_state.selectedMark)];
    m_ui.mnuEditPasteColor->setEnabled(true);
    QAction* pasteButton = m_ui.toolbarButton(7);
    pasteButton->setEnabled(true);
    pasteButton->setToolTip(pasteColorToolTip);
}

void ColourMarks::mnuEditPasteColor_Click() {
    m_selected.setSliders(m_state.copiedColour);
}

} // namespace tincta

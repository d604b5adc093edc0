#include "editing/pickmode.h"

#include "app/mainwindowui.h"
#include "editing/colourbox.h"
#include "editing/selectedcolour.h"

#include <QAction>
#include <QGuiApplication>
#include <QScrollBar>
#include <QShortcut>
#include <QWidget>

namespace tincta {

namespace {

const QString pressF7ToolTip = QStringLiteral("Press F7 to enable");
constexpr int openPalettePosition = 2;
constexpr int openInNotepadPosition = 3;

} // namespace

PickMode::PickMode(QWidget* window, MainWindowUi& ui, SelectedColour& selected,
                   std::unique_ptr<ScreenPixelReader> reader)
    : m_window(window), m_ui(ui), m_selected(selected), m_reader(std::move(reader)),
      m_cancelShortcut(new QShortcut(QKeySequence(Qt::Key_Escape), window)) {
    m_cancelShortcut->setEnabled(false);
    // The preview takes the sliders' place; the window must not reflow under the pointer while
    // they are hidden.
    for (QWidget* control : sliderControls()) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
}

PickMode::~PickMode() {
    if (dragging())
        endDrag();
}

bool PickMode::pickModeOn() const {
    return m_ui.mnuToolsColourPickMode->isChecked();
}

void PickMode::setScreenPixelReader(std::unique_ptr<ScreenPixelReader> reader) {
    m_reader = std::move(reader);
}

void PickMode::mnuToolsColourPickMode_Click() {
    const bool on = pickModeOn();
    // F7 still works while the mouse is held by a drag; turning the mode off then would leave the
    // grab on a disabled sample that never sees the release, so the drag is abandoned first.
    if (!on && dragging())
        endDrag();
    m_ui.picSampleContainer->setEnabled(on);
    m_ui.mnuFileOpen->setEnabled(!on);
    m_ui.mnuFileOpenInNotepad->setEnabled(!on);
    QAction* openButton = m_ui.toolbarButton(openPalettePosition);
    QAction* notepadButton = m_ui.toolbarButton(openInNotepadPosition);
    openButton->setEnabled(!on);
    notepadButton->setEnabled(!on);
    openButton->setToolTip(on ? pressF7ToolTip : openPaletteToolTip);
    notepadButton->setToolTip(on ? pressF7ToolTip : openInNotepadToolTip);
}

void PickMode::picSample_MouseDown(int index, Qt::MouseButton button) {
    if (button != Qt::LeftButton || dragging())
        return;
    m_dragSample = index;
    m_window->setCursor(Qt::CrossCursor);
    // While the mouse is held, other programs' windows show the holder's pointer: the cross-hair.
    m_ui.picSample[static_cast<std::size_t>(index)]->grabMouse();
    showSliders(false);
    m_ui.picPick->show();
    m_cancelShortcut->setEnabled(true);
}

void PickMode::picSample_MouseMove(int, Qt::MouseButtons buttons, QPointF pointer) {
    if (buttons != Qt::LeftButton || !dragging())
        return;
    const Colour colour = pickColourFromRead(m_reader->pixelAt(pointer));
    pickRed = colour.red;
    pickGreen = colour.green;
    pickBlue = colour.blue;
    m_ui.picPick->setColour(pack(colour));
}

void PickMode::cancelDrag() {
    if (dragging())
        endDrag();
}

void PickMode::picSample_MouseUp(int, Qt::MouseButton button) {
    if (button != Qt::LeftButton || !dragging())
        return;
    m_selected.setSliders(pickColour());
    endDrag();
}

std::array<QWidget*, 6> PickMode::sliderControls() const {
    return {m_ui.hsbRed,    m_ui.hsbGreen,    m_ui.hsbBlue,
            m_ui.txtRedTag, m_ui.txtGreenTag, m_ui.txtBlueTag};
}

void PickMode::showSliders(bool shown) {
    for (QWidget* control : sliderControls())
        control->setVisible(shown);
}

void PickMode::endDrag() {
    m_cancelShortcut->setEnabled(false);
    m_ui.picPick->hide();
    showSliders(true);
    m_window->unsetCursor();
    m_ui.picSample[static_cast<std::size_t>(m_dragSample)]->releaseMouse();
    m_dragSample = -1;
}

} // namespace tincta

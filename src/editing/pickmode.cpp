#include "editing/pickmode.h"

#include "editing/coloureditor.h"
#include "editing/markspanel.h"
#include "gui/platform/errorguard.h"
#include "gui/platform/screenpixel.h"

#include <QShortcut>
#include <QWidget>

namespace tincta {

PickMode::PickMode(QWidget* window, MarksPanel& marks, ColourEditor& editor,
                   ScreenPixelReader& screen)
    : QObject(window), m_window(window), m_marks(marks), m_editor(editor), m_screen(screen),
      m_cancelShortcut(new QShortcut(QKeySequence(Qt::Key_Escape), window)) {
    m_cancelShortcut->setEnabled(false);
    connect(m_cancelShortcut, &QShortcut::activated, this, guarded([this] {
                if (dragging())
                    endDrag();
            }));
    connect(&m_marks, &MarksPanel::samplePressed, this,
            guarded([this](int mark, Qt::MouseButton button) { onSamplePressed(mark, button); }));
    connect(&m_marks, &MarksPanel::sampleMoved, this,
            guarded([this](int, Qt::MouseButtons buttons, QPointF pointer) {
                onSampleMoved(buttons, pointer);
            }));
    connect(&m_marks, &MarksPanel::sampleReleased, this,
            guarded([this](int, Qt::MouseButton button) { onSampleReleased(button); }));
}

PickMode::~PickMode() {
    if (dragging())
        endDrag();
}

void PickMode::setOn(bool on) {
    m_on = on;
    // F7 still works while the mouse is held by a drag; turning the mode off then would leave the
    // grab on a disabled sample that never sees the release, so the drag is abandoned first.
    if (!on && dragging())
        endDrag();
    m_marks.setSamplesActive(on);
}

void PickMode::onSamplePressed(int mark, Qt::MouseButton button) {
    if (button != Qt::LeftButton || dragging())
        return;
    m_dragSample = mark;
    m_window->setCursor(Qt::CrossCursor);
    // While the mouse is held, other programs' windows show the holder's pointer: the cross-hair.
    m_marks.holdPointer(mark);
    m_editor.showPickPreview(true);
    m_cancelShortcut->setEnabled(true);
}

void PickMode::onSampleMoved(Qt::MouseButtons buttons, QPointF pointer) {
    if (buttons != Qt::LeftButton || !dragging())
        return;
    m_pickColour = pickColourFromRead(m_screen.pixelAt(pointer));
    m_editor.setPickPreviewColour(m_pickColour);
}

void PickMode::onSampleReleased(Qt::MouseButton button) {
    if (button != Qt::LeftButton || !dragging())
        return;
    m_editor.setColour(m_pickColour);
    endDrag();
}

void PickMode::endDrag() {
    m_cancelShortcut->setEnabled(false);
    m_editor.showPickPreview(false);
    m_window->unsetCursor();
    m_marks.releasePointer(m_dragSample);
    m_dragSample = -1;
}

} // namespace tincta

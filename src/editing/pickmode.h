#pragma once

#include "colour/colour.h"

#include <QObject>

class QShortcut;
class QWidget;

namespace tincta {

class ColourEditor;
class MarksPanel;
class ScreenPixelReader;

// Colour pick mode: with it on, a left-button drag from the selected mark's sample shows the
// screen colour under the pointer in the preview box, and the release makes it the selected
// colour.
class PickMode : public QObject {
    Q_OBJECT

public:
    PickMode(QWidget* window, MarksPanel& marks, ColourEditor& editor, ScreenPixelReader& screen);
    ~PickMode() override;

    void setOn(bool on);
    bool isOn() const { return m_on; }
    bool dragging() const { return m_dragSample >= 0; }

private:
    void onSamplePressed(int mark, Qt::MouseButton button);
    void onSampleMoved(Qt::MouseButtons buttons, QPointF pointer);
    void onSampleReleased(Qt::MouseButton button);
    // Puts the window back as it was before the press: sliders shown, pointer and mouse free.
    void endDrag();

    QWidget* m_window;
    MarksPanel& m_marks;
    ColourEditor& m_editor;
    ScreenPixelReader& m_screen;
    // Escape ends a drag as if it never started; live only during a drag, so that Escape means
    // nothing else then.
    QShortcut* m_cancelShortcut;
    bool m_on = false;
    // The sample that holds the mouse during a drag; -1 when idle.
    int m_dragSample = -1;
    // The colour of the last pixel read; kept between drags.
    Colour m_pickColour{};
};

} // namespace tincta

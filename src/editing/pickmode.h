#pragma once

#include "colour/colour.h"
#include "editing/screenpixel.h"

#include <QtGlobal>
#include <array>
#include <memory>

class QShortcut;
class QWidget;

namespace tincta {

class SelectedColour;
struct MainWindowUi;

// Colour pick mode: with it on, a left-button drag from the selected mark's sample shows the
// screen colour under the pointer in the preview box, and the release makes it the selected
// colour. The palette-opening commands are off while the mode is on.
class PickMode {
public:
    PickMode(QWidget* window, MainWindowUi& ui, SelectedColour& selected,
             std::unique_ptr<ScreenPixelReader> reader = std::make_unique<QtScreenPixelReader>());
    ~PickMode();

    void mnuToolsColourPickMode_Click();
    void picSample_MouseDown(int index, Qt::MouseButton button);
    void picSample_MouseMove(int index, Qt::MouseButtons buttons, QPointF pointer);
    void picSample_MouseUp(int index, Qt::MouseButton button);

    // Escape during a drag: the drag ends as if it never started.
    void cancelDrag();
    // Fires cancelDrag; live only during a drag, so Escape means nothing else then.
    QShortcut* cancelShortcut() const { return m_cancelShortcut; }

    bool pickModeOn() const;
    bool dragging() const { return m_dragSample >= 0; }
    Colour pickColour() const { return Colour{pickRed, pickGreen, pickBlue}; }
    void setScreenPixelReader(std::unique_ptr<ScreenPixelReader> reader);

private:
    // The sliders and their tags, in the order they are hidden and shown.
    std::array<QWidget*, 6> sliderControls() const;
    void showSliders(bool shown);
    // Puts the window back as it was before the press: sliders shown, pointer and mouse free.
    void endDrag();

    QWidget* m_window;
    MainWindowUi& m_ui;
    SelectedColour& m_selected;
    std::unique_ptr<ScreenPixelReader> m_reader;
    QShortcut* m_cancelShortcut;
    // The sample that holds the mouse during a drag; -1 when idle.
    int m_dragSample = -1;

    // The colour of the last pixel read; kept between drags.
    int pickRed = 0;
    int pickGreen = 0;
    int pickBlue = 0;
};

} // namespace tincta

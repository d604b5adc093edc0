#pragma once

#include "colour/colour.h"
#include "editing/pickpointer.h"
#include "gui/platform/screenpixel.h"
#include "gui/platform/waylandwindowexport.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <optional>

class QKeyEvent;
class QShortcut;
class QWidget;

namespace tincta {

class ColourEditor;
class ColourPortal;
class FrozenPicker;
class Loupe;
class MarksPanel;
class MessageBoxes;
class ScreenPixelReader;
struct Services;

// Colour pick mode: with it on, a left-button drag from the selected mark's sample shows the
// screen colour under the pointer in the preview box and the loupe, the arrow keys move the pick
// point pixel by pixel, + and - or the wheel change the averaged square, and the release makes
// it the selected colour. The Pick From Screen command picks on a still image of the screens
// without the mode. Where the desktop keeps the screen to itself, both ask the desktop's portal.
class PickMode : public QObject {
    Q_OBJECT

public:
    PickMode(QWidget* window, MarksPanel& marks, ColourEditor& editor, const Services& services);
    ~PickMode() override;

    void setOn(bool on);
    bool isOn() const { return m_on; }
    bool dragging() const { return m_dragSample >= 0; }
    // Starts a pick on a still image of the screens into the selected mark.
    void pickFromScreen();
    // The side of the square every pick averages.
    void setSampleSize(int size);
    int sampleSize() const { return m_sampleSize; }
    // The running pick on a still image, or null.
    FrozenPicker* frozenPicker() const { return m_frozen; }

    static QString portalUnavailableText();
    static QString portalFailedText();

Q_SIGNALS:
    void sampleSizeChanged(int size);
    // A colour was taken from the screen for the selected mark, by whatever route.
    void colourPicked(tincta::Colour colour);

protected:
    // The arrow keys during a drag, wherever the keyboard focus is.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onSamplePressed(int mark, Qt::MouseButton button);
    void onSampleMoved(Qt::MouseButtons buttons, QPointF pointer);
    void onSampleReleased(Qt::MouseButton button);
    void connectPortal();
    void askPortal(bool fromCommand);
    void startFrozenPicker(ScreenShot shot);
    // The window's handle as the portal knows it.
    QString windowHandle() const;
    void onPortalColour(const Colour& colour);
    // Every pick ends here: the colour goes to the selected mark and is told.
    void applyPick(const Colour& colour);
    // Reads the still image around the point and shows what is there in the preview and the
    // loupe; the screens are grabbed once a drag, at its first read.
    void pickAt(QPointF point);
    void stepSampleSize(int steps);
    bool handleDragKey(const QKeyEvent& key);
    // Puts the window back as it was before the press: sliders shown, pointer and mouse free.
    void endDrag();

    QWidget* m_window;
    MarksPanel& m_marks;
    ColourEditor& m_editor;
    ScreenPixelReader& m_screen;
    MessageBoxes& m_messages;
    ColourPortal* m_portal;
    // Escape ends a drag as if it never started; live only during a drag, so that Escape means
    // nothing else then.
    QShortcut* m_cancelShortcut;
    Loupe* m_loupe;
    // Names the window to the portal on Wayland.
    WaylandWindowExport m_windowExport;
    bool m_on = false;
    // The sample that holds the mouse during a drag; -1 when idle.
    int m_dragSample = -1;
    // The colour of the last pixel read; kept between drags.
    Colour m_pickColour{};
    PickPointer m_pointer;
    // The screens as the first read of this drag saw them.
    std::optional<ScreenShot> m_shot;
    int m_sampleSize = 1;
    FrozenPicker* m_frozen = nullptr;
    // A portal pick asked for by the command rather than the sample.
    bool m_commandPickWaiting = false;
};

} // namespace tincta

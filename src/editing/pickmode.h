#pragma once

#include "colour/colour.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <optional>

class QShortcut;
class QWidget;

namespace tincta {

class ColourEditor;
class ColourPortal;
class Loupe;
class MarksPanel;
class MessageBoxes;
class ScreenPixelReader;
struct Services;

// Colour pick mode: with it on, a left-button drag from the selected mark's sample shows the
// screen colour under the pointer in the preview box and the loupe, the arrow keys move the pick
// point pixel by pixel, and the release makes it the selected colour. Where the desktop keeps
// the screen to itself, a press on the sample asks the desktop's portal instead.
class PickMode : public QObject {
    Q_OBJECT

public:
    PickMode(QWidget* window, MarksPanel& marks, ColourEditor& editor, const Services& services);
    ~PickMode() override;

    void setOn(bool on);
    bool isOn() const { return m_on; }
    bool dragging() const { return m_dragSample >= 0; }

    static QString portalUnavailableText();

Q_SIGNALS:
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
    void onPortalColour(const Colour& colour);
    // Every pick ends here: the colour goes to the selected mark and is told.
    void applyPick(const Colour& colour);
    // Reads the screen around the point and shows what is there in the preview and the loupe.
    void pickAt(QPointF point);
    // Moves the pick point by whole device pixels, and the pointer as near as it can go.
    void nudge(QPoint step);
    // A move the program caused by placing the pointer itself.
    bool isPointerEcho(QPointF pointer);
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
    bool m_on = false;
    // The sample that holds the mouse during a drag; -1 when idle.
    int m_dragSample = -1;
    // The colour of the last pixel read; kept between drags.
    Colour m_pickColour{};
    // The centre of the device pixel read last in this drag, and that screen's scale.
    std::optional<QPointF> m_pickPoint;
    qreal m_pickRatio = 1;
    // Where the program placed the pointer and has not yet seen it arrive.
    QList<QPoint> m_pointerEchoes;
};

} // namespace tincta

#pragma once

#include "colour/colour.h"
#include "editing/pickpointer.h"
#include "gui/platform/screenpixel.h"

#include <QList>
#include <QObject>
#include <memory>

class QWidget;

namespace tincta {

class Loupe;

// A pick on a still image of the screens: a full-screen window of ours over each screen shows
// the image as it was when the pick began, so hover states and video frames hold still. The
// loupe follows the pointer; a left click takes the colour, Escape or a right click cancels;
// the arrows nudge by device pixels; + and - or the wheel change the averaged square. Emits
// exactly one of picked() and cancelled(), then closes its windows.
class FrozenPicker : public QObject {
    Q_OBJECT

public:
    FrozenPicker(ScreenShot shot, int sampleSize, QObject* parent = nullptr);
    ~FrozenPicker() override;

    void start();
    bool isRunning() const { return !m_windows.empty(); }
    int sampleSize() const { return m_sampleSize; }
    const Loupe& loupe() const { return *m_loupe; }
    // Whether the display server shows the still images from the windows' first frames, before
    // the program draws them.
    bool shownByServer() const { return m_shownByServer; }
    // The window over screen `index` of the shot.
    QWidget* window(qsizetype index) const { return m_windows.at(index).get(); }

Q_SIGNALS:
    void picked(tincta::Colour colour);
    void cancelled();
    void sampleSizeChanged(int size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isOurWindow(QObject* object) const;
    bool handleKey(const QKeyEvent& key);
    void pickAt(QPointF global);
    // Shows the last reading in the loupe, once it may be laid out.
    void showLoupeAt(QPointF global);
    void hostLoupeOver(QPointF global);
    void stepSampleSize(int steps);
    void finish(bool take);

    ScreenShot m_shot;
    std::vector<std::unique_ptr<QWidget>> m_windows;
    std::unique_ptr<Loupe> m_loupe;
    PickPointer m_pointer;
    ScreenArea m_area;
    int m_sampleSize;
    Colour m_colour{};
    bool m_shownByServer = false;
    bool m_loupeAwaitsExpose = false;
};

} // namespace tincta

#pragma once

#include <QImage>
#include <QWindow>
#include <memory>

class QScreen;

namespace tincta {

// A still image of one screen kept by the display server. A window can show it as its own
// background, which the server paints the moment the window maps, before the program has read a
// single pixel: the screen freezes at once, and the pixels cross to the program afterwards.
class ServerStill {
public:
    virtual ~ServerStill() = default;
    // The server paints the still behind `window` from now on: a window not yet mapped shows it
    // from its first frame. False where the window cannot take it.
    virtual bool becomeBackgroundOf(WId window) = 0;
    // Every device pixel of the screen, read from the server on first use; null when the read
    // fails.
    virtual const QImage& pixels() = 0;
    // The device pixels within `area`: a few cross from the server while the whole screen has
    // not; null when the read fails.
    virtual QImage pixelsIn(const QRect& area) = 0;
    // The screen's size in device pixels.
    virtual QSize size() const = 0;
};

// The screen as it is now, kept by the display server; nothing where the server keeps no
// stills, or not in a form the program reads directly.
std::shared_ptr<ServerStill> takeServerStill(const QScreen& screen);

} // namespace tincta

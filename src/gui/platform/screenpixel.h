#pragma once

#include "colour/colour.h"

#include <QImage>
#include <QPointF>
#include <optional>

namespace tincta {

// The device pixels around a point of the desktop, taken in one small read of the screen.
struct ScreenArea {
    // 2 * radius + 1 pixels square with the pixel under the point in the middle; pixels that
    // could not be read (off every screen, or refused) are fully transparent.
    QImage pixels;
    // The middle pixel in desktop device coordinates, as the display server counts them.
    QPoint devicePosition;
    // The centre of the middle pixel in device-independent coordinates: moving from here by
    // 1 / ratio lands in the very next device pixel, free of rounding.
    QPointF centre;
    // Device pixels per device-independent pixel on the screen that holds the point.
    qreal ratio = 1;

    // The middle pixel, or nothing when it could not be read.
    std::optional<PackedColour> middle() const;
};

// A square of transparent pixels, side by side, ready to be filled with what can be read.
QImage unreadArea(int side);

// What colours the screen shows around a point. The program reads the real screen; tests hand
// over a picture of their own.
class ScreenPixelReader {
public:
    virtual ~ScreenPixelReader() = default;
    // The device pixels within `radius` of the device pixel under a global (desktop) position
    // in device-independent pixels.
    virtual ScreenArea areaAround(QPointF global, int radius) = 0;
    // The pixel under the position, or nothing when the screen cannot be read there.
    std::optional<PackedColour> pixelAt(QPointF global) { return areaAround(global, 0).middle(); }
};

// Reads the device pixels around the position from whichever screen of the desktop holds it, so
// that on a scaled screen every device pixel can be picked, the last column and row included.
// Some sessions (a Wayland desktop without screen-capture permission) refuse the read; that is
// reported as unread pixels, never as black.
class QtScreenPixelReader final : public ScreenPixelReader {
public:
    ScreenArea areaAround(QPointF global, int radius) override;
};

// The pick colour for a read: a real pixel unpacks as usual; a failed read stands for the
// value with all bits set, which the component masks turn into pure red.
Colour pickColourFromRead(std::optional<PackedColour> read);

} // namespace tincta

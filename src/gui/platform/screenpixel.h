#pragma once

#include "colour/colour.h"
#include "gui/platform/serverstill.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <memory>
#include <optional>

namespace tincta {

// The device pixels around a point of the desktop, copied from a still image of the screens.
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

// One screen as it looked when the shot was taken.
struct ScreenImage {
    // Where the screen lies on the desktop, in device-independent pixels.
    QRect geometry;
    // Device pixels per device-independent pixel.
    qreal ratio = 1;
    // Every device pixel of the screen; null where the screen could not be read, or where the
    // display server keeps them.
    QImage pixels;
    // The screen kept by the display server, which a window can show before its pixels are read.
    std::shared_ptr<ServerStill> serverStill = {};

    // Every device pixel of the screen, read from the display server where it keeps them.
    const QImage& image() const { return serverStill ? serverStill->pixels() : pixels; }
    // The device pixels within `area`, a rectangle inside the screen.
    QImage pixelsIn(const QRect& area) const {
        return serverStill ? serverStill->pixelsIn(area) : pixels.copy(area);
    }
    QSize size() const { return serverStill ? serverStill->size() : pixels.size(); }
};

// The device pixel under a desktop position.
struct DevicePixel {
    qsizetype screen = 0;
    // In the screen's image.
    QPoint pixel;
    // In desktop device coordinates: screens keep their device origin, only their size scales.
    QPoint devicePosition;
    // The centre of the pixel in device-independent coordinates.
    QPointF centre;
    qreal ratio = 1;
};

// Still images of every screen of the desktop: a pick reads from it, never from the live screen,
// so a pointer move costs no round trip to the display server.
struct ScreenShot {
    QList<ScreenImage> screens;

    // The device pixel under a desktop position (device-independent pixels), on whichever screen
    // holds it; nothing off every screen.
    std::optional<DevicePixel> locate(QPointF global) const;
    // The device pixels within `radius` of the device pixel under the position, all from the
    // screen that holds it: a neighbour's pixels belong to a scale of their own.
    ScreenArea areaAround(QPointF global, int radius) const;
};

// A still image of the whole desktop, as the desktop portal hands it over, cut into the screens
// at `geometries`: the image spans their union, every screen scaled alike.
ScreenShot shotOfDesktop(const QImage& desktop, const QList<QRect>& geometries);

// Where each screen of the desktop lies, in device-independent pixels.
QList<QRect> screenGeometries();

// Takes still images of the screens. The program reads the real screens; tests hand over a
// picture of their own.
class ScreenPixelReader {
public:
    virtual ~ScreenPixelReader() = default;
    virtual ScreenShot grab() = 0;
};

// One grab of each screen, in device pixels, so that on a scaled screen every device pixel can
// be picked, the last column and row included. Some sessions (a Wayland desktop without
// screen-capture permission) refuse the read; that is reported as unread pixels, never as black.
class QtScreenPixelReader final : public ScreenPixelReader {
public:
    ScreenShot grab() override;
};

// The pick colour for a read: a real pixel unpacks as usual; a failed read stands for the
// value with all bits set, which the component masks turn into pure red.
Colour pickColourFromRead(std::optional<PackedColour> read);

// The colour picked from an area: the mean of the readable pixels of the `size` x `size` square
// around its middle, or red as for a failed read when the middle itself is unread.
Colour pickColourFromArea(const ScreenArea& area, int size);

} // namespace tincta

#include "gui/platform/screenpixel.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QtMath>

namespace tincta {

namespace {

QPoint floored(QPointF point) {
    return QPoint(qFloor(point.x()), qFloor(point.y()));
}

// Copies the readable device pixels of `screen` (device coordinates relative to the screen)
// into the area whose top-left pixel is `areaOrigin`.
void readScreen(QScreen* screen, QRect readable, QPoint areaOrigin, QImage& into) {
    const qreal ratio = screen->devicePixelRatio();
    // A grab takes device-independent coordinates relative to the screen and returns the device
    // pixels they cover: grab the cells that hold the wanted device pixels, then copy those out.
    const QRect cells(floored(QPointF(readable.topLeft()) / ratio),
                      floored(QPointF(readable.bottomRight()) / ratio));
    QImage grab = screen->grabWindow(0, cells.x(), cells.y(), cells.width(), cells.height())
                      .toImage()
                      .convertToFormat(QImage::Format_ARGB32);
    if (grab.isNull())
        return;
    grab.setDevicePixelRatio(1);
    const QPoint grabOrigin = (QPointF(cells.topLeft()) * ratio).toPoint();
    const QRect source = readable.translated(-grabOrigin) & grab.rect();
    QPainter painter(&into);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(source.topLeft() + grabOrigin - areaOrigin, grab, source);
}

} // namespace

std::optional<PackedColour> ScreenArea::middle() const {
    if (pixels.isNull())
        return std::nullopt;
    const QColor pixel = pixels.pixelColor(pixels.width() / 2, pixels.height() / 2);
    if (pixel.alpha() == 0)
        return std::nullopt;
    return pack(pixel.red(), pixel.green(), pixel.blue());
}

QImage unreadArea(int side) {
    QImage pixels(side, side, QImage::Format_ARGB32);
    pixels.fill(Qt::transparent);
    return pixels;
}

ScreenArea QtScreenPixelReader::areaAround(QPointF global, int radius) {
    const int side = 2 * radius + 1;
    ScreenArea area{unreadArea(side), floored(global), global, 1};
    // Rounding would put the right half of the last device-independent pixel past the screen.
    QScreen* screen = QGuiApplication::screenAt(floored(global));
    if (screen == nullptr)
        return area;
    area.ratio = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    const QPoint device = floored((global - origin) * area.ratio);
    // Screens keep their device origin; only their size is scaled.
    area.devicePosition = origin + device;
    area.centre = QPointF(origin) + (QPointF(device) + QPointF(0.5, 0.5)) / area.ratio;
    const QRect wanted(device - QPoint(radius, radius), QSize(side, side));
    // On a desktop of several screens the neighbour's pixels belong to its own scale.
    const QRect onScreen(QPoint(0, 0), (QSizeF(screen->geometry().size()) * area.ratio).toSize());
    const QRect readable = wanted & onScreen;
    if (!readable.isEmpty())
        readScreen(screen, readable, wanted.topLeft(), area.pixels);
    return area;
}

Colour pickColourFromRead(std::optional<PackedColour> read) {
    // The read arrives as a signed 32-bit value; "all bits set" is -1, whose shifts truncate
    // toward zero.
    const std::int32_t value = read ? static_cast<std::int32_t>(*read) : -1;
    return Colour{value & 255, (value / 256) & 255, (value / 65536) & 255};
}

} // namespace tincta

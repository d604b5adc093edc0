#include "gui/platform/screenpixel.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QtMath>
#include <algorithm>

namespace tincta {

namespace {

QPoint floored(QPointF point) {
    return QPoint(qFloor(point.x()), qFloor(point.y()));
}

} // namespace

std::optional<PackedColour> QtScreenPixelReader::pixelAt(QPointF global) {
    // Rounding would put the right half of the last device-independent pixel past the screen.
    QScreen* screen = QGuiApplication::screenAt(floored(global));
    if (screen == nullptr)
        return std::nullopt;
    const qreal ratio = screen->devicePixelRatio();
    const QPoint device = floored((global - screen->geometry().topLeft()) * ratio);
    // A grab takes device-independent coordinates relative to the screen and returns the device
    // pixels they cover: grab the one such pixel that holds the device pixel, then pick that out.
    const QPoint cell = floored(QPointF(device) / ratio);
    const QPixmap grab = screen->grabWindow(0, cell.x(), cell.y(), 1, 1);
    if (grab.isNull())
        return std::nullopt;
    const QImage image = grab.toImage();
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return std::nullopt;
    const QPoint inCell = device - (QPointF(cell) * ratio).toPoint();
    const QColor pixel = image.pixelColor(std::clamp(inCell.x(), 0, image.width() - 1),
                                          std::clamp(inCell.y(), 0, image.height() - 1));
    return pack(pixel.red(), pixel.green(), pixel.blue());
}

Colour pickColourFromRead(std::optional<PackedColour> read) {
    // The read arrives as a signed 32-bit value; "all bits set" is -1, whose shifts truncate
    // toward zero.
    const std::int32_t value = read ? static_cast<std::int32_t>(*read) : -1;
    return Colour{value & 255, (value / 256) & 255, (value / 65536) & 255};
}

} // namespace tincta

#include "gui/platform/screenpixel.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

namespace tincta {

std::optional<QPoint> QtScreenPixelReader::pointerPosition() {
    return QCursor::pos();
}

std::optional<PackedColour> QtScreenPixelReader::pixelAt(QPoint global) {
    QScreen* screen = QGuiApplication::screenAt(global);
    if (screen == nullptr)
        return std::nullopt;
    // A grab of the whole screen takes coordinates relative to that screen, in device-independent
    // pixels; on a scaled screen the one pixel comes back as a few device pixels.
    const QPoint local = global - screen->geometry().topLeft();
    const QPixmap grab = screen->grabWindow(0, local.x(), local.y(), 1, 1);
    if (grab.isNull())
        return std::nullopt;
    const QImage image = grab.toImage();
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return std::nullopt;
    const QColor pixel = image.pixelColor(0, 0);
    return pack(pixel.red(), pixel.green(), pixel.blue());
}

Colour pickColourFromRead(std::optional<PackedColour> read) {
    // The read arrives as a signed 32-bit value; "all bits set" is -1, whose shifts truncate
    // toward zero.
    const std::int32_t value = read ? static_cast<std::int32_t>(*read) : -1;
    return Colour{value & 255, (value / 256) & 255, (value / 65536) & 255};
}

} // namespace tincta

#include "gui/platform/screenpixel.h"

#include "colour/areaaverage.h"

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

// Screens are opaque: kept without alpha, a grab is used as it comes from the window system
// (no second copy of a whole screen) and drawn without blending.
constexpr QImage::Format screenFormat = QImage::Format_RGB32;

ScreenImage grabScreen(QScreen* screen) {
    if (std::shared_ptr<ServerStill> still = takeServerStill(*screen))
        return ScreenImage{screen->geometry(), screen->devicePixelRatio(), {}, std::move(still)};
    QImage pixels = screen->grabWindow(0).toImage().convertToFormat(screenFormat);
    pixels.setDevicePixelRatio(1);
    return ScreenImage{screen->geometry(), screen->devicePixelRatio(), pixels};
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

std::optional<DevicePixel> ScreenShot::locate(QPointF global) const {
    // Rounding would put the right half of the last device-independent pixel past the screen.
    const QPoint at = floored(global);
    for (qsizetype index = 0; index < screens.size(); ++index) {
        const ScreenImage& screen = screens[index];
        if (!screen.geometry.contains(at))
            continue;
        const QPoint origin = screen.geometry.topLeft();
        const QPoint pixel = floored((global - origin) * screen.ratio);
        const QPointF centre =
            QPointF(origin) + (QPointF(pixel) + QPointF(0.5, 0.5)) / screen.ratio;
        return DevicePixel{index, pixel, origin + pixel, centre, screen.ratio};
    }
    return std::nullopt;
}

ScreenArea ScreenShot::areaAround(QPointF global, int radius) const {
    const int side = 2 * radius + 1;
    ScreenArea area{unreadArea(side), floored(global), global, 1};
    const std::optional<DevicePixel> found = locate(global);
    if (!found)
        return area;
    area.devicePosition = found->devicePosition;
    area.centre = found->centre;
    area.ratio = found->ratio;
    const ScreenImage& screen = screens[found->screen];
    const QRect wanted(found->pixel - QPoint(radius, radius), QSize(side, side));
    const QRect readable = wanted & QRect(QPoint(0, 0), screen.size());
    if (readable.isEmpty())
        return area;
    QPainter painter(&area.pixels);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(readable.topLeft() - wanted.topLeft(), screen.pixelsIn(readable));
    return area;
}

ScreenShot shotOfDesktop(const QImage& desktop, const QList<QRect>& geometries) {
    QRect desktopArea;
    for (const QRect& geometry : geometries)
        desktopArea |= geometry;
    ScreenShot shot;
    if (desktopArea.isEmpty() || desktop.isNull())
        return shot;
    const qreal ratio = qreal(desktop.width()) / desktopArea.width();
    QImage pixels = desktop.convertToFormat(screenFormat);
    pixels.setDevicePixelRatio(1);
    for (const QRect& geometry : geometries) {
        const QRectF scaled(QPointF(geometry.topLeft() - desktopArea.topLeft()) * ratio,
                            QSizeF(geometry.size()) * ratio);
        shot.screens.append(ScreenImage{geometry, ratio, pixels.copy(scaled.toRect())});
    }
    return shot;
}

QList<QRect> screenGeometries() {
    QList<QRect> geometries;
    for (const QScreen* screen : QGuiApplication::screens())
        geometries.append(screen->geometry());
    return geometries;
}

ScreenShot QtScreenPixelReader::grab() {
    ScreenShot shot;
    for (QScreen* screen : QGuiApplication::screens())
        shot.screens.append(grabScreen(screen));
    return shot;
}

Colour pickColourFromRead(std::optional<PackedColour> read) {
    // The read arrives as a signed 32-bit value; "all bits set" is -1, whose shifts truncate
    // toward zero.
    const std::int32_t value = read ? static_cast<std::int32_t>(*read) : -1;
    return Colour{value & 255, (value / 256) & 255, (value / 65536) & 255};
}

Colour pickColourFromArea(const ScreenArea& area, int size) {
    if (!area.middle())
        return pickColourFromRead(std::nullopt);
    const QPoint middle(area.pixels.width() / 2, area.pixels.height() / 2);
    return averageColour(area.pixels, middle, size).value_or(pickColourFromRead(area.middle()));
}

} // namespace tincta

#include "settings/windowgeometry.h"

#include <QRegularExpression>
#include <algorithm>

namespace tincta {

namespace {

// Six digits are more than any screen has, and keep every sum far from overflowing.
const QRegularExpression
    storedGeometry(QStringLiteral("^(-?[0-9]{1,6}),(-?[0-9]{1,6}),([0-9]{1,6}),([0-9]{1,6})$"));

qint64 area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

qint64 overlap(const QRect& a, const QRect& b) {
    return area(a.intersected(b));
}

QRect movedInside(const QRect& geometry, const QRect& screen) {
    const QSize size = geometry.size().boundedTo(screen.size());
    const int x =
        std::clamp(geometry.x(), screen.left(), screen.left() + screen.width() - size.width());
    const int y =
        std::clamp(geometry.y(), screen.top(), screen.top() + screen.height() - size.height());
    return QRect(QPoint(x, y), size);
}

} // namespace

QString windowGeometryText(const QRect& geometry) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(geometry.x())
        .arg(geometry.y())
        .arg(geometry.width())
        .arg(geometry.height());
}

std::optional<QRect> windowGeometryFromText(const QString& text) {
    const QRegularExpressionMatch match = storedGeometry.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QRect geometry(match.captured(1).toInt(), match.captured(2).toInt(),
                         match.captured(3).toInt(), match.captured(4).toInt());
    if (geometry.isEmpty())
        return std::nullopt;
    return geometry;
}

QRect keptOnScreens(const QRect& geometry, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return geometry;
    qint64 shown = 0;
    const QRect* best = &screens.first();
    for (const QRect& screen : screens) {
        shown += overlap(geometry, screen);
        if (overlap(geometry, screen) > overlap(geometry, *best))
            best = &screen;
    }
    // Screens that mirror each other count twice, which also leaves the window where it is.
    if (shown >= area(geometry))
        return geometry;
    return movedInside(geometry, *best);
}

} // namespace tincta

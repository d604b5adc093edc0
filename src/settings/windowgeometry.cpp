#include "settings/windowgeometry.h"

#include <QStringList>
#include <algorithm>

namespace tincta {

namespace {

// One to six digits, after a minus sign where `signedAllowed`: six digits are more than any
// screen has, and keep every sum far from overflowing. Read by hand, as the regular expression
// engine is otherwise not needed before the window shows.
std::optional<int> storedNumber(QStringView text, bool signedAllowed) {
    const bool negative = signedAllowed && text.startsWith(u'-');
    const QStringView digits = negative ? text.mid(1) : text;
    if (digits.isEmpty() || digits.size() > 6)
        return std::nullopt;
    int value = 0;
    for (const QChar digit : digits) {
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
        value = value * 10 + (digit.unicode() - u'0');
    }
    return negative ? -value : value;
}

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
    const QList<QStringView> parts = QStringView(text).split(u',');
    if (parts.size() != 4)
        return std::nullopt;
    const auto x = storedNumber(parts[0], true);
    const auto y = storedNumber(parts[1], true);
    const auto width = storedNumber(parts[2], false);
    const auto height = storedNumber(parts[3], false);
    if (!x || !y || !width || !height)
        return std::nullopt;
    const QRect geometry(*x, *y, *width, *height);
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

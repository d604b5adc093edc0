#include "gui/widgets/windowplacement.h"

#include "settings/windowgeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

namespace tincta {

namespace {

constexpr int windowGap = 8;
constexpr std::array sides{Placement::Right, Placement::Below, Placement::Left, Placement::Above};

QPoint besideFrame(const QRect& frame, QSize size, Placement side) {
    switch (side) {
    case Placement::Right:
        return {frame.right() + 1 + windowGap, frame.top()};
    case Placement::Below:
        return {frame.left(), frame.bottom() + 1 + windowGap};
    case Placement::Left:
        return {frame.left() - windowGap - size.width(), frame.top()};
    case Placement::Above:
        return {frame.left(), frame.top() - windowGap - size.height()};
    }
    return frame.topLeft();
}

// Slides the frame onto the screen; one larger than the screen keeps its top left corner on it.
QRect keptOnScreen(QRect frame, const QRect& screen) {
    frame.moveLeft(
        std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width())));
    frame.moveTop(
        std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height())));
    return frame;
}

bool covers(const QRect& frame, const QWidget* other) {
    return other != nullptr && frame.intersects(other->frameGeometry());
}

} // namespace

void placeBeside(QWidget* window, const QWidget* anchor, Placement preferred,
                 const QWidget* alsoUncovered) {
    const QScreen* screen = anchor->screen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    const QRect anchorFrame = anchor->frameGeometry();
    // The new window's frame will be as thick as the anchor's.
    const QSize size = window->size() + (anchorFrame.size() - anchor->size());
    std::array<Placement, sides.size() + 1> order{preferred};
    std::ranges::copy(sides, order.begin() + 1);
    for (Placement side : order) {
        // Slid along its side where the anchor sits near the screen's edge.
        const QRect frame = keptOnScreen(QRect(besideFrame(anchorFrame, size, side), size), room);
        if (room.contains(frame) && !frame.intersects(anchorFrame) &&
            !covers(frame, alsoUncovered)) {
            window->move(frame.topLeft());
            return;
        }
    }
    // No side has room: the preferred side, slid onto the screen, still leaves the part of the
    // anchor away from that side in view.
    window->move(
        keptOnScreen(QRect(besideFrame(anchorFrame, size, preferred), size), room).topLeft());
}

QRect placeToKeep(const QWidget* window) {
    if (window->isMaximized() || window->isFullScreen())
        return window->normalGeometry();
    return QRect(window->pos(), window->size());
}

void placeAsKept(QWidget* window, const std::optional<QRect>& kept) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr)
        return;
    if (!kept) {
        window->adjustSize();
        QRect middle(QPoint(), window->size());
        middle.moveCenter(primary->availableGeometry().center());
        window->move(middle.topLeft());
        return;
    }
    QList<QRect> screens{primary->availableGeometry()};
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            screens << screen->availableGeometry();
    }
    const QRect place = keptOnScreens(*kept, screens);
    window->resize(place.size());
    window->move(place.topLeft());
}

void bringForward(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tincta

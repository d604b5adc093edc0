#include "gui/widgets/windowplacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>
#include <limits>

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

qint64 coveredArea(const QRect& frame, const QRect& other) {
    const QRect covered = frame.intersected(other);
    return covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
}

} // namespace

void placeBeside(QWidget* window, const QWidget* anchor, Placement preferred,
                 const QWidget* alsoUncovered) {
    const QScreen* screen = anchor->screen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    const QRect anchorFrame = anchor->frameGeometry();
    const QRect otherFrame = alsoUncovered != nullptr ? alsoUncovered->frameGeometry() : QRect();
    // The new window's frame will be as thick as the anchor's.
    const QSize size = window->size() + (anchorFrame.size() - anchor->size());
    std::array<Placement, sides.size() + 1> order{preferred};
    std::ranges::copy(sides, order.begin() + 1);
    QRect best;
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (Placement side : order) {
        const QRect frame(besideFrame(anchorFrame, size, side), size);
        if (room.contains(frame) && coveredArea(frame, otherFrame) == 0) {
            best = frame;
            break;
        }
        const QRect onScreen = keptOnScreen(frame, room);
        const qint64 covered =
            coveredArea(onScreen, anchorFrame) + coveredArea(onScreen, otherFrame);
        if (covered < leastCovered) {
            leastCovered = covered;
            best = onScreen;
        }
    }
    window->move(best.topLeft());
}

void bringForward(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tincta

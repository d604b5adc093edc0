#pragma once

#include <QRect>
#include <optional>

class QWidget;

namespace tincta {

enum class Placement { Right, Below, Left, Above };

// Puts a new window beside another window of the program, on the preferred side where the
// screen has room, else on the first other side that has it (right, below, left, above), never
// over `alsoUncovered` either. Where no side has room, it goes to the preferred side, moved onto
// the screen as far as it fits there.
void placeBeside(QWidget* window, const QWidget* anchor, Placement preferred,
                 const QWidget* alsoUncovered = nullptr);

// Where the window is, to be kept for the next start: the frame's corner and the size inside it,
// as it is when neither maximised nor full screen.
QRect placeToKeep(const QWidget* window);
// Puts a window that is not shown yet where it was kept, on a screen that still exists; nothing
// kept puts it, at its own size, in the middle of the primary screen.
void placeAsKept(QWidget* window, const std::optional<QRect>& kept);

// Shows the window on top of the others, with the input focus.
void bringForward(QWidget* window);

} // namespace tincta

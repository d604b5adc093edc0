#pragma once

class QWidget;

namespace tincta {

enum class Placement { Right, Below, Left, Above };

// Puts a new window beside another window of the program, on the preferred side where the
// screen has room, else on the first other side that has it (right, below, left, above). Where
// no side has room, it goes where it covers the least of that window and of `alsoUncovered`,
// and always wholly on the screen when it fits there.
void placeBeside(QWidget* window, const QWidget* anchor, Placement preferred,
                 const QWidget* alsoUncovered = nullptr);

// Shows the window on top of the others, with the input focus.
void bringForward(QWidget* window);

} // namespace tincta

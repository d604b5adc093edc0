#pragma once

class QWidget;

namespace tincta {

enum class Placement { Right, Below, Left, Above };

// Puts a new window beside another window of the program, on the preferred side where the
// screen has room, else on the first other side that has it (right, below, left, above), never
// over `alsoUncovered` either. Where no side has room, it goes to the preferred side, moved onto
// the screen as far as it fits there.
void placeBeside(QWidget* window, const QWidget* anchor, Placement preferred,
                 const QWidget* alsoUncovered = nullptr);

// Shows the window on top of the others, with the input focus.
void bringForward(QWidget* window);

} // namespace tincta

#pragma once

class QWidget;

namespace tincta {

enum class Placement { Below, Right };

// Puts a new window beside another window of the program (below it or to its right) so that it
// covers nothing, as long as it fits on that screen; otherwise the window system places it.
// True when it fitted.
bool placeBeside(QWidget* window, const QWidget* anchor, Placement placement);

// The settings dialogs are modal to the main window and whatever belongs to it, and leave the help
// viewer free; the program's own windows belong to the main window, so they wait for the dialogs
// too.
void belongTo(QWidget* window, const QWidget* mainWindow);

// Shows the window on top of the others, with the input focus.
void bringForward(QWidget* window);

} // namespace tincta

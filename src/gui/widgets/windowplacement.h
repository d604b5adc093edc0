#pragma once

#include <QRect>
#include <optional>

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

// Where the window is, to be kept for the next start: the frame's corner and the size inside it,
// as it is when neither maximised nor full screen.
QRect placeToKeep(const QWidget* window);
// Puts a window that is not shown yet where it was kept, on a screen that still exists; nothing
// kept puts it, at its own size, in the middle of the primary screen.
void placeAsKept(QWidget* window, const std::optional<QRect>& kept);

// Shows the window on top of the others, with the input focus.
void bringForward(QWidget* window);

} // namespace tincta

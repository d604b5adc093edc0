#pragma once

class QWidget;

namespace tincta {

// A window that opens beside the main window (a palette, the Colour Check, the help viewer):
// Escape and Ctrl+W close it, as on every desktop, and a screen reader meets it as a window of
// its own rather than a bare pane.
void makeSideWindow(QWidget* window);

// While a modal box or dialog keeps the main window waiting, the side window waits too: a click
// in it would change the colour behind the dialog's back. It stays free of the main window
// otherwise, so the window system neither keeps it above the main window nor hands it the
// keyboard.
void waitWithMainWindow(QWidget* window, QWidget* mainWindow);

} // namespace tincta

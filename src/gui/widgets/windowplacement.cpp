#include "gui/widgets/windowplacement.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tincta {

namespace {

constexpr int windowGap = 8;

} // namespace

bool placeBeside(QWidget* window, const QWidget* anchor, Placement placement) {
    const QScreen* screen = anchor->screen();
    if (screen == nullptr)
        return false;
    const QRect frame = anchor->frameGeometry();
    const QSize frameExtra = frame.size() - anchor->size();
    const QPoint topLeft = placement == Placement::Below
                               ? QPoint(frame.left(), frame.bottom() + 1 + windowGap)
                               : QPoint(frame.right() + 1 + windowGap, frame.top());
    if (!screen->availableGeometry().contains(QRect(topLeft, window->size() + frameExtra)))
        return false;
    window->move(topLeft);
    return true;
}

void belongTo(QWidget* window, const QWidget* mainWindow) {
    window->winId(); // the window-system window that carries the tie
    window->windowHandle()->setTransientParent(mainWindow->windowHandle());
}

void bringForward(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tincta

#include "gui/widgets/windowplacement.h"

#include "settings/windowgeometry.h"

#include <QGuiApplication>
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

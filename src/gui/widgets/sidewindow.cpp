#include "gui/widgets/sidewindow.h"

#include "gui/widgets/accessiblerole.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QPointer>
#include <QWidget>

namespace tincta {

namespace {

// Mirrors the main window's blocked state onto one side window.
class MainWindowWait final : public QObject {
public:
    MainWindowWait(QWidget* window, QWidget* mainWindow) : QObject(window), m_window(window) {
        mainWindow->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked)
            m_window->setEnabled(false);
        else if (event->type() == QEvent::WindowUnblocked)
            m_window->setEnabled(true);
        return false;
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

void makeSideWindow(QWidget* window) {
    auto* closeAction = new QAction(window);
    closeAction->setObjectName(QStringLiteral("closeWindow"));
    closeAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    closeAction->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(closeAction, &QAction::triggered, window, &QWidget::close);
    window->addAction(closeAction);
    setAccessibleRole(window, QAccessible::Window);
}

void waitWithMainWindow(QWidget* window, QWidget* mainWindow) {
    new MainWindowWait(window, mainWindow);
}

} // namespace tincta

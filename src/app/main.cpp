#include "app/mainwindow.h"
#include "gui/platform/colourportal.h"
#include "gui/platform/qtservices.h"
#include "gui/platform/screenpixel.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tincta"));
    QApplication::setOrganizationName(QStringLiteral("Tincta"));
    tincta::QtMessageBoxes messages;
    tincta::QtFileDialogs files;
    tincta::DesktopLauncher launcher;
    tincta::QtScreenPixelReader screen;
    // The one place that decides how this desktop lets a colour be picked from the screen.
    std::unique_ptr<tincta::ColourPortal> portal;
    if (tincta::screenIsPrivate())
        portal = std::make_unique<tincta::DesktopColourPortal>();
    const tincta::Services services{messages, files, launcher, screen, portal.get()};
    auto* window = new tincta::MainWindow(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}

#include "app/mainwindow.h"
#include "gui/platform/qtservices.h"
#include "gui/platform/screenpixel.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tincta"));
    QApplication::setOrganizationName(QStringLiteral("Tincta"));
    tincta::QtMessageBoxes messages;
    tincta::QtFileDialogs files;
    tincta::DesktopLauncher launcher;
    tincta::QtScreenPixelReader screen;
    const tincta::Services services{messages, files, launcher, screen};
    auto* window = new tincta::MainWindow(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}

#include "app/mainwindow.h"
#include "app/translations.h"
#include "gui/platform/colourportal.h"
#include "gui/platform/qtservices.h"
#include "gui/platform/screenpixel.h"
#include "help/productversion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The palette file named on the command line, or an empty text; --help and --version, and
// anything the parser cannot make sense of, end the program here.
QString paletteFileArgument(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Tincta, the colour manager for web developers, "
                                            "programmers and designers."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "A palette file to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs(
            qPrintable(QCoreApplication::translate("main", "Give one palette file at most.") +
                       QLatin1Char('\n')),
            stderr);
        std::exit(EXIT_FAILURE);
    }
    // The window names the file and Save writes there, whatever the current folder later is.
    return files.isEmpty() ? QString()
                           : QDir::cleanPath(QDir::current().absoluteFilePath(files[0]));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tincta"));
    QApplication::setOrganizationName(QStringLiteral("Tincta"));
    QApplication::setApplicationVersion(tincta::programVersion);
    tincta::installTranslations(app, QLocale());
    const QString paletteFile = paletteFileArgument(app);
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
    if (!paletteFile.isEmpty())
        window->openPaletteFile(paletteFile);
    return app.exec();
}

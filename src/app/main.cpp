#include "app/mainwindow.h"
#include "app/translations.h"
#include "gui/platform/colourportal.h"
#include "gui/platform/qtservices.h"
#include "gui/platform/screenpixel.h"
#include "help/productversion.h"
#include "importcolours/importcoloursdialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void describeProgram(QCoreApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("Tincta"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tincta"));
    QCoreApplication::setApplicationVersion(tincta::programVersion);
    tincta::installTranslations(app, QLocale());
}

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;

    CommandLine() : help(parser.addHelpOption()), version(parser.addVersionOption()) {
        parser.setApplicationDescription(
            QCoreApplication::translate("main", "Tincta, the colour manager for web developers, "
                                                "programmers and designers."));
        parser.addPositionalArgument(QStringLiteral("file"),
                                     QCoreApplication::translate("main", "A palette file to open."),
                                     QStringLiteral("[FILE]"));
    }
};

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// --help and --version answer here and end the program, before anything needs a display, so
// they work in a terminal without a graphical session too.
void answerHelpOrVersion(int argc, char* argv[]) {
    CommandLine commandLine;
    commandLine.parser.parse(argumentsOf(argc, argv));
    const bool help = commandLine.parser.isSet(commandLine.help);
    if (!help && !commandLine.parser.isSet(commandLine.version))
        return;
    QCoreApplication app(argc, argv);
    describeProgram(app);
    // Built again now that the translations are in.
    CommandLine translated;
    if (help)
        translated.parser.showHelp(EXIT_SUCCESS);
    translated.parser.showVersion();
}

// The palette file named on the command line, or an empty text; anything the parser cannot make
// sense of ends the program here.
QString paletteFileArgument(const QApplication& app) {
    CommandLine commandLine;
    commandLine.parser.process(app);
    const QStringList files = commandLine.parser.positionalArguments();
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
    answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    describeProgram(app);
    const QString paletteFile = paletteFileArgument(app);
    tincta::QtMessageBoxes messages;
    tincta::QtFileDialogs files;
    tincta::DesktopLauncher launcher;
    tincta::QtScreenPixelReader screen;
    tincta::QtImportChooser importChooser;
    // The one place that decides how this desktop lets a colour be picked from the screen.
    std::unique_ptr<tincta::ColourPortal> portal;
    if (tincta::screenIsPrivate())
        portal = std::make_unique<tincta::DesktopColourPortal>();
    const tincta::Services services{messages, files, launcher, screen, importChooser, portal.get()};
    auto* window = new tincta::MainWindow(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    if (!paletteFile.isEmpty())
        window->openPaletteFile(paletteFile);
    return app.exec();
}

#include "app/commandlinepick.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "gui/platform/colourportal.h"
#include "gui/platform/firstframeprobe.h"
#include "gui/platform/qtservices.h"
#include "gui/platform/screenpixel.h"
#include "gui/widgets/deferrediconstyle.h"
#include "help/productversion.h"
#include "importcolours/importcoloursdialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

void describeProgram(QCoreApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("Tincta"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tincta"));
    QCoreApplication::setApplicationVersion(tincta::programVersion);
    // Docks and the desktop portal tie the windows to the desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tincta.Tincta"));
    tincta::installTranslations(app, QLocale());
}

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption pick{
        QStringLiteral("pick"),
        QCoreApplication::translate("main", "Pick a colour from the screen without opening the "
                                            "main window, print it and put it on the "
                                            "clipboard.")};
    QCommandLineOption format{
        QStringLiteral("format"),
        QCoreApplication::translate("main", "With --pick: the notation to print, as the "
                                            "notation list names it (for example \"CSS rgb()\")."),
        QStringLiteral("NAME")};
    // The helper that keeps a picked colour on the clipboard after the pick has returned.
    QCommandLineOption holdClipboard{QStringLiteral("hold-clipboard"), QString(),
                                     QStringLiteral("TEXT")};

    CommandLine() : help(parser.addHelpOption()), version(parser.addVersionOption()) {
        holdClipboard.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOptions({pick, format, holdClipboard});
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

void failWith(const QString& text, int status) {
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
    std::exit(status);
}

// --help, --version and an unknown notation name answer here and end the program, before
// anything needs a display, so they work in a terminal without a graphical session too.
void answerWithoutDisplay(int argc, char* argv[]) {
    CommandLine commandLine;
    QCommandLineParser& parser = commandLine.parser;
    parser.parse(argumentsOf(argc, argv));
    const bool help = parser.isSet(commandLine.help);
    const QString notation = parser.value(commandLine.format);
    const bool unknownNotation =
        parser.isSet(commandLine.format) && !tincta::notationRowNamed(notation);
    if (!help && !parser.isSet(commandLine.version) && !unknownNotation)
        return;
    QCoreApplication app(argc, argv);
    describeProgram(app);
    if (unknownNotation)
        failWith(tincta::unknownNotationText(notation), 2);
    // Built again now that the translations are in.
    CommandLine translated;
    if (help)
        translated.parser.showHelp(EXIT_SUCCESS);
    translated.parser.showVersion();
}

// What the command line asks for; anything the parser cannot make sense of ends the program.
struct Request {
    QString paletteFile;
    bool pick = false;
    std::optional<int> pickNotation;
    std::optional<QString> heldClipboardText;
};

Request requestOf(const QApplication& app) {
    CommandLine commandLine;
    commandLine.parser.process(app);
    const QCommandLineParser& parser = commandLine.parser;
    Request request;
    if (parser.isSet(commandLine.holdClipboard)) {
        request.heldClipboardText = parser.value(commandLine.holdClipboard);
        return request;
    }
    request.pick = parser.isSet(commandLine.pick);
    // A name that is none was refused before the display was opened.
    if (parser.isSet(commandLine.format))
        request.pickNotation = tincta::notationRowNamed(parser.value(commandLine.format));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        failWith(QCoreApplication::translate("main", "Give one palette file at most."),
                 EXIT_FAILURE);
    // The window names the file and Save writes there, whatever the current folder later is.
    if (!files.isEmpty())
        request.paletteFile = QDir::cleanPath(QDir::current().absoluteFilePath(files[0]));
    return request;
}

} // namespace

int main(int argc, char* argv[]) {
    answerWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(new tincta::DeferredIconStyle);
    describeProgram(app);
    const Request request = requestOf(app);
    if (request.heldClipboardText)
        return tincta::holdClipboard(app, *request.heldClipboardText);
    tincta::QtScreenPixelReader screen;
    // The one place that decides how this desktop lets a colour be picked from the screen.
    std::unique_ptr<tincta::ColourPortal> portal;
    if (tincta::screenIsPrivate())
        portal = std::make_unique<tincta::DesktopColourPortal>();
    if (request.pick)
        return tincta::runCommandLinePick(app, request.pickNotation, screen, portal.get());
    tincta::QtMessageBoxes messages;
    tincta::QtFileDialogs files;
    tincta::DesktopLauncher launcher;
    tincta::QtImportChooser importChooser;
    const tincta::Services services{messages, files, launcher, screen, importChooser, portal.get()};
    auto* window = new tincta::MainWindow(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    tincta::reportFirstFrameWhenAsked(window);
    window->show();
    if (!request.paletteFile.isEmpty())
        window->openPaletteFile(request.paletteFile);
    return app.exec();
}

#include "app/commandlinepick.h"

#include "colour/areaaverage.h"
#include "colour/notation.h"
#include "editing/frozenpicker.h"
#include "gui/platform/colourportal.h"
#include "gui/platform/firstframeprobe.h"
#include "gui/platform/screenpixel.h"
#include "registry/easyreg.h"
#include "settings/settingsnames.h"
#include "settings/settingsrecord.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>

namespace tincta {

namespace {

// How long the pick waits for its helper to take the clipboard over.
constexpr int handOverWaitMs = 3000;

const QString holdOption = QStringLiteral("--hold-clipboard");

void printLine(std::FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
    std::fflush(stream);
}

// The standard notation and the custom template as the settings store them, read without a
// check that could restore the settings: a pick from the command line changes none of them.
struct PickSettings {
    int row = 0;
    QString customTemplate;
    int sampleSize = 1;
};

PickSettings readPickSettings(SettingsRecord& settings) {
    const QStringList texts = settings.readValues(
        {formatIndexValueName, cssFormatValueName, customFormatValueName, sampleSizeValueName});
    return {standardNotation(texts[0].toInt(), texts[1]), texts[2], sampleSizeFromText(texts[3])};
}

// The colour's text once the pick has answered; nothing while it is running or after a cancel.
struct PickOutcome {
    std::optional<Colour> colour;
    QString failure;
};

PickOutcome pickOnStillImage(QApplication& app, ScreenShot shot, SettingsRecord& settings,
                             int sampleSize) {
    PickOutcome outcome;
    FrozenPicker picker(std::move(shot), sampleSize);
    QObject::connect(&picker, &FrozenPicker::picked, &app, [&](const Colour& colour) {
        outcome.colour = colour;
        QApplication::quit();
    });
    QObject::connect(&picker, &FrozenPicker::cancelled, &app, &QApplication::quit);
    QObject::connect(&picker, &FrozenPicker::sampleSizeChanged, &app, [&settings](int size) {
        settings.saveSettings({{sampleSizeValueName, QString::number(size)}});
    });
    picker.start();
    if (!picker.isRunning())
        return {std::nullopt, QApplication::translate("tincta::CommandLinePick",
                                                      "There is no screen to pick from.")};
    reportFirstFrameWhenAsked(picker.window(0),
                              picker.shownByServer() ? FirstFrame::Exposed : FirstFrame::Painted);
    app.exec();
    return outcome;
}

// A still image of the desktop where the portal gives one, else the desktop's own picker.
PickOutcome pickThroughPortal(QApplication& app, ColourPortal& portal, SettingsRecord& settings,
                              int sampleSize) {
    PickOutcome outcome;
    QImage desktop;
    QObject::connect(&portal, &ColourPortal::screenshotTaken, &app, [&](const QImage& image) {
        desktop = image;
        QApplication::quit();
    });
    // No window of ours to name: the desktop places its dialogs itself.
    QObject::connect(&portal, &ColourPortal::screenshotRefused, &app,
                     [&portal] { portal.requestColour(QString()); });
    QObject::connect(&portal, &ColourPortal::colourPicked, &app, [&](const Colour& colour) {
        outcome.colour = colour;
        QApplication::quit();
    });
    QObject::connect(&portal, &ColourPortal::pickCancelled, &app, &QApplication::quit);
    const auto fail = [&outcome](const QString& text) {
        outcome.failure = text;
        QApplication::quit();
    };
    QObject::connect(&portal, &ColourPortal::unavailable, &app, [fail] {
        fail(QApplication::translate("tincta::CommandLinePick",
                                     "Picking a colour from the screen is not available on this "
                                     "desktop."));
    });
    QObject::connect(&portal, &ColourPortal::failed, &app, [fail] {
        fail(QApplication::translate("tincta::CommandLinePick",
                                     "The desktop could not pick a colour from the screen."));
    });
    portal.requestScreenshot(QString());
    app.exec();
    if (!desktop.isNull())
        return pickOnStillImage(app, shotOfDesktop(desktop, screenGeometries()), settings,
                                sampleSize);
    return outcome;
}

// Starts the helper that serves the clipboard from now on and waits until it has taken it.
void handClipboardOver(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    QProcess holder;
    holder.setStandardInputFile(QProcess::nullDevice());
    holder.setStandardOutputFile(QProcess::nullDevice());
    holder.setStandardErrorFile(QProcess::nullDevice());
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        holder.setProgram(QCoreApplication::applicationFilePath());
        // One argument, so that a text starting with a dash cannot pass for an option.
        holder.setArguments({holdOption + QLatin1Char('=') + text});
    } else {
        // A Wayland desktop gives the clipboard only to a program with a focused window; its own
        // clipboard tool knows how to keep it without one.
        holder.setProgram(QStandardPaths::findExecutable(QStringLiteral("wl-copy")));
        holder.setArguments({text});
    }
    if (holder.program().isEmpty() || !holder.startDetached())
        return;
    QEventLoop wait;
    QObject::connect(clipboard, &QClipboard::changed, &wait,
                     [&wait, clipboard](QClipboard::Mode mode) {
                         if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard())
                             wait.quit();
                     });
    QTimer::singleShot(handOverWaitMs, &wait, &QEventLoop::quit);
    wait.exec();
}

} // namespace

std::optional<int> notationRowNamed(const QString& name) {
    const QStringList& names = notationNames();
    for (int row = 0; row < names.size(); ++row) {
        if (names[row].compare(name, Qt::CaseInsensitive) == 0)
            return row;
    }
    return std::nullopt;
}

QString unknownNotationText(const QString& name) {
    QString text = QApplication::translate("tincta::CommandLinePick",
                                           "There is no notation called \"%1\". The notations "
                                           "are:")
                       .arg(name);
    for (const QString& known : notationNames())
        text += QStringLiteral("\n  ") + known;
    return text;
}

int runCommandLinePick(QApplication& app, std::optional<int> row, ScreenPixelReader& screen,
                       ColourPortal* portal) {
    app.setQuitOnLastWindowClosed(false);
    EasyReg registry;
    registry.DefaultHive(HKEY_CURRENT_USER);
    registry.DefaultSubKey(programKeyPath);
    SettingsRecord settings(registry);
    const PickSettings stored = readPickSettings(settings);
    const PickOutcome outcome =
        portal != nullptr ? pickThroughPortal(app, *portal, settings, stored.sampleSize)
                          : pickOnStillImage(app, screen.grab(), settings, stored.sampleSize);
    if (!outcome.failure.isEmpty())
        printLine(stderr, outcome.failure);
    if (!outcome.colour)
        return EXIT_FAILURE;
    const QString text =
        notationText(row.value_or(stored.row), *outcome.colour, stored.customTemplate)
            .value_or(QString());
    printLine(stdout, text);
    handClipboardOver(text);
    return EXIT_SUCCESS;
}

int holdClipboard(QApplication& app, const QString& text) {
    app.setQuitOnLastWindowClosed(false);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    // Served until another program (or another pick) takes the clipboard.
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard())
            QApplication::quit();
    });
    return app.exec();
}

} // namespace tincta

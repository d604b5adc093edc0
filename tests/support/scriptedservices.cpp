#include "scriptedservices.h"

#include <QtMath>

namespace tincta::test {

MessageAnswer ScriptedMessageBoxes::show(QWidget*, const Message& message) {
    shown.append(message);
    return answers.isEmpty() ? MessageAnswer::Ok : answers.takeFirst();
}

QString ScriptedFileDialogs::next() {
    return paths.isEmpty() ? QString() : paths.takeFirst();
}

QString ScriptedFileDialogs::openFileName(QWidget*, const QString& title, const QString& folder,
                                          const QString& filter) {
    requests.append({QStringLiteral("open"), title, folder, filter, {}});
    return next();
}

QString ScriptedFileDialogs::saveFileName(QWidget*, const QString& title, const QString& folder,
                                          const QString& filter, const QString& defaultSuffix) {
    requests.append({QStringLiteral("save"), title, folder, filter, defaultSuffix});
    return next();
}

QString ScriptedFileDialogs::existingFolder(QWidget*, const QString& title, const QString& folder) {
    requests.append({QStringLiteral("folder"), title, folder, {}, {}});
    return next();
}

ChosenFile ScriptedFileDialogs::nextOfType(const QStringList& offered) {
    const QString filter = filters.isEmpty() ? offered.value(0) : filters.takeFirst();
    return {next(), filter};
}

ChosenFile ScriptedFileDialogs::openFileOfType(QWidget*, const QString& title,
                                               const QString& folder, const QStringList& offered) {
    requests.append({QStringLiteral("open"), title, folder, offered.join(u";;"), {}});
    return nextOfType(offered);
}

ChosenFile ScriptedFileDialogs::saveFileOfType(QWidget*, const QString& title,
                                               const QString& folder, const QStringList& offered) {
    requests.append({QStringLiteral("save"), title, folder, offered.join(u";;"), {}});
    return nextOfType(offered);
}

bool RecordingLauncher::openUrl(const QUrl& url) {
    opened.append(url);
    return succeed;
}

ScreenArea ScriptedScreen::areaAround(QPointF global, int radius) {
    ++reads;
    const QPoint device(qFloor(global.x() * ratio), qFloor(global.y() * ratio));
    const int side = 2 * radius + 1;
    ScreenArea area{unreadArea(side), device, (QPointF(device) + QPointF(0.5, 0.5)) / ratio, ratio};
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QPoint at = device + QPoint(x - radius, y - radius);
            if (picture.valid(at))
                area.pixels.setPixelColor(x, y, picture.pixelColor(at));
        }
    }
    return area;
}

std::optional<ImportChoice> ScriptedImportChooser::chooseColours(QWidget*,
                                                                 const QList<PaletteMark>& colours,
                                                                 int selectedMark) {
    requests.append({colours, selectedMark});
    if (!answers.isEmpty())
        return answers.takeFirst();
    ImportChoice first;
    for (qsizetype i = 0; i < std::min<qsizetype>(colours.size(), paletteMarkCount); ++i)
        first.colours.append(i);
    return first;
}

} // namespace tincta::test

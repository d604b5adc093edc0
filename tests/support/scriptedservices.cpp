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

ScreenShot ScriptedScreen::grab() {
    ++reads;
    const QSize size(qCeil(picture.width() / ratio), qCeil(picture.height() / ratio));
    return ScreenShot{{ScreenImage{QRect(QPoint(0, 0), size), ratio, picture}}};
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

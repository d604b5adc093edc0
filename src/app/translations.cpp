#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tincta {

namespace {

const QString programFileName = QStringLiteral("tincta");
const QString qtFileName = QStringLiteral("qtbase");
const QString localeSeparator = QStringLiteral("_");

bool installFirstFound(QCoreApplication& app, const QLocale& locale, const QString& fileName,
                       const QStringList& folders) {
    auto* translator = new QTranslator(&app);
    for (const QString& folder : folders) {
        if (translator->load(locale, fileName, localeSeparator, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace

QStringList translationFolders() {
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
            QStringLiteral(TINCTA_INSTALLED_TRANSLATIONS_DIR)};
}

bool installTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders) {
    // Qt's own texts: the buttons of message boxes and file dialogs.
    installFirstFound(app, locale, qtFileName,
                      {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    return installFirstFound(app, locale, programFileName, folders);
}

} // namespace tincta

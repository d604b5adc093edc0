#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

namespace tincta {

// Where Tincta's translations are looked for, first found first: beside the program (a build
// tree), then the installed translations folder.
QStringList translationFolders();

// Installs Qt's and Tincta's translations for the locale, as far as they exist; English, the
// language of the source texts, needs none. Answers whether Tincta's own was found.
bool installTranslations(QCoreApplication& app, const QLocale& locale,
                         const QStringList& folders = translationFolders());

} // namespace tincta

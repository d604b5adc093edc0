#include "help/htmlhelp.h"

#include "help/helpviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tincta {

namespace {

const QString helpBesideProgram = QStringLiteral("/help");
const QString helpInInstalledTree = QStringLiteral("/../share/tincta/help");

// Topic names may carry an anchor ("tincta1.htm#files"); the file is what must exist.
QString topicFile(const QString& topic) {
    const qsizetype hash = topic.indexOf(QLatin1Char('#'));
    return hash < 0 ? topic : topic.left(hash);
}

QString topicAnchor(const QString& topic) {
    const qsizetype hash = topic.indexOf(QLatin1Char('#'));
    return hash < 0 ? QString() : topic.mid(hash + 1);
}

bool holdsTopic(const QString& folder, const QString& topic) {
    return !folder.isEmpty() && !topic.isEmpty() &&
           QFileInfo(folder + QLatin1Char('/') + topic).isFile();
}

QUrl topicUrl(const QString& folder, const QString& topic) {
    const QString path = QDir::cleanPath(folder + QLatin1Char('/') + topicFile(topic));
    QUrl url = path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path)
                                                 : QUrl::fromLocalFile(path);
    const QString anchor = topicAnchor(topic);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

} // namespace

HTMLHelp::HTMLHelp(const Services& services) : m_services(services) {}

HTMLHelp::~HTMLHelp() = default;

bool HTMLHelp::displayTopic(const QString& helpFolder, const QString& topic) {
    try {
        const QString file = topicFile(topic);
        QString folder;
        if (holdsTopic(helpFolder, file))
            folder = helpFolder;
        else if (holdsTopic(builtInHelpFolder, file))
            folder = builtInHelpFolder;
        else
            return false;
        if (!m_viewer)
            m_viewer = std::make_unique<HelpViewer>(m_services);
        m_viewer->setHomeTopic(topicUrl(folder, mainHelpTopic));
        m_viewer->showTopic(topicUrl(folder, topic));
        return true;
    } catch (...) {
        return false;
    }
}

void HTMLHelp::closeViewer() {
    if (!m_viewer)
        return;
    m_viewer->close();
    m_viewer.reset();
}

QString HTMLHelp::findHelpFolder(const QStringList& folders) {
    for (const QString& folder : folders) {
        if (holdsTopic(folder, mainHelpTopic))
            return QDir::cleanPath(folder);
    }
    return builtInHelpFolder;
}

QStringList HTMLHelp::helpFolderCandidates(const QString& programFolder) {
    QStringList folders{programFolder + helpBesideProgram, programFolder + helpInInstalledTree};
#ifdef TINCTA_INSTALLED_HELP_DIR
    folders.append(QStringLiteral(TINCTA_INSTALLED_HELP_DIR));
#endif
    return folders;
}

QString HTMLHelp::programHelpFolder() {
    return findHelpFolder(helpFolderCandidates(QCoreApplication::applicationDirPath()));
}

} // namespace tincta

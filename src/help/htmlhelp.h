#pragma once

#include "gui/platform/services.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace tincta {

class HelpViewer;

// Opens the help topics in a viewer window of our own. Nothing here throws to its callers.
class HTMLHelp {
public:
    explicit HTMLHelp(const Services& services);
    ~HTMLHelp();
    HTMLHelp(const HTMLHelp&) = delete;
    HTMLHelp& operator=(const HTMLHelp&) = delete;

    // Shows the viewer at `topic` ("tincta10.htm", perhaps with an anchor) of the help in
    // `helpFolder`, opening it if needed. False when the topic is found neither there nor among
    // the compiled-in copies, or the viewer cannot be shown.
    bool displayTopic(const QString& helpFolder, const QString& topic);
    // Closes the viewer, if one is open.
    void closeViewer();

    // The open viewer, or nullptr.
    HelpViewer* viewer() const { return m_viewer.get(); }

    // The first of `folders` that holds the table of contents; the compiled-in copies when
    // none does.
    static QString findHelpFolder(const QStringList& folders);
    // Where the program looks for its help folder: beside the program in a build tree, in the
    // installed tree, then where it was installed to.
    static QStringList helpFolderCandidates(const QString& programFolder);
    // The help folder of the running program.
    static QString programHelpFolder();

private:
    Services m_services;
    std::unique_ptr<HelpViewer> m_viewer;
};

// The compiled-in copies of the topics, used when no help folder is found on disk.
inline const QString builtInHelpFolder = QStringLiteral(":/help");
// The table of contents, and the page that opens from the Help menu.
inline const QString mainHelpTopic = QStringLiteral("tincta1.htm");

} // namespace tincta

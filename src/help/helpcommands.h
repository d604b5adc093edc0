#pragma once

#include "gui/platform/services.h"
#include "help/htmlhelp.h"

#include <QString>

class QWidget;

namespace tincta {

// The Help menu of the main window: the help topics, the home page and the about box.
class HelpCommands {
public:
    HelpCommands(QWidget* window, const Services& services);

    void showHelp();
    void openHomePage();
    void showAbout();

    // Shows a topic without a message of its own; false when it cannot be shown.
    bool displayTopic(const QString& topic);
    // Opens a topic of the program's help ("tincta10.htm") in the viewer, as Help does with
    // its own; warns when the help cannot be shown. False then.
    bool showTopic(const QString& topic);

    HTMLHelp& htmlHelp() { return m_htmlHelp; }

private:
    QWidget* m_window;
    Services m_services;
    HTMLHelp m_htmlHelp;
};

} // namespace tincta

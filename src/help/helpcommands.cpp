#include "help/helpcommands.h"

#include "gui/platform/shellhelpers.h"
#include "help/aboutbox.h"
#include "help/helpmessages.h"
#include "help/productlinks.h"

namespace tincta {

HelpCommands::HelpCommands(QWidget* window, const Services& services)
    : m_window(window), m_services(services), m_htmlHelp(services) {}

void HelpCommands::showHelp() {
    showTopic(mainHelpTopic);
}

bool HelpCommands::displayTopic(const QString& topic) {
    try {
        // Set anew every time: another topic may have been shown since.
        m_htmlHelp.setCHMFile(HTMLHelp::programHelpFolder());
        m_htmlHelp.setTopicURL(topic);
        return m_htmlHelp.DisplayTopicURL();
    } catch (...) {
        return false;
    }
}

bool HelpCommands::showTopic(const QString& topic) {
    const bool shown = displayTopic(topic);
    if (!shown)
        warn(m_services.messages, m_window, helpProblem);
    return shown;
}

void HelpCommands::openHomePage() {
    bool opened = false;
    try {
        opened = openWithShell(m_services.launcher, homePageAddress);
    } catch (...) {
    }
    if (!opened)
        warn(m_services.messages, m_window, browserProblem);
}

void HelpCommands::showAbout() {
    AboutBox box(m_services, m_window);
    box.exec();
}

} // namespace tincta

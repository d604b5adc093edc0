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
    return m_htmlHelp.displayTopic(HTMLHelp::programHelpFolder(), topic);
}

bool HelpCommands::showTopic(const QString& topic) {
    const bool shown = displayTopic(topic);
    if (!shown)
        warn(m_services.messages, m_window, helpProblem);
    return shown;
}

// A launcher that refuses gets the warning; one that throws goes to the last resort with
// everything else that throws.
void HelpCommands::openHomePage() {
    if (!openWithShell(m_services.launcher, homePageAddress))
        warn(m_services.messages, m_window, browserProblem);
}

void HelpCommands::showAbout() {
    AboutBox box(m_services, m_window);
    box.exec();
}

} // namespace tincta

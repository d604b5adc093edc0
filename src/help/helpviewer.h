#pragma once

#include "gui/platform/services.h"

#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;
class QToolBar;

namespace tincta {

// The style the help pages take from the theme's colours.
QString helpStyleSheet(const QPalette& palette);

// The window that shows the help topics. Links between topics stay inside it; web and mail
// links go to the desktop.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    HelpViewer(const Services& services, QWidget* parent = nullptr);

    // Shows the topic and brings the window to the front.
    void showTopic(const QUrl& topic);
    // The page Home goes back to: the table of contents.
    void setHomeTopic(const QUrl& topic) { m_home = topic; }

    QUrl source() const;
    QTextBrowser* browser() const { return m_browser; }

private:
    void followLink(const QUrl& url);
    void updateTitle();

    Services m_services;
    QTextBrowser* m_browser = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_homeAction = nullptr;
    QUrl m_home;
};

} // namespace tincta

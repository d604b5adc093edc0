#pragma once

#include "gui/platform/services.h"

#include <QDialog>

class QPushButton;

namespace tincta {

class AboutPicture;
class LinkLabel;

// The about box: what Tincta is, where to learn more and where to send comments. Its two links
// go to the desktop, and the box stays open after them.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(const Services& services, QWidget* parent);

private:
    void buildPanel();
    void openHomePage();
    void openMailClient();

    Services m_services;
    AboutPicture* m_panel = nullptr;
    LinkLabel* m_homePageLink = nullptr;
    LinkLabel* m_mailLink = nullptr;
    QPushButton* m_okButton = nullptr;
};

} // namespace tincta

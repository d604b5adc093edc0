#pragma once

#include "gui/platform/services.h"

#include <QDialog>

class QLabel;
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

    void cmdOK_Click();
    void lblLink_Click();
    void lblMailLink_Click();

    AboutPicture* picInfo = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblSlogan = nullptr;
    QLabel* lblMoreInfo = nullptr;
    LinkLabel* lblLink = nullptr;
    QLabel* lblFeedbackInfo = nullptr;
    LinkLabel* lblMailLink = nullptr;
    QLabel* lblDisclaimer = nullptr;
    // The program's version, below the fixed texts of the box.
    QLabel* lblVersion = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    Services m_services;
};

} // namespace tincta

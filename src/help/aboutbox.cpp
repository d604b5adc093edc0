#include "help/aboutbox.h"

#include "gui/platform/shellhelpers.h"
#include "gui/widgets/linklabel.h"
#include "gui/widgets/uitext.h"
#include "help/aboutpicture.h"
#include "help/helpmessages.h"
#include "help/productlinks.h"
#include "help/productversion.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tincta {

namespace {

const UiText caption{QT_TRANSLATE_NOOP("tincta", "About Tincta")};
const QString titleText = QStringLiteral("Tincta 2005");
const UiText sloganText{QT_TRANSLATE_NOOP(
    "tincta",
    "The smart and easy colour manager for developers, designers, and other artistic people.")};
const UiText moreInfoText{QT_TRANSLATE_NOOP("tincta", "Learn more about Tincta on the web:")};
const UiText feedbackInfoText{QT_TRANSLATE_NOOP("tincta", "Send comments and suggestions to:")};
const UiText disclaimerText{QT_TRANSLATE_NOOP(
    "tincta", "Tincta is free software. It is provided \"as is\", without warranties of any "
              "kind, express or implied. You use it at your own risk: no responsibility is "
              "taken for any consequences of its use.")};
const UiText okText{QT_TRANSLATE_NOOP("tincta", "OK")};
const UiText versionText{QT_TRANSLATE_NOOP("tincta", "Version %1")};

constexpr int titlePointSize = 12;
// The panel keeps the proportions of the classic box; the wrapped texts get a fixed width so
// the box has one height whatever the font.
constexpr QSize panelMargins(33, 31);
constexpr int panelMinimumWidth = 448;
constexpr int sloganWidth = 300;
constexpr int disclaimerWidth = 360;
constexpr int okWidth = 97;

QLabel* textLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setForegroundRole(QPalette::Text);
    label->setBackgroundRole(QPalette::Base);
    return label;
}

QLabel* wrappedLabel(const QString& name, const QString& text, int width, QWidget* parent) {
    QLabel* label = textLabel(name, text, parent);
    label->setWordWrap(true);
    // A fixed-size box asks its labels for a size hint, which for wrapped text does not depend
    // on the width; fix both so that no line is cut off.
    label->setFixedSize(width, label->heightForWidth(width));
    return label;
}

} // namespace

AboutBox::AboutBox(const Services& services, QWidget* parent)
    : QDialog(parent), m_services(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(caption);
    // Modal to the program's windows only: the help viewer stays usable beside it, as a help
    // program of its own would.
    setWindowModality(Qt::WindowModal);

    picInfo = new AboutPicture(this);
    picInfo->setObjectName(QStringLiteral("picInfo"));
    picInfo->setMinimumWidth(panelMinimumWidth);

    lblTitle = textLabel(QStringLiteral("lblTitle"), titleText, picInfo);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titlePointSize);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblSlogan = wrappedLabel(QStringLiteral("lblSlogan"), sloganText, sloganWidth, picInfo);
    lblMoreInfo = textLabel(QStringLiteral("lblMoreInfo"), moreInfoText, picInfo);
    lblLink = new LinkLabel(homePageAddress, picInfo);
    lblLink->setObjectName(QStringLiteral("lblLink"));
    lblLink->setBackgroundRole(QPalette::Base);
    lblFeedbackInfo = textLabel(QStringLiteral("lblFeedbackInfo"), feedbackInfoText, picInfo);
    lblMailLink = new LinkLabel(feedbackAddress, picInfo);
    lblMailLink->setObjectName(QStringLiteral("lblMailLink"));
    lblMailLink->setBackgroundRole(QPalette::Base);
    lblDisclaimer =
        wrappedLabel(QStringLiteral("lblDisclaimer"), disclaimerText, disclaimerWidth, picInfo);
    lblVersion =
        textLabel(QStringLiteral("lblVersion"), versionText.text().arg(programVersion), picInfo);

    cmdOK = new QPushButton(okText, picInfo);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdOK->setMinimumWidth(okWidth);

    auto* panel = new QVBoxLayout(picInfo);
    panel->setContentsMargins(24, 28, 24, 26);
    panel->setSpacing(0);
    panel->addWidget(lblTitle, 0, Qt::AlignHCenter);
    panel->addSpacing(6);
    panel->addWidget(lblSlogan, 0, Qt::AlignHCenter);
    panel->addSpacing(22);
    panel->addWidget(lblMoreInfo, 0, Qt::AlignHCenter);
    panel->addSpacing(3);
    panel->addWidget(lblLink, 0, Qt::AlignHCenter);
    panel->addSpacing(14);
    panel->addWidget(lblFeedbackInfo, 0, Qt::AlignHCenter);
    panel->addSpacing(3);
    panel->addWidget(lblMailLink, 0, Qt::AlignHCenter);
    panel->addSpacing(18);
    panel->addWidget(lblDisclaimer, 0, Qt::AlignHCenter);
    panel->addSpacing(10);
    panel->addWidget(lblVersion, 0, Qt::AlignHCenter);
    panel->addSpacing(24);
    panel->addWidget(cmdOK, 0, Qt::AlignHCenter);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(panelMargins.width(), panelMargins.height(), panelMargins.width(),
                              panelMargins.height());
    outer->addWidget(picInfo);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    // Escape reaches QDialog::reject and Enter the default button, whichever control has focus.
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(lblLink, &LinkLabel::clicked, this, [this] { lblLink_Click(); });
    connect(lblMailLink, &LinkLabel::clicked, this, [this] { lblMailLink_Click(); });
    cmdOK->setFocus();
}

void AboutBox::cmdOK_Click() {
    accept();
}

void AboutBox::lblLink_Click() {
    bool opened = false;
    try {
        opened = openWithShell(m_services.launcher, lblLink->text());
    } catch (...) {
    }
    if (!opened)
        warn(m_services.messages, this, browserProblem);
}

void AboutBox::lblMailLink_Click() {
    bool opened = false;
    try {
        opened = openMailTo(m_services.launcher, lblMailLink->text());
    } catch (...) {
    }
    if (!opened)
        warn(m_services.messages, this, mailClientProblem);
}

} // namespace tincta

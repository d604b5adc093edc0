#include "help/aboutbox.h"

#include "gui/platform/errorguard.h"
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
#include <utility>

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

LinkLabel* linkLabel(const QString& name, const QString& address, QWidget* parent) {
    auto* link = new LinkLabel(address, parent);
    link->setObjectName(name);
    link->setBackgroundRole(QPalette::Base);
    return link;
}

} // namespace

AboutBox::AboutBox(const Services& services, QWidget* parent)
    : QDialog(parent), m_services(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(caption);
    // Modal to the program's windows only: the help viewer stays usable beside it, as a help
    // program of its own would.
    setWindowModality(Qt::WindowModal);
    buildPanel();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(panelMargins.width(), panelMargins.height(), panelMargins.width(),
                              panelMargins.height());
    outer->addWidget(m_panel);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    // Escape reaches QDialog::reject and Enter the default button, whichever control has focus.
    connect(m_okButton, &QPushButton::clicked, this, guarded([this] { accept(); }));
    connect(m_homePageLink, &LinkLabel::clicked, this, guarded([this] { openHomePage(); }));
    connect(m_mailLink, &LinkLabel::clicked, this, guarded([this] { openMailClient(); }));
    m_okButton->setFocus();
}

void AboutBox::buildPanel() {
    m_panel = new AboutPicture(this);
    m_panel->setObjectName(QStringLiteral("picInfo"));
    m_panel->setMinimumWidth(panelMinimumWidth);

    // Made top to bottom, the order in which screen readers and Tab meet them.
    QLabel* title = textLabel(QStringLiteral("lblTitle"), titleText, m_panel);
    QFont titleFont = title->font();
    titleFont.setPointSize(titlePointSize);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QLabel* slogan = wrappedLabel(QStringLiteral("lblSlogan"), sloganText, sloganWidth, m_panel);
    QLabel* moreInfo = textLabel(QStringLiteral("lblMoreInfo"), moreInfoText, m_panel);
    m_homePageLink = linkLabel(QStringLiteral("lblLink"), homePageAddress, m_panel);
    QLabel* feedbackInfo = textLabel(QStringLiteral("lblFeedbackInfo"), feedbackInfoText, m_panel);
    m_mailLink = linkLabel(QStringLiteral("lblMailLink"), feedbackAddress, m_panel);
    QLabel* disclaimer =
        wrappedLabel(QStringLiteral("lblDisclaimer"), disclaimerText, disclaimerWidth, m_panel);
    // The program's version, below the fixed texts of the box.
    QLabel* version =
        textLabel(QStringLiteral("lblVersion"), versionText.text().arg(programVersion), m_panel);
    m_okButton = new QPushButton(okText, m_panel);
    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setDefault(true);
    m_okButton->setAutoDefault(true);
    m_okButton->setMinimumWidth(okWidth);

    auto* column = new QVBoxLayout(m_panel);
    column->setContentsMargins(24, 28, 24, 26);
    column->setSpacing(0);
    // Each control with the space below it.
    const std::pair<QWidget*, int> rows[] = {
        {title, 6},       {slogan, 22},     {moreInfo, 3}, {m_homePageLink, 14}, {feedbackInfo, 3},
        {m_mailLink, 18}, {disclaimer, 10}, {version, 24}, {m_okButton, 0}};
    for (const auto& [widget, spaceBelow] : rows) {
        column->addWidget(widget, 0, Qt::AlignHCenter);
        if (spaceBelow > 0)
            column->addSpacing(spaceBelow);
    }
}

// A launcher that refuses gets the warning; one that throws goes to the last resort with
// everything else that throws.
void AboutBox::openHomePage() {
    if (!openWithShell(m_services.launcher, m_homePageLink->text()))
        warn(m_services.messages, this, browserProblem);
}

void AboutBox::openMailClient() {
    if (!openMailTo(m_services.launcher, m_mailLink->text()))
        warn(m_services.messages, this, mailClientProblem);
}

} // namespace tincta

#include "help/helpviewer.h"

#include "gui/platform/services.h"
#include "gui/platform/shellhelpers.h"
#include "gui/widgets/programicon.h"
#include "gui/widgets/sidewindow.h"
#include "gui/widgets/themecolours.h"
#include "gui/widgets/uitext.h"
#include "help/helpmessages.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

namespace tincta {

namespace {

const QString viewerName = QStringLiteral("helpViewer");
const UiText defaultTitle{QT_TRANSLATE_NOOP("tincta", "Tincta Help")};
const UiText pageTitle{QT_TRANSLATE_NOOP("tincta", "%1 - Tincta Help")};
const UiText backText{QT_TRANSLATE_NOOP("tincta", "&Back")};
const UiText forwardText{QT_TRANSLATE_NOOP("tincta", "&Forward")};
const UiText homeText{QT_TRANSLATE_NOOP("tincta", "&Home")};
const UiText backToolTip{QT_TRANSLATE_NOOP("tincta", "Back (Alt+Left)")};
const UiText forwardToolTip{QT_TRANSLATE_NOOP("tincta", "Forward (Alt+Right)")};
const UiText homeToolTip{QT_TRANSLATE_NOOP("tincta", "Contents (Alt+Home)")};
const UiText helpPageName{QT_TRANSLATE_NOOP("tincta", "Help page")};
const QString mailScheme = QStringLiteral("mailto");
constexpr QSize viewerSize(760, 600);
constexpr int documentMargin = 10;
constexpr double screenShare = 0.9;
// The headings' own blue, kept where it reads on the theme's page.
const QColor headingBlue(0x1C, 0x5D, 0x99);

// Topics live on disk or among the compiled-in resources; everything else belongs to the
// desktop.
bool isTopicLink(const QUrl& url) {
    const QString scheme = url.scheme();
    return scheme.isEmpty() || scheme == QLatin1String("file") || scheme == QLatin1String("qrc");
}

} // namespace

QString helpStyleSheet(const QPalette& palette) {
    // The pages name no colours of their own; these follow the theme, light or dark, and stay
    // readable on it.
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const QColor heading =
        readableOr(headingBlue, readableOr(palette.color(QPalette::Link), text, base), base);
    const QColor shaded = readableOr(palette.color(QPalette::AlternateBase), base, text);
    return QStringLiteral("h1, h2 { color: %1; }\n"
                          "th, .note { background-color: %2; color: %3; }\n")
        .arg(heading.name(), shaded.name(), text.name());
}

HelpViewer::HelpViewer(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services) {
    setObjectName(viewerName);
    setWindowTitle(defaultTitle);
    setWindowIcon(tinctaIcon());
    makeSideWindow(this);
    // Never larger than the screen, whatever its size and scale.
    if (const QScreen* shown = screen())
        resize(viewerSize.boundedTo(shown->availableGeometry().size() * screenShare));
    else
        resize(viewerSize);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("helpToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = m_toolBar->addAction(programIcon(QStringLiteral("back")), backText);
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_back->setToolTip(backToolTip);
    m_back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    m_forward = m_toolBar->addAction(programIcon(QStringLiteral("forward")), forwardText);
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_forward->setToolTip(forwardToolTip);
    m_forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    m_homeAction = m_toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), homeText);
    m_homeAction->setObjectName(QStringLiteral("helpHome"));
    m_homeAction->setToolTip(homeToolTip);
    m_homeAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(helpPageName);
    // Links are followed here, so that web and mail links reach the launcher and its refusal
    // can be reported.
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    m_browser->document()->setDocumentMargin(documentMargin);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_browser);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_homeAction, &QAction::triggered, this, [this] {
        if (m_home.isValid())
            m_browser->setSource(m_home);
    });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::updateTitle);
}

void HelpViewer::showTopic(const QUrl& topic) {
    m_browser->document()->setDefaultStyleSheet(helpStyleSheet(m_browser->palette()));
    m_browser->setSource(topic);
    updateTitle();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

QUrl HelpViewer::source() const {
    return m_browser->source();
}

void HelpViewer::followLink(const QUrl& url) {
    if (isTopicLink(url)) {
        m_browser->setSource(url);
        return;
    }
    if (m_services.launcher.openUrl(url))
        return;
    const bool mail = url.scheme() == mailScheme;
    warn(m_services.messages, this, mail ? mailClientProblem : browserProblem);
}

void HelpViewer::updateTitle() {
    // Every page names the help it belongs to, so the window is found by that name.
    const QString title = m_browser->documentTitle();
    if (title.isEmpty() || title == defaultTitle)
        setWindowTitle(defaultTitle);
    else
        setWindowTitle(pageTitle.text().arg(title));
}

} // namespace tincta

#include "mainwindowfixture.h"
#include "settingsstore.h"

#include "help/helpcommands.h"
#include "help/helpviewer.h"
#include "help/htmlhelp.h"
#include "help/productlinks.h"

#include "gui/widgets/swatchgrid.h"
#include "palettewindowhelpers.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QWindow>

using namespace tincta;
using namespace tincta::test;

namespace {

const QString helpProblem = QStringLiteral("Problem with HTML Help.");

QList<QWidget*> openViewers() {
    QList<QWidget*> viewers;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("helpViewer") && window->isVisible())
            viewers.append(window);
    }
    return viewers;
}

HelpViewer* openViewer() {
    const QList<QWidget*> viewers = openViewers();
    return viewers.size() == 1 ? qobject_cast<HelpViewer*>(viewers.constFirst()) : nullptr;
}

QString shownTopic() {
    HelpViewer* viewer = openViewer();
    return viewer == nullptr ? QString() : viewer->source().fileName();
}

void writeTopic(const QString& folder, const QString& topic, const QString& title) {
    QFile file(folder + QLatin1Char('/') + topic);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<html><head><title>%1</title></head><body><p>%1</p>"
                              "<p><a href=\"tincta10.htm\">next</a></p></body></html>")
                   .arg(title)
                   .toUtf8());
}

// Input as the window system delivers it, which a modal window may block; QTest's widget
// overloads hand events straight to the widget.
void clickThroughWindow(QWidget* widget, QPoint at = {}) {
    QWidget* window = widget->window();
    const QPoint point = widget->mapTo(window, at.isNull() ? widget->rect().center() : at);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpOpensTheMainTopic_data();
    void helpOpensTheMainTopic();
    void helpOpensTheMainTopicAfterAnotherTopic();
    void closingTheMainWindowClosesTheViewer();
    void destroyingTheMainWindowClosesTheViewer();
    void missingTopicWarns();
    void topicsOnDiskComeFirst();
    void helpFolderIsTheFirstThatHoldsTheContents_data();
    void helpFolderIsTheFirstThatHoldsTheContents();
    void viewerLinks_data();
    void viewerLinks();
    void viewerNavigatesBackForwardAndHome();
    void homePage_data();
    void homePage();
    void viewerAndDialogAreBothUsableWhileTheDialogIsOpen();
};

void TestHelp::helpOpensTheMainTopic_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("menu") << QStringLiteral("menu");
    QTest::newRow("toolbar button 15") << QStringLiteral("toolbar");
    QTest::newRow("F1") << QStringLiteral("key");
}

void TestHelp::helpOpensTheMainTopic() {
    QFETCH(QString, how);
    MainWindowFixture f;
    if (how == QLatin1String("menu"))
        f.ui().mnuHelpHelp->trigger();
    else if (how == QLatin1String("toolbar"))
        f.ui().toolbarButton(15)->trigger();
    else
        QTest::keyClick(f.window.get(), Qt::Key_F1);
    QCOMPARE(shownTopic(), mainHelpTopic);
    QCOMPARE(openViewers().size(), 1);
    QCOMPARE(openViewers().constFirst()->windowTitle(), QStringLiteral("Tincta Help"));
    QVERIFY(f.scripted.messages.shown.isEmpty());
}

void TestHelp::helpOpensTheMainTopicAfterAnotherTopic() {
    MainWindowFixture f;
    // The custom format dialog's Help shows its topic in the window's one viewer.
    whenModalOpens([](QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdHelp")),
                          Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    f.ui().mnuToolsCustomFormat->trigger();
    QCOMPARE(shownTopic(), QStringLiteral("tincta10.htm"));
    f.ui().mnuHelpHelp->trigger();
    QCOMPARE(shownTopic(), mainHelpTopic);
    // Still one viewer: Help raises the open one.
    QCOMPARE(openViewers().size(), 1);
    f.ui().mnuHelpHelp->trigger();
    QCOMPARE(openViewers().size(), 1);
}

void TestHelp::closingTheMainWindowClosesTheViewer() {
    MainWindowFixture f;
    f.ui().mnuHelpHelp->trigger();
    QPointer<HelpViewer> viewer = openViewer();
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(f.window->close());
    QVERIFY(viewer.isNull() || !viewer->isVisible());
    QVERIFY(openViewers().isEmpty());
}

void TestHelp::destroyingTheMainWindowClosesTheViewer() {
    MainWindowFixture f;
    f.ui().mnuHelpHelp->trigger();
    QPointer<HelpViewer> viewer = openViewer();
    QVERIFY(viewer);
    f.window.reset();
    QVERIFY(viewer.isNull());
}

void TestHelp::missingTopicWarns() {
    MainWindowFixture f;
    HelpCommands help(f.window.get(), f.scripted.services);
    QVERIFY(!help.showTopic(QStringLiteral("tincta99.htm")));
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const Message& message = f.scripted.messages.shown.constFirst();
    QCOMPARE(message.title, QStringLiteral("Tincta"));
    QCOMPARE(message.text, helpProblem);
    QCOMPARE(message.icon, MessageIcon::Warning);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QVERIFY(openViewers().isEmpty());
}

void TestHelp::topicsOnDiskComeFirst() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    writeTopic(folder.path(), mainHelpTopic, QStringLiteral("Local contents"));
    ScriptedServices scripted;
    HTMLHelp help(scripted.services);
    QVERIFY(help.displayTopic(folder.path(), mainHelpTopic));
    QCOMPARE(help.viewer()->source(), QUrl::fromLocalFile(folder.path() + "/tincta1.htm"));
    QCOMPARE(help.viewer()->windowTitle(), QStringLiteral("Local contents - Tincta Help"));

    // A folder without the topic falls back to the copies built into the program.
    QVERIFY(help.displayTopic(folder.path(), QStringLiteral("tincta10.htm")));
    QCOMPARE(help.viewer()->source(), QUrl(QStringLiteral("qrc:/help/tincta10.htm")));

    // An anchor is kept, and the file before it is what has to exist.
    QVERIFY(help.displayTopic(folder.path(), QStringLiteral("tincta1.htm#files")));
    QCOMPARE(help.viewer()->source().fragment(), QStringLiteral("files"));

    help.closeViewer();
    QVERIFY(help.viewer() == nullptr);
    help.closeViewer(); // closing twice is harmless
}

void TestHelp::helpFolderIsTheFirstThatHoldsTheContents_data() {
    QTest::addColumn<QStringList>("folders"); // "contents", "other" or "empty" per folder
    QTest::addColumn<int>("chosen");          // -1: the compiled-in copies
    QTest::newRow("none") << QStringList{} << -1;
    QTest::newRow("empty folders") << QStringList{"empty", "empty"} << -1;
    QTest::newRow("first") << QStringList{"contents", "contents"} << 0;
    QTest::newRow("second") << QStringList{"empty", "contents"} << 1;
    QTest::newRow("other topic only") << QStringList{"other", "contents"} << 1;
    QTest::newRow("missing folder") << QStringList{"missing", "contents"} << 1;
}

void TestHelp::helpFolderIsTheFirstThatHoldsTheContents() {
    QFETCH(QStringList, folders);
    QFETCH(int, chosen);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QStringList paths;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const QString path = root.path() + QStringLiteral("/f%1").arg(i);
        paths.append(path);
        if (folders[i] == QLatin1String("missing"))
            continue;
        QVERIFY(QDir().mkpath(path));
        if (folders[i] == QLatin1String("contents"))
            writeTopic(path, mainHelpTopic, QStringLiteral("x"));
        else if (folders[i] == QLatin1String("other"))
            writeTopic(path, QStringLiteral("tincta10.htm"), QStringLiteral("x"));
    }
    const QString expected = chosen < 0 ? builtInHelpFolder : paths[chosen];
    QCOMPARE(HTMLHelp::findHelpFolder(paths), expected);
}

void TestHelp::viewerLinks_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("launcherSucceeds");
    QTest::addColumn<QString>("expectedTopic");   // empty: the viewer stays where it was
    QTest::addColumn<QString>("expectedLaunch");  // empty: nothing handed to the desktop
    QTest::addColumn<QString>("expectedWarning"); // empty: no message
    QTest::newRow("other topic") << "tincta10.htm" << true << "tincta10.htm"
                                 << ""
                                 << "";
    QTest::newRow("anchor") << "#files" << true << "tincta1.htm"
                            << ""
                            << "";
    QTest::newRow("web") << "https://example.org/colours" << true << ""
                         << "https://example.org/colours"
                         << "";
    QTest::newRow("mail") << "mailto:someone@example.org" << true << ""
                          << "mailto:someone@example.org"
                          << "";
    QTest::newRow("web refused") << "http://example.org/" << false << ""
                                 << "http://example.org/"
                                 << "Problem with browser.";
    QTest::newRow("mail refused") << "mailto:someone@example.org" << false << ""
                                  << "mailto:someone@example.org"
                                  << "Problem with mail client.";
}

void TestHelp::viewerLinks() {
    QFETCH(QString, link);
    QFETCH(bool, launcherSucceeds);
    QFETCH(QString, expectedTopic);
    QFETCH(QString, expectedLaunch);
    QFETCH(QString, expectedWarning);
    ScriptedServices scripted;
    scripted.launcher.succeed = launcherSucceeds;
    HTMLHelp help(scripted.services);
    QVERIFY(help.displayTopic(builtInHelpFolder, mainHelpTopic));
    QTextBrowser* browser = help.viewer()->browser();
    const QUrl before = browser->source();
    Q_EMIT browser->anchorClicked(before.resolved(QUrl(link)));
    if (expectedTopic.isEmpty())
        QCOMPARE(browser->source(), before);
    else
        QCOMPARE(browser->source().fileName(), expectedTopic);
    if (expectedLaunch.isEmpty()) {
        QVERIFY(scripted.launcher.opened.isEmpty());
    } else {
        QCOMPARE(scripted.launcher.opened.size(), 1);
        QCOMPARE(scripted.launcher.opened.constFirst().toString(), expectedLaunch);
    }
    if (expectedWarning.isEmpty()) {
        QVERIFY(scripted.messages.shown.isEmpty());
    } else {
        QCOMPARE(scripted.messages.shown.size(), 1);
        QCOMPARE(scripted.messages.shown.constFirst().text, expectedWarning);
        QCOMPARE(scripted.messages.shown.constFirst().title, QStringLiteral("Tincta"));
        QCOMPARE(scripted.messages.shown.constFirst().icon, MessageIcon::Warning);
    }
}

void TestHelp::viewerNavigatesBackForwardAndHome() {
    ScriptedServices scripted;
    HTMLHelp help(scripted.services);
    QVERIFY(help.displayTopic(builtInHelpFolder, QStringLiteral("tincta10.htm")));
    HelpViewer* viewer = help.viewer();
    auto* back = viewer->findChild<QAction*>(QStringLiteral("helpBack"));
    auto* forward = viewer->findChild<QAction*>(QStringLiteral("helpForward"));
    auto* home = viewer->findChild<QAction*>(QStringLiteral("helpHome"));
    QVERIFY(back && forward && home);
    QVERIFY(!back->isEnabled());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Custom Format - Tincta Help"));
    // Home is the table of contents, not merely the first page shown.
    home->trigger();
    QCOMPARE(viewer->source().fileName(), mainHelpTopic);
    QVERIFY(back->isEnabled());
    back->trigger();
    QCOMPARE(viewer->source().fileName(), QStringLiteral("tincta10.htm"));
    QVERIFY(forward->isEnabled());
    forward->trigger();
    QCOMPARE(viewer->source().fileName(), mainHelpTopic);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Tincta Help"));
}

void TestHelp::homePage_data() {
    QTest::addColumn<bool>("launcherSucceeds");
    QTest::addColumn<int>("warnings");
    QTest::newRow("opened") << true << 0;
    QTest::newRow("refused") << false << 1;
}

void TestHelp::homePage() {
    QFETCH(bool, launcherSucceeds);
    QFETCH(int, warnings);
    MainWindowFixture f;
    f.scripted.launcher.succeed = launcherSucceeds;
    f.ui().mnuHomePage->trigger();
    QCOMPARE(f.scripted.launcher.opened, QList<QUrl>{QUrl(homePageAddress)});
    QCOMPARE(f.scripted.messages.shown.size(), warnings);
    if (warnings > 0) {
        QCOMPARE(f.scripted.messages.shown.constFirst().text,
                 QStringLiteral("Problem with browser."));
        QCOMPARE(f.scripted.messages.shown.constFirst().icon, MessageIcon::Warning);
    }
}

void TestHelp::viewerAndDialogAreBothUsableWhileTheDialogIsOpen() {
    clearStoredSettings();
    MainWindowFixture f;
    f.ui().cmdWebsafe->click();
    QWidget* websafe = topLevelNamed(QStringLiteral("frmWebsafe"));
    QVERIFY(websafe != nullptr);
    int scrolledTo = -1;
    QString topicAfterHome;
    whenModalOpens([&](QWidget* dialog) {
        clickThroughWindow(dialog->findChild<QPushButton*>(QStringLiteral("cmdHelp")));
        HelpViewer* viewer = openViewer();
        viewer->resize(320, 160);
        viewer->browser()->setFocus();
        QTest::keyClick(viewer->windowHandle(), Qt::Key_End);
        scrolledTo = viewer->browser()->verticalScrollBar()->value();
        auto* toolBar = viewer->findChild<QToolBar*>(QStringLiteral("helpToolBar"));
        clickThroughWindow(
            toolBar->widgetForAction(viewer->findChild<QAction*>(QStringLiteral("helpHome"))));
        topicAfterHome = viewer->source().fileName();
        // The palette windows stay out of reach, as the main window does.
        auto* grid = websafe->findChild<SwatchGrid*>();
        clickThroughWindow(grid, grid->cellRect(0).center());
        auto* format = dialog->findChild<QLineEdit*>(QStringLiteral("txtFormat"));
        format->setFocus();
        format->clear();
        QTest::keyClick(dialog->windowHandle(), Qt::Key_X);
        clickThroughWindow(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")));
        if (dialog->isVisible()) {
            qWarning("the dialog did not take OK");
            dialog->close();
        }
    });
    QTest::keyClick(f.window.get(), Qt::Key_F8);
    QVERIFY(scrolledTo > 0);
    QCOMPARE(topicAfterHome, mainHelpTopic);
    QCOMPARE(f.markColour(0), (Colour{255, 0, 0}));
    QCOMPARE(storedSetting(customFormatValueName), QStringLiteral("x"));
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"

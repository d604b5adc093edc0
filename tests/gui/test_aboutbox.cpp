#include "mainwindowfixture.h"

#include "gui/widgets/linklabel.h"
#include "help/aboutbox.h"
#include "help/aboutpicture.h"
#include "help/productlinks.h"
#include "help/productversion.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace tincta;
using namespace tincta::test;

namespace {

struct ModalVisit {
    bool found = false;
    bool ownedByMainWindow = false;
    bool modal = false;
    QString caption;
};

// The box's controls, found as screen readers and scripts find them.
template <typename T = QLabel> T* control(const QWidget* box, const char* name) {
    auto* found = box->findChild<T*>(QLatin1String(name));
    if (found == nullptr)
        qFatal("the about box has no %s", name);
    return found;
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void closesFromTheMenu_data();
    void closesFromTheMenu();
    void showsItsTexts();
    void linksGoToTheLauncher_data();
    void linksGoToTheLauncher();
    void onlyALeftClickOnTheLinkCounts();
};

void TestAboutBox::closesFromTheMenu_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << QStringLiteral("ok");
    QTest::newRow("Escape") << QStringLiteral("escape");
    QTest::newRow("Enter") << QStringLiteral("enter");
    QTest::newRow("Return") << QStringLiteral("return");
    QTest::newRow("window frame") << QStringLiteral("frame");
}

void TestAboutBox::closesFromTheMenu() {
    QFETCH(QString, how);
    MainWindowFixture f;
    ModalVisit visit;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        visit.found = true;
        visit.ownedByMainWindow = box->parentWidget() == f.window.get();
        visit.modal = box->isModal();
        visit.caption = box->windowTitle();
        if (how == QLatin1String("ok"))
            QTest::mouseClick(control<QPushButton>(box, "cmdOK"), Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(box, Qt::Key_Enter);
        else if (how == QLatin1String("return"))
            QTest::keyClick(control(box, "lblDisclaimer"), Qt::Key_Return);
        else
            box->close();
    });
    // Whatever happens, the test must not hang in the box's event loop.
    QTimer::singleShot(5000, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    QElapsedTimer clock;
    clock.start();
    f.ui().mnuHelpAboutTincta->trigger();
    QVERIFY(visit.found);
    QVERIFY(clock.elapsed() < 4000);
    QVERIFY(visit.ownedByMainWindow);
    QVERIFY(visit.modal);
    QCOMPARE(visit.caption, QStringLiteral("About Tincta"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(f.window->isVisible());
    QVERIFY(f.scripted.messages.shown.isEmpty());
}

void TestAboutBox::showsItsTexts() {
    ScriptedServices scripted;
    AboutBox box(scripted.services, nullptr);
    box.show();
    QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
    const QLabel* title = control(&box, "lblTitle");
    QCOMPARE(title->text(), QStringLiteral("Tincta 2005"));
    QCOMPARE(title->font().pointSize(), 12);
    QVERIFY(title->font().bold());
    QCOMPARE(control(&box, "lblSlogan")->text(),
             QStringLiteral("The smart and easy colour manager for developers, designers, and "
                            "other artistic people."));
    QCOMPARE(control(&box, "lblMoreInfo")->text(),
             QStringLiteral("Learn more about Tincta on the web:"));
    QCOMPARE(control(&box, "lblFeedbackInfo")->text(),
             QStringLiteral("Send comments and suggestions to:"));
    QCOMPARE(control<LinkLabel>(&box, "lblLink")->text(), homePageAddress);
    QCOMPARE(control<LinkLabel>(&box, "lblMailLink")->text(), feedbackAddress);
    const QLabel* disclaimer = control(&box, "lblDisclaimer");
    QVERIFY(disclaimer->text().contains(QStringLiteral("without warranties")));
    const QLabel* version = control(&box, "lblVersion");
    QCOMPARE(version->text(), QStringLiteral("Version ") + programVersion);
    QVERIFY(version->y() > disclaimer->y());
    const auto* ok = control<QPushButton>(&box, "cmdOK");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    const auto* panel = control<AboutPicture>(&box, "picInfo");
    for (const char* name : {"lblLink", "lblMailLink"}) {
        const auto* link = control<LinkLabel>(&box, name);
        QVERIFY(link->font().underline());
        // The theme's link colour, which reads on the panel in light and dark themes.
        QCOMPARE(link->palette().color(link->foregroundRole()),
                 panel->palette().color(QPalette::Link));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
    // Every text fits: nothing is cut off at the panel's edges.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        QVERIFY2(panel->rect().contains(QRect(label->mapTo(panel, QPoint(0, 0)), label->size())),
                 qPrintable(label->objectName()));
        if (label->wordWrap())
            QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                     qPrintable(label->objectName()));
        else
            QVERIFY2(label->width() >= label->sizeHint().width() &&
                         label->height() >= label->sizeHint().height(),
                     qPrintable(label->objectName()));
    }
}

void TestAboutBox::linksGoToTheLauncher_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("launcherSucceeds");
    QTest::addColumn<QString>("expectedUrl");
    QTest::addColumn<QString>("expectedWarning");
    QTest::newRow("home page") << "lblLink" << true << homePageAddress << "";
    QTest::newRow("home page refused")
        << "lblLink" << false << homePageAddress << "Problem with browser.";
    QTest::newRow("mail") << "lblMailLink" << true << QStringLiteral("mailto:") + feedbackAddress
                          << "";
    QTest::newRow("mail refused") << "lblMailLink" << false
                                  << QStringLiteral("mailto:") + feedbackAddress
                                  << "Problem with mail client.";
}

void TestAboutBox::linksGoToTheLauncher() {
    QFETCH(QString, label);
    QFETCH(bool, launcherSucceeds);
    QFETCH(QString, expectedUrl);
    QFETCH(QString, expectedWarning);
    ScriptedServices scripted;
    scripted.launcher.succeed = launcherSucceeds;
    AboutBox box(scripted.services, nullptr);
    box.show();
    auto* link = box.findChild<LinkLabel*>(label);
    QVERIFY(link != nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(scripted.launcher.opened.size(), 1);
    QCOMPARE(scripted.launcher.opened.constFirst().toString(), expectedUrl);
    if (label == QLatin1String("lblMailLink"))
        QCOMPARE(expectedUrl, QStringLiteral("mailto:") + link->text());
    if (expectedWarning.isEmpty()) {
        QVERIFY(scripted.messages.shown.isEmpty());
    } else {
        QCOMPARE(scripted.messages.shown.size(), 1);
        const Message& message = scripted.messages.shown.constFirst();
        QCOMPARE(message.text, expectedWarning);
        QCOMPARE(message.title, QStringLiteral("Tincta"));
        QCOMPARE(message.icon, MessageIcon::Warning);
        QCOMPARE(message.buttons, MessageButtons::Ok);
    }
    // The box stays open after a link.
    QVERIFY(box.isVisible());
    QCOMPARE(box.result(), 0);
}

void TestAboutBox::onlyALeftClickOnTheLinkCounts() {
    ScriptedServices scripted;
    AboutBox box(scripted.services, nullptr);
    box.show();
    auto* homePage = control<LinkLabel>(&box, "lblLink");
    QTest::mouseClick(homePage, Qt::RightButton);
    QTest::mouseClick(control<LinkLabel>(&box, "lblMailLink"), Qt::MiddleButton);
    // Pressed on the link but let go beside it: no click.
    QTest::mousePress(homePage, Qt::LeftButton);
    QTest::mouseRelease(homePage, Qt::LeftButton, {},
                        QPoint(homePage->width() + 5, homePage->height() + 5));
    QVERIFY(scripted.launcher.opened.isEmpty());
}

QTEST_MAIN(TestAboutBox)
#include "test_aboutbox.moc"

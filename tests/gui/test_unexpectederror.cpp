#include "mainwindowfixture.h"

#include "gui/platform/errorguard.h"

#include <QApplication>
#include <QDialog>
#include <stdexcept>

using namespace tincta;
using namespace tincta::test;

class TestUnexpectedError : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twoErrorsShowOneMessageAndCloseEveryWindow();
};

void TestUnexpectedError::twoErrorsShowOneMessageAndCloseEveryWindow() {
    MainWindowFixture f;
    QDialog other;
    other.show();
    f.scripted.messages.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    const auto fail = [] { throw std::runtime_error("boom"); };
    QVERIFY(!ErrorGuard::run(fail));
    QVERIFY(!ErrorGuard::run(fail));
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const Message& message = f.scripted.messages.shown.constFirst();
    QCOMPARE(message.title, QStringLiteral("Tincta"));
    QCOMPARE(message.text,
             QStringLiteral("Tincta encountered an unexpected error and must close."));
    QCOMPARE(message.icon, MessageIcon::Error);
    QVERIFY(!f.window->isVisible());
    QVERIFY(!other.isVisible());
    // Closing after the error asks nothing, even about a changed palette.
    QVERIFY(f.scripted.messages.shown.size() == 1);
}

QTEST_MAIN(TestUnexpectedError)
#include "test_unexpectederror.moc"

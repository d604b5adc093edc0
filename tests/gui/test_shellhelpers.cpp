#include "scriptedservices.h"

#include "gui/platform/shellhelpers.h"

#include <QDir>
#include <QTest>

using namespace tincta;
using namespace tincta::test;

class TestShellHelpers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openWithShellHandsOverTheTarget_data();
    void openWithShellHandsOverTheTarget();
    void openMailToPrefixesTheAddress_data();
    void openMailToPrefixesTheAddress();
    void refusalIsReported();
};

void TestShellHelpers::openWithShellHandsOverTheTarget_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QUrl>("expected");
    QTest::newRow("web page") << "https://tincta.github.io/"
                              << QUrl(QStringLiteral("https://tincta.github.io/"));
    QTest::newRow("web page with query")
        << "http://example.org/a?b=c#d" << QUrl(QStringLiteral("http://example.org/a?b=c#d"));
    QTest::newRow("path with blanks")
        << "/home/user/My Palettes/sky blue.txt"
        << QUrl::fromLocalFile(QStringLiteral("/home/user/My Palettes/sky blue.txt"));
    // A URL parser would take these for a fragment and a query and cut the path short.
    QTest::newRow("path with hash and question mark")
        << "/tmp/#1 what?.txt" << QUrl::fromLocalFile(QStringLiteral("/tmp/#1 what?.txt"));
    QTest::newRow("relative path")
        << "sky.txt"
        << QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("sky.txt")));
}

void TestShellHelpers::openWithShellHandsOverTheTarget() {
    QFETCH(QString, target);
    QFETCH(QUrl, expected);
    RecordingLauncher launcher;
    QVERIFY(openWithShell(launcher, target));
    QCOMPARE(launcher.opened, QList<QUrl>{expected});
    if (expected.isLocalFile())
        QCOMPARE(launcher.opened.constFirst().toLocalFile(),
                 QDir::cleanPath(QDir::current().absoluteFilePath(target)));
}

void TestShellHelpers::openMailToPrefixesTheAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("plain") << "feedback@tincta.org";
    QTest::newRow("with plus") << "first.last+tincta@example.org";
}

void TestShellHelpers::openMailToPrefixesTheAddress() {
    QFETCH(QString, address);
    RecordingLauncher launcher;
    QVERIFY(openMailTo(launcher, address));
    QCOMPARE(launcher.opened.size(), 1);
    QCOMPARE(launcher.opened.constFirst().toString(), QStringLiteral("mailto:") + address);
    QCOMPARE(launcher.opened.constFirst().scheme(), QStringLiteral("mailto"));
}

void TestShellHelpers::refusalIsReported() {
    RecordingLauncher launcher;
    launcher.succeed = false;
    QVERIFY(!openWithShell(launcher, QStringLiteral("https://tincta.github.io/")));
    QVERIFY(!openMailTo(launcher, QStringLiteral("feedback@tincta.org")));
    QCOMPARE(launcher.opened.size(), 2);
    // Nothing to hand over is no success either.
    launcher.succeed = true;
    QVERIFY(!openWithShell(launcher, QString()));
    QCOMPARE(launcher.opened.size(), 2);
}

QTEST_APPLESS_MAIN(TestShellHelpers)
#include "test_shellhelpers.moc"

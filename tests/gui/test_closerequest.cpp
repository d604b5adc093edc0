#include "mainwindowfixture.h"
#include "palettetesthelpers.h"
#include "settingsstore.h"

#include "settings/settingsrecord.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>

using namespace tincta;
using namespace tincta::test;

class TestCloseRequest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void closeRequest_data();
    void closeRequest();
};

void TestCloseRequest::closeRequest_data() {
    QTest::addColumn<int>("promptToSave");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("savePath"); // the Save As answer; empty: cancelled
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");

    const int yes = int(MessageAnswer::Yes), no = int(MessageAnswer::No),
              cancel = int(MessageAnswer::Cancel);
    QTest::newRow("unchanged") << 1 << false << yes << "" << false << true;
    QTest::newRow("changed, prompt off") << 0 << true << yes << "" << false << true;
    QTest::newRow("changed, cancel") << 1 << true << cancel << "" << true << false;
    QTest::newRow("changed, no") << 1 << true << no << "" << true << true;
    QTest::newRow("changed, yes, save as cancelled") << 1 << true << yes << "" << true << false;
    QTest::newRow("changed, yes, save failed")
        << 1 << true << yes << "file/Sky.txt" << true << false;
    QTest::newRow("changed, yes, saved") << 1 << true << yes << "Sky.txt" << true << true;
}

void TestCloseRequest::closeRequest() {
    QFETCH(int, promptToSave);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(QString, savePath);
    QFETCH(bool, asked);
    QFETCH(bool, closed);

    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("file")), "a file, not a folder");
    storeSetting(promptToSaveValueName, QString::number(promptToSave));
    MainWindowFixture f;
    QDialog other;
    other.show();
    if (changed)
        editPalette(f);
    f.scripted.messages.answers = {MessageAnswer(answer)};
    f.scripted.files.paths << (savePath.isEmpty() ? QString() : dir.filePath(savePath));

    f.ui().mnuFileExit->trigger();

    QVERIFY(!f.scripted.messages.shown.isEmpty() == asked);
    if (asked) {
        QCOMPARE(f.scripted.messages.shown.constFirst().text,
                 QStringLiteral("The palette has been changed. Do you want to save it?"));
    }
    QCOMPARE(f.window->isVisible(), !closed);
    QCOMPARE(other.isVisible(), !closed);
    if (!closed)
        QCOMPARE(f.paletteChanged(), changed);
    if (savePath == QLatin1String("Sky.txt"))
        QVERIFY(QFile::exists(dir.filePath(savePath)));
}

QTEST_MAIN(TestCloseRequest)
#include "test_closerequest.moc"

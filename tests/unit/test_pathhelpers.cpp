#include "palette/pathhelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tincta;

class TestPathHelpers : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Colours")));
        QFile file(m_dir.filePath(QStringLiteral("Sky.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void textAfterLast_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("windows path") << "C:\\Colours\\Sky.txt"
                                      << "\\"
                                      << "Sky.txt";
        QTest::newRow("posix path") << "/home/ann/Sky.txt"
                                    << "/"
                                    << "Sky.txt";
        QTest::newRow("no separator") << "Sky.txt"
                                      << "\\"
                                      << "Sky.txt";
        QTest::newRow("empty text") << ""
                                    << "\\"
                                    << "";
        QTest::newRow("empty separator") << "a\\b"
                                         << ""
                                         << "a\\b";
        QTest::newRow("separator last") << "C:\\Colours\\"
                                        << "\\"
                                        << "";
        QTest::newRow("longer separator") << "oneABtwoABthree"
                                          << "AB"
                                          << "three";
        QTest::newRow("case-sensitive") << "oneXtwo"
                                        << "x"
                                        << "oneXtwo";
    }
    void textAfterLast() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        QCOMPARE(tincta::textAfterLast(text, separator), expected);
    }

    void folderExists_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("expected");
        const QString base = m_dir.path();
        QTest::newRow("root") << "/" << true;
        QTest::newRow("existing folder") << base + "/Colours" << true;
        QTest::newRow("trailing separator") << base + "/Colours/" << true;
        QTest::newRow("other letter case") << base + "/colours" << false;
        QTest::newRow("file") << base + "/Sky.txt" << false;
        QTest::newRow("missing") << base + "/Gone" << false;
        QTest::newRow("empty") << "" << false;
    }
    void folderExists() {
        QFETCH(QString, path);
        QFETCH(bool, expected);
        const QString copy = path;
        QCOMPARE(tincta::folderExists(path), expected);
        QCOMPARE(path, copy);
    }
};

QTEST_APPLESS_MAIN(TestPathHelpers)
#include "test_pathhelpers.moc"

#include "mainwindowfixture.h"
#include "palettetesthelpers.h"
#include "testdata.h"

#include "gui/widgets/trackedlineedit.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace tincta;
using namespace tincta::test;

namespace {

const Colour namesFirstColour{10, 11, 12};

QString namesFile(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("Sky.txt"));
    writeFile(path, readTestData(QStringLiteral("palettefile/names.txt")));
    return path;
}

} // namespace

class TestPaletteOpen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void openAccepts_data();
    void openAccepts();
    void openRejects_data();
    void openRejects();
    void openRejectsWhatIsNotARegularFile_data();
    void openRejectsWhatIsNotARegularFile();
    void openKeepsLongNamesWhole();

private:
    // Opens Sky.txt, then `path`, which must be rejected without touching the open palette.
    void verifyRejectedAfterSky(const QString& path);

    QTemporaryDir m_dir;
};

void TestPaletteOpen::init() {
    QVERIFY(m_dir.isValid());
}

void TestPaletteOpen::openAccepts_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<Colour>("firstColour");

    const QByteArray names = readTestData(QStringLiteral("palettefile/names.txt"));
    QByteArray lf = names;
    lf.replace("\r\n", "\n");
    QByteArray cr = names;
    cr.replace("\r\n", "\r");
    QTest::newRow("written by the program") << names << "Sky, blue" << namesFirstColour;
    QTest::newRow("lone LF line ends") << lf << "Sky, blue" << namesFirstColour;
    QTest::newRow("lone CR line ends") << cr << "Sky, blue" << namesFirstColour;
    QTest::newRow("cut after the data")
        << names.left(names.indexOf("\r\n\r\n[Sky")) << "Sky, blue" << namesFirstColour;
    QTest::newRow("1000 lines") << names + QByteArray(900, '\n') << "Sky, blue" << namesFirstColour;
    QTest::newRow("older layout") << readTestData(QStringLiteral("palettefile/legacy-5.txt"))
                                  << "Sky" << Colour{12, 34, 56};
    QTest::newRow("name in UTF-8") << QByteArray(names).replace("Sky, blue", "Himmelblå ☁")
                                   << "Himmelblå ☁" << namesFirstColour;
}

void TestPaletteOpen::openAccepts() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, firstName);
    QFETCH(Colour, firstColour);

    MainWindowFixture f;
    const QString path = m_dir.filePath(QStringLiteral("My palette.txt"));
    writeFile(path, bytes);
    f.scripted.files.paths << path;
    f.ui().toolbarButton(2)->trigger();

    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - My palette.txt"));
    QCOMPARE(f.ui().txtName[0]->text(), firstName);
    QCOMPARE(f.markColour(0), firstColour);
    QCOMPARE(f.sliderColour(), firstColour);
    QVERIFY(!f.paletteChanged());
    QVERIFY(f.ui().hsbRed->hasFocus());
}

void TestPaletteOpen::openRejects_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // null: make a folder of that name; empty: no file

    const QByteArray names = readTestData(QStringLiteral("palettefile/names.txt"));
    QTest::newRow("not a palette") << "notes.txt" << QByteArray("Shopping list\r\n");
    QTest::newRow("header with trailing blank")
        << "blank.txt" << QByteArray(names).replace(".\r\nDo not", ". \r\nDo not");
    QTest::newRow("empty file") << "empty.txt" << QByteArray("");
    QTest::newRow("value above 255")
        << "over.txt" << QByteArray(names).replace("10,11,12", "10,256,12");
    QTest::newRow("value with a fraction")
        << "fraction.txt" << QByteArray(names).replace("10,11,12", "10,11.5,12");
    QTest::newRow("more than 1000 lines") << "long.txt" << names + QByteArray(901, '\n');
    QTest::newRow("more than 1 MiB") << "big.txt" << names + QByteArray(1024 * 1024, ' ');
    QTest::newRow("a folder") << "folder.txt" << QByteArray();
    QTest::newRow("a file that does not exist") << "missing.txt" << QByteArray("");
}

void TestPaletteOpen::openRejects() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);

    const QString path = m_dir.filePath(name);
    if (bytes.isNull())
        QVERIFY(QDir(m_dir.path()).mkdir(name));
    else if (name != QLatin1String("missing.txt"))
        writeFile(path, bytes);
    verifyRejectedAfterSky(path);
}

void TestPaletteOpen::verifyRejectedAfterSky(const QString& path) {
    MainWindowFixture f;
    // A palette opened before: a rejection keeps it, its caption and where Save writes.
    const QString sky = namesFile(m_dir);
    f.scripted.files.paths << sky << path;
    f.ui().mnuFileOpen->trigger();
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - Sky.txt"));
    f.ui().mnuFileOpen->trigger();

    QVERIFY(f.window->isVisible());
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const Message& message = f.scripted.messages.shown.constFirst();
    QCOMPARE(message.text, QStringLiteral("You tried to open the file\r\n\r\n") + path +
                               QStringLiteral("\r\n\r\nThis file has not been made in Tincta and "
                                              "cannot be opened in Tincta"));
    QCOMPARE(message.title, QStringLiteral("Tincta"));
    QCOMPARE(message.icon, MessageIcon::Warning);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - Sky.txt"));
    QCOMPARE(f.markColour(0), namesFirstColour);
    QCOMPARE(f.ui().txtName[0]->text(), QStringLiteral("Sky, blue"));
    QVERIFY(!f.paletteChanged());
    // Save still writes the palette opened before.
    f.ui().hsbBlue->setValue(1);
    f.ui().mnuFileSave->trigger();
    QCOMPARE(f.scripted.files.requests.size(), 2);
    QVERIFY(fileBytes(sky).contains("\r\n10,11,1\r\n"));
}

void TestPaletteOpen::openRejectsWhatIsNotARegularFile_data() {
    QTest::addColumn<QString>("path"); // empty: a named pipe that nothing ever writes to

    QTest::newRow("named pipe") << QString();
    QTest::newRow("endless device") << "/dev/zero";
    QTest::newRow("terminal device") << "/dev/ptmx";
}

// Opening or reading any of these waits for good; the program must not.
void TestPaletteOpen::openRejectsWhatIsNotARegularFile() {
    QFETCH(QString, path);
    if (path.isEmpty()) {
        path = m_dir.filePath(QStringLiteral("pipe.txt"));
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    if (!QFileInfo::exists(path))
        QSKIP("this system has no such device");
    verifyRejectedAfterSky(path);
}

// A name longer than the name box's typing limit is shown, kept and written back whole.
void TestPaletteOpen::openKeepsLongNamesWhole() {
    const QString longName = QStringLiteral("Midnight Blue Background Accent");
    QByteArray bytes = readTestData(QStringLiteral("palettefile/default-empty-template.txt"));
    bytes.replace(bytes.indexOf("Type a colour name"), 18, longName.toLatin1());
    bytes.replace(bytes.indexOf("[Type a colour name]"), 20, '[' + longName.toLatin1() + ']');
    const QString path = m_dir.filePath(QStringLiteral("Long.txt"));
    writeFile(path, bytes);

    MainWindowFixture f;
    f.scripted.files.paths << path << path;
    f.ui().mnuFileOpen->trigger();
    QCOMPARE(f.ui().txtName[0]->text(), longName);
    QVERIFY(!f.paletteChanged());
    f.ui().mnuFileNew->trigger();
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - New palette"));

    f.ui().mnuFileOpen->trigger();
    QVERIFY(QFile::remove(path));
    f.ui().mnuFileSave->trigger();
    QCOMPARE(fileBytes(path), bytes);
}

QTEST_MAIN(TestPaletteOpen)
#include "test_paletteopen.moc"

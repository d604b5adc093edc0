#include "mainwindowfixture.h"
#include "palettetesthelpers.h"
#include "testdata.h"

#include "editing/namebox.h"
#include "gui/widgets/trackedlineedit.h"

#include <QAction>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tincta;
using namespace tincta::test;

namespace {

const QString couldNotSave =
    QStringLiteral("Could not save. Check if file or folder is read-only.");

// Makes every write of this process past `bytes` fail, as a full disk or a quota does; it stops
// root as well, which permission bits do not. Restores the old limit when it goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

enum class Target { Pipe, Folder, LinkToPipe };

// Puts something that is no regular file at `path`, inside the test's own folder: a test that
// fails must not be able to harm anything else on the machine.
bool makeTarget(Target target, const QString& path) {
    QFile::remove(path);
    const QByteArray pipePath =
        QFile::encodeName(path + (target == Target::LinkToPipe ? ".pipe" : ""));
    switch (target) {
    case Target::Folder:
        return QDir().mkdir(path);
    case Target::Pipe:
        return ::mkfifo(pipePath.constData(), 0600) == 0;
    case Target::LinkToPipe:
        return ::mkfifo(pipePath.constData(), 0600) == 0 &&
               QFile::link(QFile::decodeName(pipePath), path);
    }
    return false;
}

// Whether `path` is still what makeTarget put there.
bool isUntouched(Target target, const QString& path) {
    struct stat info {};
    const bool isPipe =
        ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
    switch (target) {
    case Target::Folder:
        return QFileInfo(path).isDir();
    case Target::Pipe:
        return isPipe && !QFileInfo(path).isSymLink();
    case Target::LinkToPipe:
        return isPipe && QFileInfo(path).isSymLink();
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Target)

class TestPaletteSaveFailure : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saveAsIntoAFolderThatCannotExist();
    void saveFailingPartWayKeepsTheOldFile();
    void saveRefusesAFileOpenWouldRefuse();
    void writersRefuseWhatIsNoRegularFile_data();
    void writersRefuseWhatIsNoRegularFile();
};

void TestPaletteSaveFailure::saveAsIntoAFolderThatCannotExist() {
    QTemporaryDir dir;
    MainWindowFixture f;
    const QString regularFile = dir.filePath(QStringLiteral("not-a-folder"));
    writeFile(regularFile, "x");
    f.ui().txtName[2]->setText(QStringLiteral("Grass"));
    f.scripted.files.paths << regularFile + QStringLiteral("/Sky.txt");
    f.ui().mnuFileSaveAs->trigger();

    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QCOMPARE(f.scripted.messages.shown.constFirst().text, couldNotSave);
    QCOMPARE(f.scripted.messages.shown.constFirst().icon, MessageIcon::Warning);
    QCOMPARE(f.scripted.messages.shown.constFirst().title, QStringLiteral("Tincta"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - New palette"));
    QVERIFY(f.paletteChanged());
    // Save still asks where to save.
    f.ui().mnuFileSave->trigger();
    QCOMPARE(f.scripted.files.requests.size(), 2);
}

void TestPaletteSaveFailure::saveFailingPartWayKeepsTheOldFile() {
    QTemporaryDir dir;
    MainWindowFixture f;
    const QString path = dir.filePath(QStringLiteral("Sky.txt"));
    const QByteArray old = readTestData(QStringLiteral("palettefile/names.txt"));
    writeFile(path, old);
    f.scripted.files.paths << path;
    f.ui().mnuFileOpen->trigger();
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - Sky.txt"));
    f.ui().hsbGreen->setValue(200);
    QVERIFY(isMarkedEdited(f.ui().txtName[0]));

    {
        FileSizeLimit limit(512);
        QVERIFY(limit.active());
        f.ui().mnuFileSave->trigger();
    }

    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QCOMPARE(f.scripted.messages.shown.constFirst().text, couldNotSave);
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Sky.txt"});
    QVERIFY(f.paletteChanged());
    QVERIFY(isMarkedEdited(f.ui().txtName[0]));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - Sky.txt"));

    // Once writing works again the same Save goes through.
    f.ui().mnuFileSave->trigger();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QVERIFY(fileBytes(path).contains("\r\n10,200,12\r\n"));
    QVERIFY(!f.paletteChanged());
}

// A palette of our own may hold a name of any length, but written twice it would make a file
// larger than Open reads: Save says so and writes nothing, and the palette stays changed.
void TestPaletteSaveFailure::saveRefusesAFileOpenWouldRefuse() {
    QTemporaryDir dir;
    MainWindowFixture f;
    const QString path = dir.filePath(QStringLiteral("Long.txt"));
    QList<QByteArray> lines = readTestData(QStringLiteral("palettefile/names.txt")).split('\n');
    lines[4] = QByteArray(600000, 'a') + '\r';
    const QByteArray old = lines.join('\n');
    writeFile(path, old);
    f.scripted.files.paths << path;
    f.ui().mnuFileOpen->trigger();
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - Long.txt"));
    f.ui().hsbGreen->setValue(200);

    QTest::keyClick(f.window.get(), Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const Message& shown = f.scripted.messages.shown.constFirst();
    QVERIFY2(shown.text.contains(QStringLiteral("1 MiB")), qPrintable(shown.text));
    QCOMPARE(shown.icon, MessageIcon::Warning);
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Long.txt"});
    QVERIFY(f.paletteChanged());
    QVERIFY(isMarkedEdited(f.ui().txtName[0]));
}

// Every writer refuses what Open refuses to read, with its usual message, and leaves it as it was.
void TestPaletteSaveFailure::writersRefuseWhatIsNoRegularFile_data() {
    QTest::addColumn<QString>("writer"); // the command's objectName
    QTest::addColumn<Target>("target");
    for (const char* writer : {"mnuFileSave", "mnuFileSaveAs", "mnuFileExport"}) {
        QTest::addRow("%s, named pipe", writer) << writer << Target::Pipe;
        QTest::addRow("%s, folder", writer) << writer << Target::Folder;
        QTest::addRow("%s, link to a named pipe", writer) << writer << Target::LinkToPipe;
    }
}

void TestPaletteSaveFailure::writersRefuseWhatIsNoRegularFile() {
    QFETCH(QString, writer);
    QFETCH(Target, target);
    QTemporaryDir dir;
    MainWindowFixture f;
    const QString path = dir.filePath(QStringLiteral("p.gpl"));
    if (writer == QLatin1String("mnuFileSave")) {
        // Save writes to the file last opened, which has become something else since.
        writeFile(path, readTestData(QStringLiteral("palettefile/names.txt")));
        f.scripted.files.paths << path;
        f.ui().mnuFileOpen->trigger();
    }
    const QString caption = f.window->windowTitle();
    editPalette(f);
    QVERIFY(makeTarget(target, path));
    f.scripted.files.paths << path;
    f.find<QAction>(writer)->trigger();

    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const QString text = f.scripted.messages.shown.constFirst().text;
    QVERIFY2(text == couldNotSave ||
                 (writer == QLatin1String("mnuFileExport") && text.contains(path) &&
                  text.contains(QLatin1String("read-only"))),
             qPrintable(text));
    QVERIFY(isUntouched(target, path));
    QVERIFY(f.paletteChanged());
    QCOMPARE(f.window->windowTitle(), caption);
}

QTEST_MAIN(TestPaletteSaveFailure)
#include "test_palettesavefailure.moc"

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

} // namespace

class TestPaletteSaveFailure : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saveAsIntoAFolderThatCannotExist();
    void saveFailingPartWayKeepsTheOldFile();
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

QTEST_MAIN(TestPaletteSaveFailure)
#include "test_palettesavefailure.moc"

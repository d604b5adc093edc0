#include "registry/easyreg.h"
#include "registry/sqlitestore.h"
#include "testdata.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>
#include <string>

using namespace tincta;
using namespace std::string_literals;

namespace {

const std::string programKey = "Software\\Quillmere\\Tincta 2005";

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList asideFiles(const QDir& dir) {
    return dir.entryList({QStringLiteral("registry.sqlite3.corrupt-*")}, QDir::Files);
}

} // namespace

class TestSqliteStore : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString storePath() const { return m_dir.filePath(QStringLiteral("registry.sqlite3")); }

private Q_SLOTS:
    void init() {
        QDir dir(m_dir.path());
        for (const auto& name : dir.entryList(QDir::Files))
            dir.remove(name);
    }

    void defaultFileFollowsXdgConfigHome_data() {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << QByteArray("/tmp/cfg") << "/tmp/cfg/tincta/registry.sqlite3";
        QTest::newRow("unset") << QByteArray() << "/home/someone/.config/tincta/registry.sqlite3";
        QTest::newRow("relative is ignored")
            << QByteArray("cfg") << "/home/someone/.config/tincta/registry.sqlite3";
    }
    void defaultFileFollowsXdgConfigHome() {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, expected);
        const auto savedXdg = qgetenv("XDG_CONFIG_HOME");
        const auto savedHome = qgetenv("HOME");
        qputenv("HOME", "/home/someone");
        if (xdg.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", xdg);
        const auto path = SqliteStore::defaultFilePath();
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedXdg);
        QCOMPARE(QString::fromStdString(path), expected);
    }

    void newStoreHoldsSoftwareUnderEachHive_data() {
        QTest::addColumn<int>("hive");
        QTest::newRow("HKEY_CLASSES_ROOT") << HKEY_CLASSES_ROOT;
        QTest::newRow("HKEY_CURRENT_USER") << HKEY_CURRENT_USER;
        QTest::newRow("HKEY_LOCAL_MACHINE") << HKEY_LOCAL_MACHINE;
        QTest::newRow("HKEY_USERS") << HKEY_USERS;
        QTest::newRow("HKEY_CURRENT_CONFIG") << HKEY_CURRENT_CONFIG;
    }
    void newStoreHoldsSoftwareUnderEachHive() {
        QFETCH(int, hive);
        SqliteStore store(storePath().toStdString());
        QVERIFY(store.keyExists(hive, "Software"));
        QVERIFY(store.keyExists(hive, "software"));
        QVERIFY(store.keyExists(hive, ""));
        QVERIFY(!store.keyExists(hive, "Software\\Quillmere"));
        QVERIFY(!store.keyExists(0, "Software"));
        // Deleting it sticks: the seed is planted once, not at every opening.
        QVERIFY(store.deleteKey(hive, "Software"));
        QVERIFY(!SqliteStore(storePath().toStdString()).keyExists(hive, "Software"));
    }

    void createsItsFolder() {
        const auto path = m_dir.filePath(QStringLiteral("a/b/registry.sqlite3")).toStdString();
        SqliteStore store(path);
        QVERIFY(store.createKey(HKEY_CURRENT_USER, "Software", "Quillmere"));
        QVERIFY(QFile::exists(QString::fromStdString(path)));
    }

    void keysKeepTheirFirstSpelling() {
        SqliteStore store(storePath().toStdString());
        QVERIFY(store.createKey(HKEY_CURRENT_USER, "SOFTWARE", "Quillmere\\Tincta 2005"));
        QVERIFY(store.createKey(HKEY_CURRENT_USER, "software", "QUILLMERE\\Tincta 2005\\Extra"));
        QVERIFY(store.setValue(HKEY_CURRENT_USER, "software\\quillmere\\tincta 2005", "V", REG_SZ,
                               "x"));
        QCOMPARE(store.queryValue(HKEY_CURRENT_USER, programKey, "v")->data, "x"s);
        // A key with a subkey is not deleted; the leaf is.
        QVERIFY(!store.deleteKey(HKEY_CURRENT_USER, "SOFTWARE\\QUILLMERE\\TINCTA 2005"));
        QVERIFY(store.deleteKey(HKEY_CURRENT_USER, "Software\\Quillmere\\Tincta 2005\\extra"));
        QVERIFY(store.deleteKey(HKEY_CURRENT_USER, programKey));
        QVERIFY(!store.queryValue(HKEY_CURRENT_USER, programKey, "v"));
    }

    void unusableFileIsMovedAside_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("text") << QByteArray("this is not a database\n");
        QTest::newRow("random block") << QByteArray(4096, '\xa5');
        QByteArray header("SQLite format 3\0", 16);
        QTest::newRow("header, then garbage") << header + QByteArray(4080, '\x7f');
        // A crafted file on which SQLite answers every statement with "out of memory".
        QTest::newRow("answers out of memory")
            << test::readTestData(QStringLiteral("registrystore/store-out-of-memory.sqlite3"));
    }
    void unusableFileIsMovedAside() {
        QFETCH(QByteArray, contents);
        QVERIFY(writeFile(storePath(), contents));
        EasyReg reg(std::make_unique<SqliteStore>(storePath().toStdString()));
        reg.DefaultHive(HKEY_CURRENT_USER);
        reg.DefaultSubKey(programKey);
        bool ok = true;
        QCOMPARE(reg.GetValue("FormatIndex", ok, "0"), "0"s);
        QVERIFY(!ok);
        const auto aside = asideFiles(QDir(m_dir.path()));
        QCOMPARE(aside.size(), 1);
        QFile kept(m_dir.filePath(aside.first()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), contents);
        QVERIFY(reg.SetString("FormatIndex", "3"));
        QCOMPARE(reg.GetValue("FormatIndex", ok, "0"), "3"s);
        QCOMPARE(asideFiles(QDir(m_dir.path())).size(), 1);
    }

    void foreignDatabaseIsMovedAside_data() {
        QTest::addColumn<QByteArray>("sql");
        QTest::newRow("other tables")
            << QByteArray("CREATE TABLE notes(x); INSERT INTO notes VALUES(1);");
        QTest::newRow("our names, other columns")
            << QByteArray("CREATE TABLE keys(a); CREATE TABLE vals(b); PRAGMA user_version = 1;");
        QTest::newRow("our tables with a trigger added") << QByteArray(
            "CREATE TABLE keys(hive INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE,"
            " PRIMARY KEY(hive, path));"
            "CREATE TABLE vals(hive INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE,"
            " name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, data BLOB NOT "
            "NULL, PRIMARY KEY(hive, path, name));"
            "CREATE TRIGGER t AFTER INSERT ON vals BEGIN DELETE FROM keys; END;"
            "PRAGMA user_version = 1;");
    }
    void foreignDatabaseIsMovedAside() {
        QFETCH(QByteArray, sql);
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(storePath().toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        SqliteStore store(storePath().toStdString());
        QVERIFY(store.keyExists(HKEY_CURRENT_USER, "Software"));
        QCOMPARE(asideFiles(QDir(m_dir.path())).size(), 1);
        QVERIFY(store.setValue(HKEY_CURRENT_USER, "Software", "v", REG_SZ, "x"));
    }

    // Damage inside the data, or a file SQLite would only open read-only, is found by the first
    // call, so that the calls after it work on one and the same fresh file.
    void damagedStoreIsReplacedAtFirstCall_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<char>("byte");
        QTest::newRow("newer file format") << 18 << '\x03';
        QTest::newRow("page of unknown type") << -4096 << '\x5a';
    }
    void damagedStoreIsReplacedAtFirstCall() {
        QFETCH(int, offset);
        QFETCH(char, byte);
        {
            SqliteStore store(storePath().toStdString());
            QVERIFY(store.createKey(HKEY_CURRENT_USER, "Software", "Quillmere"));
            for (int i = 0; i < 50; ++i)
                QVERIFY(store.setValue(HKEY_CURRENT_USER, "Software\\Quillmere",
                                       "value" + std::to_string(i), REG_SZ, std::string(200, 'v')));
        }
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        // A negative offset counts from the end: the type byte of the last page.
        bytes[offset >= 0 ? offset : bytes.size() + offset] = byte;
        QVERIFY(file.seek(0));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();

        SqliteStore store(storePath().toStdString());
        QVERIFY(store.keyExists(HKEY_CURRENT_USER, "Software"));
        QCOMPARE(asideFiles(QDir(m_dir.path())).size(), 1);
        QVERIFY(!store.keyExists(HKEY_CURRENT_USER, "Software\\Quillmere"));
        QVERIFY(store.createKey(HKEY_CURRENT_USER, "Software", "Quillmere"));
        QVERIFY(store.setValue(HKEY_CURRENT_USER, "Software\\Quillmere", "v", REG_SZ, "x"));
        QCOMPARE(asideFiles(QDir(m_dir.path())).size(), 1);
    }

    // Another program holds the file while it writes: past the batch's deadline every call gives
    // up and the batch says the store could not be used; a missing value is no such failure.
    void lockedStoreFailsPastTheDeadline() {
        SqliteStore store(storePath().toStdString());
        QVERIFY(store.setValue(HKEY_CURRENT_USER, "Software", "v", REG_SZ, "x"));
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(storePath().toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        store.beginBatch(std::chrono::steady_clock::now() + std::chrono::milliseconds(50));
        QVERIFY(!store.queryValue(HKEY_CURRENT_USER, "Software", "v"));
        QVERIFY(!store.setValue(HKEY_CURRENT_USER, "Software", "v", REG_SZ, "y"));
        QVERIFY(store.endBatch().unusable);
        sqlite3_close(other);
        store.beginBatch(std::chrono::steady_clock::now());
        QCOMPARE(store.queryValue(HKEY_CURRENT_USER, "Software", "v")->data, "x"s);
        QVERIFY(!store.queryValue(HKEY_CURRENT_USER, "Software", "missing"));
        QVERIFY(!store.endBatch().unusable);
        QVERIFY(asideFiles(QDir(m_dir.path())).isEmpty());
    }

    // A batch keeps the file open between its calls but no lock: another copy writes in
    // between without waiting, and each side reads the other's latest write.
    void batchSharesTheFileBetweenCalls() {
        SqliteStore store(storePath().toStdString());
        SqliteStore other(storePath().toStdString());
        QVERIFY(store.setValue(HKEY_CURRENT_USER, "Software", "v", REG_SZ, "x"));
        store.beginBatch(std::chrono::steady_clock::now() + std::chrono::seconds(5));
        other.beginBatch(std::chrono::steady_clock::now() + std::chrono::milliseconds(50));
        QCOMPARE(store.queryValue(HKEY_CURRENT_USER, "Software", "v")->data, "x"s);
        QVERIFY(other.setValue(HKEY_CURRENT_USER, "Software", "v", REG_SZ, "y"));
        QCOMPARE(store.queryValue(HKEY_CURRENT_USER, "Software", "v")->data, "y"s);
        QVERIFY(store.setValue(HKEY_CURRENT_USER, "Software", "v", REG_SZ, "z"));
        QCOMPARE(other.queryValue(HKEY_CURRENT_USER, "Software", "v")->data, "z"s);
        QVERIFY(!other.endBatch().unusable);
        QVERIFY(!store.endBatch().unusable);
    }

    void emptyFileBecomesAStore() {
        QVERIFY(writeFile(storePath(), {}));
        SqliteStore store(storePath().toStdString());
        QVERIFY(store.keyExists(HKEY_CURRENT_USER, "Software"));
        QVERIFY(asideFiles(QDir(m_dir.path())).isEmpty());
    }

    void unwritableFolderFailsQuietly() {
        SqliteStore store("/proc/no-such-folder/registry.sqlite3");
        store.beginBatch(std::chrono::steady_clock::now());
        QVERIFY(!store.keyExists(HKEY_CURRENT_USER, "Software"));
        QVERIFY(!store.setValue(HKEY_CURRENT_USER, "Software", "v", REG_SZ, "x"));
        QVERIFY(!store.queryValue(HKEY_CURRENT_USER, "Software", "v"));
        QVERIFY(store.endBatch().unusable);
    }

    // Several copies of the program write at once: none may lose a write or fail on the lock.
    void twoProcessesWriteAtOnce() {
        constexpr int writes = 300;
        const QString count = QString::number(writes);
        QProcess first;
        QProcess second;
        QElapsedTimer timer;
        timer.start();
        first.start(QStringLiteral(TINCTA_REGISTRY_WRITER), {storePath(), "First", count});
        second.start(QStringLiteral(TINCTA_REGISTRY_WRITER), {storePath(), "Second", count});
        QVERIFY(first.waitForFinished(100000));
        QVERIFY(second.waitForFinished(100000));
        qInfo("%d writes in %lld ms", 4 * writes, timer.elapsed());
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        EasyReg reg(std::make_unique<SqliteStore>(storePath().toStdString()));
        reg.DefaultHive(HKEY_CURRENT_USER);
        reg.DefaultSubKey(programKey);
        bool ok = false;
        QCOMPARE(QString::fromStdString(reg.GetValue("First", ok)), "First-" + count);
        QCOMPARE(QString::fromStdString(reg.GetValue("Second", ok)), "Second-" + count);
        const auto shared = QString::fromStdString(reg.GetValue("Shared", ok));
        QVERIFY2(shared == "First-" + count || shared == "Second-" + count, qPrintable(shared));
        QVERIFY(asideFiles(QDir(m_dir.path())).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSqliteStore)
#include "test_sqlitestore.moc"

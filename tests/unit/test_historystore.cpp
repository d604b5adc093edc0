#include "history/historyage.h"
#include "history/historystore.h"
#include "testdata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using namespace tincta;

namespace {

const QDateTime noon = QDateTime(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC);

Colour colourNumber(QStringView number) {
    return unpack(number.toUInt());
}

// Runs one call of the table's little language.
bool call(HistoryStore& store, const QString& text) {
    const QChar kind = text.front();
    const QString rest = text.mid(1);
    const QString number = rest.section(QLatin1Char('='), 0, 0);
    if (kind == u'r')
        return store.record(colourNumber(number), QStringLiteral("text ") + number, noon);
    if (kind == u'p' || kind == u'u')
        return store.setPinned(colourNumber(number), kind == u'p');
    if (kind == u'd')
        return store.remove(colourNumber(number));
    if (kind == u'c')
        return store.clearUnpinned();
    if (kind == u'n')
        return store.setName(colourNumber(number), rest.section(QLatin1Char('='), 1));
    QList<PaletteMark> pins;
    for (const QString& pin : rest.split(QLatin1Char('/')))
        pins.append({pin.section(QLatin1Char('='), 1), colourNumber(pin.section('=', 0, 0))});
    return store.addPins(pins, noon);
}

QString held(const QList<HistoryEntry>& entries) {
    QStringList shown;
    for (const HistoryEntry& entry : entries) {
        QString one = QString::number(pack(entry.colour));
        if (entry.pinned)
            one.prepend(QLatin1Char('*'));
        if (!entry.name.isEmpty())
            one += QLatin1Char(':') + entry.name;
        shown.append(one);
    }
    return shown.join(QLatin1Char(' '));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("history.sqlite3")); }

private Q_SLOTS:
    void init() {
        QDir dir(m_dir.path());
        for (const QString& name : dir.entryList(QDir::Files))
            dir.remove(name);
    }

    void defaultFileFollowsXdgStateHome_data() {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << QByteArray("/tmp/st") << "/tmp/st/tincta/history.sqlite3";
        QTest::newRow("unset") << QByteArray() << "/home/u/.local/state/tincta/history.sqlite3";
        QTest::newRow("relative is ignored")
            << QByteArray("st") << "/home/u/.local/state/tincta/history.sqlite3";
    }
    void defaultFileFollowsXdgStateHome() {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, expected);
        const QByteArray savedXdg = qgetenv("XDG_STATE_HOME");
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", "/home/u");
        if (xdg.isEmpty())
            qunsetenv("XDG_STATE_HOME");
        else
            qputenv("XDG_STATE_HOME", xdg);
        const QString found = HistoryStore::defaultFilePath();
        qputenv("HOME", savedHome);
        qputenv("XDG_STATE_HOME", savedXdg);
        QCOMPARE(found, expected);
    }

    void ageTexts_data() {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("spoken");
        for (const QStringList& row : test::readTestTable(QStringLiteral("history/ages.tsv")))
            QTest::newRow(qPrintable(row[0])) << row[0].toLongLong() << row[1] << row[2];
    }
    void ageTexts() {
        QFETCH(qint64, seconds);
        QFETCH(QString, shown);
        QFETCH(QString, spoken);
        QCOMPARE(shortAgeText(seconds), shown);
        QCOMPARE(spokenAgeText(seconds), spoken);
    }

    void calls_data() {
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("expected");
        for (const QStringList& row : test::readTestTable(QStringLiteral("history/operations.tsv")))
            QTest::newRow(qPrintable(row[0])) << row[1].split(QLatin1Char(' ')) << row.value(2);
    }
    void calls() {
        QFETCH(QStringList, calls);
        QFETCH(QString, expected);
        HistoryStore store(path());
        for (const QString& one : calls)
            QVERIFY2(call(store, one), qPrintable(one));
        const auto entries = store.entries();
        QVERIFY(entries.has_value());
        QCOMPARE(held(*entries), expected);
        QCOMPARE(store.takeReport().unusable, false);
    }

    void entryKeepsTextAndTime() {
        HistoryStore store(path());
        const Colour mint{0xC0, 0xFF, 0xEE};
        QVERIFY(store.record(mint, QStringLiteral("#C0FFEE"), noon.addSecs(-5)));
        QVERIFY(store.record(mint, QStringLiteral("rgb(192 255 238)"), noon));
        const auto entries = store.entries();
        QVERIFY(entries.has_value());
        QCOMPARE(*entries, (QList<HistoryEntry>{{mint, "rgb(192 255 238)", {}, false, noon}}));
    }

    // The oldest unpinned entries go first; no pin ever goes.
    void capDropsOldestUnpinnedOnly() {
        HistoryStore store(path());
        QVERIFY(store.record(unpack(1), {}, noon));
        QVERIFY(store.record(unpack(2), {}, noon));
        QVERIFY(store.setPinned(unpack(1), true));
        const int extra = 5;
        for (int colour = 3; colour < 3 + HistoryStore::unpinnedLimit + extra; ++colour)
            QVERIFY(store.record(unpack(static_cast<PackedColour>(colour)), {}, noon));
        const auto entries = store.entries();
        QVERIFY(entries.has_value());
        QCOMPARE(entries->size(), HistoryStore::unpinnedLimit + 1);
        QCOMPARE(entries->front().colour, unpack(1));
        QVERIFY(entries->front().pinned);
        // Colour 2 and the five after it were the oldest unpinned ones.
        QCOMPARE(entries->back().colour, unpack(3 + extra));
        QCOMPARE(entries->at(1).colour,
                 unpack(static_cast<PackedColour>(2 + HistoryStore::unpinnedLimit + extra)));
    }

    void twoStoresSeeEachOthersWrites() {
        HistoryStore first(path());
        HistoryStore second(path());
        QVERIFY(first.record(unpack(1), {}, noon));
        QVERIFY(second.record(unpack(2), {}, noon));
        QVERIFY(second.setPinned(unpack(1), true));
        QCOMPARE(held(*first.entries()), QStringLiteral("*1 2"));
        QVERIFY(first.remove(unpack(2)));
        QCOMPARE(held(*second.entries()), QStringLiteral("*1"));
    }

    // Another program holds the write lock: the write gives up after its wait and what was
    // stored is still there, readable even while the lock is held.
    void lockedFileFailsTheWriteAndLosesNothing() {
        HistoryStore store(path());
        QVERIFY(store.record(unpack(1), {}, noon));
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(qPrintable(path()), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QVERIFY(!store.record(unpack(2), {}, noon));
        QVERIFY(store.takeReport().unusable);
        QCOMPARE(held(*store.entries()), QStringLiteral("1"));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QVERIFY(store.record(unpack(2), {}, noon));
        QCOMPARE(held(*store.entries()), QStringLiteral("2 1"));
    }

    void damagedFileIsSetAside_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("not a database") << QByteArray("colours I liked\n").repeated(300);
        QTest::newRow("a database of another kind") << QByteArray();
    }
    void damagedFileIsSetAside() {
        QFETCH(QByteArray, contents);
        if (contents.isEmpty()) {
            sqlite3* other = nullptr;
            QCOMPARE(sqlite3_open(qPrintable(path()), &other), SQLITE_OK);
            sqlite3_exec(other, "CREATE TABLE notes(x)", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        } else {
            QVERIFY(writeFile(path(), contents));
        }
        HistoryStore store(path());
        const auto entries = store.entries();
        QVERIFY(entries.has_value());
        QVERIFY(entries->isEmpty());
        const StoreReport report = store.takeReport();
        QVERIFY(!report.unusable);
        const QString keptAs = QString::fromStdString(report.damagedStoreKeptAs);
        QVERIFY2(keptAs.startsWith(path() + QStringLiteral(".corrupt-")), qPrintable(keptAs));
        QVERIFY(QFile::exists(keptAs));
        QVERIFY(store.record(unpack(1), {}, noon));
        QCOMPARE(held(*store.entries()), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "test_historystore.moc"

#include "history/historystore.h"

#include "registry/sqlitedb.h"
#include "registry/sqlitefile.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>
#include <utility>

namespace tincta {

namespace {

using sqlite::Database;
using sqlite::SqliteError;
using sqlite::Statement;

constexpr std::int64_t historyFormat = 1;
constexpr char historyFileName[] = "history.sqlite3";

// Kept apart so that an opened file can be checked against exactly this table. `pin` is the
// place among the pins (none for an entry that is not pinned); `seq` orders the others, newest
// highest, as two uses may fall in the same millisecond.
constexpr char createHistoryTable[] =
    "CREATE TABLE history(colour INTEGER PRIMARY KEY, text TEXT NOT NULL, name TEXT NOT NULL,"
    " pin INTEGER, used INTEGER NOT NULL, seq INTEGER NOT NULL)";

std::string utf8(const QString& text) {
    return text.toStdString();
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

std::int64_t key(const Colour& colour) {
    return static_cast<std::int64_t>(pack(colour));
}

// Makes sure the file is a history of ours, turning an empty file into one.
void prepareHistoryFile(Database& db) {
    const auto isHistory = [&db] {
        Statement probe(db, "SELECT (SELECT user_version FROM pragma_user_version),"
                            " (SELECT count(*) FROM sqlite_master),"
                            " (SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                            "  AND name = 'history' AND sql = ?1)");
        probe.bindText(1, createHistoryTable).step();
        if (probe.integer(0) == historyFormat && probe.integer(1) == 1 && probe.integer(2) == 1)
            return true;
        if (probe.integer(0) == 0 && probe.integer(1) == 0)
            return false;
        // A database, but not a history of ours: treated like damage.
        throw SqliteError{SQLITE_NOTADB};
    };
    if (isHistory())
        return;
    // Readers go on while another copy writes; kept by the file once set.
    db.exec("PRAGMA journal_mode = WAL");
    db.exec("BEGIN IMMEDIATE");
    // Another copy may have made the table while we waited for the lock.
    if (!isHistory()) {
        db.exec(createHistoryTable);
        db.exec("PRAGMA user_version = 1");
    }
    db.exec("COMMIT");
}

void dropOldestUnpinned(Database& db) {
    Statement drop(db, "DELETE FROM history WHERE pin IS NULL AND colour NOT IN"
                       " (SELECT colour FROM history WHERE pin IS NULL ORDER BY seq DESC"
                       "  LIMIT ?1)");
    drop.bind(1, HistoryStore::unpinnedLimit).step();
}

HistoryEntry entryOf(const Statement& row) {
    return HistoryEntry{unpack(static_cast<PackedColour>(row.integer(0))), fromUtf8(row.text(1)),
                        fromUtf8(row.text(2)), row.integer(3) != 0,
                        QDateTime::fromMSecsSinceEpoch(row.integer(4), Qt::UTC)};
}

} // namespace

HistoryStore::HistoryStore(const QString& filePath) : m_filePath(utf8(filePath)) {}

QString HistoryStore::defaultFilePath() {
#if defined(Q_OS_WIN)
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Tincta";
#else
    // Relative values are to be ignored, as for every XDG base directory.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    const QString folder = state + QStringLiteral("/tincta");
#endif
    return folder + QLatin1Char('/') + QLatin1StringView(historyFileName);
}

QString HistoryStore::filePath() const {
    return fromUtf8(m_filePath);
}

template <typename Body> bool HistoryStore::run(bool write, Body&& body) {
    const auto waitDeadline =
        std::chrono::steady_clock::now() + (write ? writeWaitLimit : readWaitLimit);
    return sqlite::useFile(
        m_filePath, waitDeadline,
        [&](Database& db) {
            // Each call closes the file again, and the last connection to close writes the log
            // into the file. A write leaves that to the next read: a colour recorded costs no
            // checkpoint, and the window's read finds the log empty again, as a long log makes
            // every open read it whole.
            sqlite3_db_config(db.handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, write ? 1 : 0,
                              nullptr);
            prepareHistoryFile(db);
            // With the log, a crash can only lose the last entries, never damage the file; a
            // sync at every entry made each of them cost a disk write.
            db.exec("PRAGMA synchronous = NORMAL");
            if (!write)
                return body(db);
            db.exec("BEGIN IMMEDIATE");
            const bool result = body(db);
            db.exec(result ? "COMMIT" : "ROLLBACK");
            return result;
        },
        m_report);
}

std::optional<QList<HistoryEntry>> HistoryStore::entries() {
    QList<HistoryEntry> read;
    const bool ok = run(false, [&read](Database& db) {
        read.clear();
        Statement rows(db, "SELECT colour, text, name, pin IS NOT NULL, used FROM history"
                           " ORDER BY pin IS NULL, pin, seq DESC");
        while (rows.step())
            read.append(entryOf(rows));
        return true;
    });
    if (!ok)
        return std::nullopt;
    return read;
}

bool HistoryStore::record(const Colour& colour, const QString& text, const QDateTime& when) {
    return run(true, [&](Database& db) {
        Statement upsert(db, "INSERT INTO history(colour, text, name, pin, used, seq)"
                             " VALUES(?1, ?2, '', NULL, ?3,"
                             "  (SELECT coalesce(max(seq), 0) + 1 FROM history))"
                             " ON CONFLICT(colour) DO UPDATE SET text = excluded.text,"
                             " used = excluded.used, seq = excluded.seq");
        upsert.bind(1, key(colour)).bindText(2, utf8(text)).bind(3, when.toMSecsSinceEpoch());
        upsert.step();
        dropOldestUnpinned(db);
        return true;
    });
}

bool HistoryStore::setPinned(const Colour& colour, bool pinned) {
    return run(true, [&](Database& db) {
        Statement update(db, pinned ? "UPDATE history SET pin ="
                                      " (SELECT coalesce(max(pin), 0) + 1 FROM history)"
                                      " WHERE colour = ?1 AND pin IS NULL"
                                    : "UPDATE history SET pin = NULL WHERE colour = ?1");
        update.bind(1, key(colour)).step();
        return true;
    });
}

bool HistoryStore::setName(const Colour& colour, const QString& name) {
    return run(true, [&](Database& db) {
        Statement update(db, "UPDATE history SET name = ?2 WHERE colour = ?1");
        update.bind(1, key(colour)).bindText(2, utf8(name)).step();
        return true;
    });
}

bool HistoryStore::remove(const Colour& colour) {
    return run(true, [&](Database& db) {
        Statement drop(db, "DELETE FROM history WHERE colour = ?1");
        drop.bind(1, key(colour)).step();
        return true;
    });
}

bool HistoryStore::clearUnpinned() {
    return run(true, [](Database& db) {
        db.exec("DELETE FROM history WHERE pin IS NULL");
        return true;
    });
}

bool HistoryStore::addPins(const QList<PaletteMark>& colours, const QDateTime& when) {
    return run(true, [&](Database& db) {
        Statement upsert(db, "INSERT INTO history(colour, text, name, pin, used, seq)"
                             " VALUES(?1, '', ?2, (SELECT coalesce(max(pin), 0) + 1 FROM history),"
                             "  ?3, (SELECT coalesce(max(seq), 0) + 1 FROM history))"
                             " ON CONFLICT(colour) DO UPDATE SET"
                             " pin = coalesce(pin, excluded.pin),"
                             " name = CASE excluded.name WHEN '' THEN name ELSE excluded.name END");
        for (const PaletteMark& mark : colours) {
            upsert.bind(1, key(mark.colour)).bindText(2, utf8(mark.name));
            upsert.bind(3, when.toMSecsSinceEpoch()).step();
            upsert.reset();
        }
        return true;
    });
}

StoreReport HistoryStore::takeReport() {
    return std::exchange(m_report, {});
}

} // namespace tincta

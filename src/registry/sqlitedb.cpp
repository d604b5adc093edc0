#include "registry/sqlitedb.h"

#include <algorithm>
#include <thread>

namespace tincta::sqlite {

namespace {

void check(int code) {
    if (code != SQLITE_OK)
        throw SqliteError{code};
}

// SQLite sets aside a pool for small allocations at every open and writes through all of it, 120
// kilobytes by default, and a block for twenty pages of cache, 86 kilobytes; statements over a
// store of a few kilobytes use a fraction of the one and a few pages of the other, which are
// then allocated as they are read. Only possible before SQLite's first use in the process; later
// it keeps its defaults.
void useSmallAllocationPool() {
    static const bool configured =
        sqlite3_config(SQLITE_CONFIG_LOOKASIDE, 256, 32) == SQLITE_OK &&
        sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0) == SQLITE_OK;
    (void)configured;
}

} // namespace

bool isDamage(int code) {
    // Our statements are fixed and tested, so a plain SQL error, a type mismatch or a broken
    // constraint can only come from a file whose tables are not the ones we made. A crafted file
    // can also make SQLite ask for more memory than any store needs, or hold a text longer than
    // SQLite accepts; a store a few kilobytes large never does either.
    switch (code & 0xFF) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT:
    case SQLITE_ERROR:
    case SQLITE_MISMATCH:
    case SQLITE_CONSTRAINT:
    case SQLITE_NOMEM:
    case SQLITE_TOOBIG:
        return true;
    default:
        return false;
    }
}

Database::Database(const std::string& filePath, std::chrono::steady_clock::time_point waitDeadline)
    : m_waitDeadline(waitDeadline) {
    useSmallAllocationPool();
    const int opened = sqlite3_open_v2(filePath.c_str(), &m_db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (opened != SQLITE_OK) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw SqliteError{opened};
    }
    sqlite3_extended_result_codes(m_db, 1);
    check(sqlite3_busy_handler(m_db, &Database::waitForLock, &m_waitDeadline));
    // The file lives in the user's folder where anything may have edited it: refuse schema
    // tricks such as triggers or views calling functions, and writes that bypass the b-tree.
    check(sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr));
    check(sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr));
    check(sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr));
    check(sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr));
}

Database::~Database() {
    // Closing with a transaction still open rolls it back.
    sqlite3_close_v2(m_db);
}

int Database::waitForLock(void* deadline, int attempt) {
    using namespace std::chrono;
    const auto until = *static_cast<const steady_clock::time_point*>(deadline);
    const auto now = steady_clock::now();
    if (now >= until)
        return 0;
    // Another copy of the program holds the lock for milliseconds; start with short pauses.
    const milliseconds pause(std::min(1 << std::min(attempt, 5), 25));
    std::this_thread::sleep_for(std::min<steady_clock::duration>(pause, until - now));
    return 1;
}

void Database::exec(const char* sql) {
    check(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr));
}

int Database::changes() const {
    return sqlite3_changes(m_db);
}

Statement::Statement(Database& db, const char* sql) {
    check(sqlite3_prepare_v2(db.handle(), sql, -1, &m_stmt, nullptr));
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement& Statement::bind(int index, std::int64_t value) {
    check(sqlite3_bind_int64(m_stmt, index, value));
    return *this;
}

Statement& Statement::bindText(int index, const std::string& text) {
    check(sqlite3_bind_text64(m_stmt, index, text.data(), text.size(), SQLITE_TRANSIENT,
                              SQLITE_UTF8));
    return *this;
}

Statement& Statement::bindBlob(int index, const std::string& bytes) {
    // A zero-length blob, not NULL, for an empty value.
    check(sqlite3_bind_blob64(m_stmt, index, bytes.empty() ? "" : bytes.data(), bytes.size(),
                              SQLITE_TRANSIENT));
    return *this;
}

bool Statement::step() {
    const int result = sqlite3_step(m_stmt);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    throw SqliteError{result};
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

std::string Statement::text(int column) const {
    const auto* chars = sqlite3_column_text(m_stmt, column);
    const int size = sqlite3_column_bytes(m_stmt, column);
    if (chars == nullptr)
        return {};
    return std::string(reinterpret_cast<const char*>(chars), static_cast<std::size_t>(size));
}

std::string Statement::blob(int column) const {
    const void* bytes = sqlite3_column_blob(m_stmt, column);
    const int size = sqlite3_column_bytes(m_stmt, column);
    if (bytes == nullptr)
        return {};
    return std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size));
}

} // namespace tincta::sqlite

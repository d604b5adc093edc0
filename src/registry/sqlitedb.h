#pragma once

#include <chrono>
#include <cstdint>
#include <sqlite3.h>
#include <string>

// Thin RAII over the SQLite C interface for the registry store. Failures throw SqliteError,
// which the store catches at its boundary.
namespace tincta::sqlite {

struct SqliteError {
    int code;
};

// True for result codes meaning the file's contents cannot be used as a store.
bool isDamage(int code);

class Statement;

class Database {
public:
    // Statements that find the file locked by another connection retry until `waitDeadline`.
    Database(const std::string& filePath, std::chrono::steady_clock::time_point waitDeadline);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const char* sql);
    int changes() const;
    sqlite3* handle() const { return m_db; }

private:
    static int waitForLock(void* deadline, int attempt);

    sqlite3* m_db = nullptr;
    std::chrono::steady_clock::time_point m_waitDeadline;
};

class Statement {
public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::int64_t value);
    Statement& bindText(int index, const std::string& text);
    Statement& bindBlob(int index, const std::string& bytes);

    // True while a row is available.
    bool step();
    void reset();

    std::int64_t integer(int column) const;
    std::string text(int column) const;
    std::string blob(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace tincta::sqlite

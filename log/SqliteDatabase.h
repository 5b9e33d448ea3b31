#pragma once

#include "log/SqliteStatement.h"

#include <QString>

#include <chrono>

struct sqlite3;
struct sqlite3_stmt;

namespace korvel {

// One SQLite connection, closed with the object. Every statement binds its values; none is built by
// pasting text into SQL.
class SqliteDatabase {
public:
    enum class Mode { ReadWriteCreate, ReadOnly };

    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(SqliteDatabase&& other) noexcept;
    SqliteDatabase& operator=(SqliteDatabase&& other) noexcept;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Opens `path`; waits up to `busyTimeout` for other connections' locks in every later call.
    // Returns false (with lastError()) when the file cannot be opened.
    bool open(const QString& path, Mode mode = Mode::ReadWriteCreate,
              std::chrono::milliseconds busyTimeout = std::chrono::seconds(10));
    bool isOpen() const { return m_db != nullptr; }
    void close();

    // Runs statements without results; false on failure.
    bool exec(const char* sql);
    // Prepares one statement; an invalid statement (check isValid()) on failure.
    SqliteStatement prepare(const char* sql);

    QString lastError() const;
    sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

}  // namespace korvel

#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace korvel {

// A prepared statement, finalized with the object.
class SqliteStatement {
public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3* db, sqlite3_stmt* statement);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return m_statement != nullptr; }

    // Binds by position (1-based): QString as text, integers as integers, null as NULL.
    SqliteStatement& bind(int position, const QString& text);
    SqliteStatement& bind(int position, qint64 value);

    enum class Step { Row, Done, Error };
    Step step();
    // Runs to completion; true when it finished without error.
    bool run();
    // Clears the bindings' effects so the statement can run again.
    void reset();

    QString textColumn(int column) const;
    qint64 integerColumn(int column) const;

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
};

}  // namespace korvel

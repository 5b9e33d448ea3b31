#include "log/SqliteStatement.h"

#include <sqlite3.h>

#include <utility>

namespace korvel {

SqliteStatement::SqliteStatement(sqlite3* db, sqlite3_stmt* statement)
    : m_db(db)
    , m_statement(statement)
{
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr))
    , m_statement(std::exchange(other.m_statement, nullptr))
{
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_statement);
        m_db = std::exchange(other.m_db, nullptr);
        m_statement = std::exchange(other.m_statement, nullptr);
    }
    return *this;
}

SqliteStatement& SqliteStatement::bind(int position, const QString& text)
{
    if (!m_statement)
        return *this;
    if (text.isNull()) {
        sqlite3_bind_null(m_statement, position);
        return *this;
    }
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(m_statement, position, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int position, qint64 value)
{
    if (m_statement)
        sqlite3_bind_int64(m_statement, position, value);
    return *this;
}

SqliteStatement::Step SqliteStatement::step()
{
    if (!m_statement)
        return Step::Error;
    switch (sqlite3_step(m_statement)) {
    case SQLITE_ROW:
        return Step::Row;
    case SQLITE_DONE:
        return Step::Done;
    default:
        return Step::Error;
    }
}

bool SqliteStatement::run()
{
    Step result = step();
    while (result == Step::Row)
        result = step();
    return result == Step::Done;
}

void SqliteStatement::reset()
{
    if (m_statement) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

QString SqliteStatement::textColumn(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    const int length = sqlite3_column_bytes(m_statement, column);
    return text ? QString::fromUtf8(text, length) : QString();
}

qint64 SqliteStatement::integerColumn(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

}  // namespace korvel

#include "log/KVDatabase.h"

#include "log/SqliteDatabase.h"
#include "platform/Clock.h"
#include "platform/Paths.h"

#include <memory>

namespace korvel {

namespace {

std::unique_ptr<KVDatabase>& shared()
{
    static std::unique_ptr<KVDatabase> database;
    return database;
}

const char* const createStatement =
    "CREATE TABLE IF NOT EXISTS korvelIEDatabase (CloudID TEXT PRIMARY KEY , Action INTEGER, Date DATETIME)";

}  // namespace

KVDatabase& KVDatabase::getDatabaseObject()
{
    auto& database = shared();
    if (!database)
        database = std::make_unique<KVDatabase>();
    return *database;
}

void KVDatabase::resetDatabaseObject()
{
    shared().reset();
}

bool KVDatabase::createTable()
{
    databasePath = Paths::documentsDirectory() + QLatin1Char('/') + QLatin1String(databaseName);
    SqliteDatabase db;
    return db.open(databasePath) && db.exec(createStatement);
}

bool KVDatabase::insertUpdateRow(const QString& cloudID, qint64 action)
{
    SqliteDatabase db;
    if (databasePath.isEmpty() || !db.open(databasePath))
        return false;
    SqliteStatement insert =
        db.prepare("INSERT OR REPLACE INTO korvelIEDatabase (CloudID, Action, Date) VALUES (?1, ?2, ?3)");
    insert.bind(1, cloudID)
        .bind(2, action)
        .bind(3, Clock::instance().now().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    return insert.run();
}

bool KVDatabase::clear()
{
    SqliteDatabase db;
    return !databasePath.isEmpty() && db.open(databasePath) && db.exec("DELETE FROM korvelIEDatabase");
}

QList<CloudIDHistoryRow> KVDatabase::history() const
{
    QList<CloudIDHistoryRow> rows;
    SqliteDatabase db;
    if (databasePath.isEmpty() || !db.open(databasePath, SqliteDatabase::Mode::ReadOnly))
        return rows;
    // A replaced row gets a new ROWID, so among rows of the same second the later use comes first.
    SqliteStatement select =
        db.prepare("SELECT CloudID, Action, Date FROM korvelIEDatabase ORDER BY Date DESC, ROWID DESC");
    while (select.step() == SqliteStatement::Step::Row)
        rows.append({select.textColumn(0), select.integerColumn(1), select.textColumn(2)});
    return rows;
}

}  // namespace korvel

#include "log/KVLogger.h"

#include "log/JournalForwarder.h"

#include "log/SqliteDatabase.h"
#include "platform/Clock.h"
#include "platform/Paths.h"

#include <sqlite3.h>

#include <memory>

namespace korvel {

namespace {

std::atomic<KVLogger*> shared{nullptr};
std::atomic<quint64> lastGeneration{0};

const char* const createTable = "CREATE TABLE IF NOT EXISTS applicationTable (Event TEXT , Date DATETIME, Category TEXT)";
// Retention deletes the oldest rows by date; the index keeps that cheap at every insertion.
const char* const createIndex = "CREATE INDEX IF NOT EXISTS applicationTableDate ON applicationTable (Date)";
const char* const insertSql = "INSERT INTO applicationTable (Event, Date, Category) VALUES (?1, ?2, ?3)";
const char* const rewriteSql = "UPDATE applicationTable SET Event = ?1, Date = ?2 WHERE ROWID = ?3";
// Among rows of the same second, the earlier insertion goes first.
const char* const trimRows =
    "DELETE FROM applicationTable WHERE ROWID IN (SELECT ROWID FROM applicationTable ORDER BY Date ASC, ROWID ASC "
    "LIMIT max(0, (SELECT COUNT(*) FROM applicationTable) - ?1))";

QString localTimestamp()
{
    return Clock::instance().now().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

// A thread's own connection with its statements prepared once. A logger of a new generation (the
// log reopened, possibly elsewhere) makes the thread reconnect.
struct KVLogger::Connection {
    quint64 generation = 0;
    SqliteDatabase db;
    SqliteStatement begin;
    SqliteStatement insert;
    SqliteStatement rewrite;
    SqliteStatement trim;
    SqliteStatement commit;
    SqliteStatement rollback;

    bool open(const QString& path, quint64 forGeneration)
    {
        *this = Connection();
        if (!db.open(path))
            return false;
        // WAL lets readers and writers of several threads and processes work side by side, and a
        // commit needs no sync of the main file: entries are committed, not lost, when the call ends.
        db.exec("PRAGMA journal_mode=WAL");
        db.exec("PRAGMA synchronous=NORMAL");
        begin = db.prepare("BEGIN IMMEDIATE");
        insert = db.prepare(insertSql);
        rewrite = db.prepare(rewriteSql);
        trim = db.prepare(trimRows);
        commit = db.prepare("COMMIT");
        rollback = db.prepare("ROLLBACK");
        if (!begin.isValid() || !insert.isValid() || !rewrite.isValid() || !trim.isValid() || !commit.isValid() || !rollback.isValid()) {
            *this = Connection();
            return false;
        }
        generation = forGeneration;
        return true;
    }
};

void KVLogger::createDatabase_Tables()
{
    auto logger = std::make_unique<KVLogger>(Paths::documentsDirectory() + QLatin1Char('/') + QLatin1String(databaseName));
    SqliteDatabase db;
    if (db.open(logger->databasePath())) {
        db.exec("PRAGMA journal_mode=WAL");
        db.exec(createTable);
        db.exec(createIndex);
    }
    delete shared.exchange(logger.release());
}

KVLogger* KVLogger::sharedLogger()
{
    return shared.load();
}

void KVLogger::closeSharedLogger()
{
    delete shared.exchange(nullptr);
}

KVLogger::KVLogger(QString databasePath)
    : m_path(std::move(databasePath))
    , m_generation(++lastGeneration)
{
}

KVLogger::Connection* KVLogger::connection()
{
    thread_local Connection perThread;
    if (perThread.generation != m_generation && !perThread.open(m_path, m_generation))
        return nullptr;
    return &perThread;
}

bool KVLogger::insertUpdateRow(const QString& message, const QString& category)
{
    std::lock_guard lock(m_foldingLock);
    const LogFolding::Step step = m_folding.next(category, message, Clock::instance().now());
    switch (step.kind) {
    case LogFolding::Step::Kind::Write:
        // The journal receives each line once, as the log does; it counts repetitions itself.
        JournalForwarder::send(category, message);
        return insertRow(message, category, nullptr);
    case LogFolding::Step::Kind::InsertCount: {
        qint64 row = 0;
        if (!insertRow(step.text, category, &row))
            return false;
        m_folding.countWritten(category, message, row);
        return true;
    }
    case LogFolding::Step::Kind::UpdateCount:
        switch (rewriteRow(step.row, step.text)) {
        case Rewrite::Done:
            return true;
        case Rewrite::Failed:
            return false;
        case Rewrite::Gone:
            // The log was cleared or the line's rows aged out: it is written afresh.
            m_folding.forget(category, message);
            m_folding.next(category, message, Clock::instance().now());
            JournalForwarder::send(category, message);
            return insertRow(message, category, nullptr);
        }
    }
    return false;
}

bool KVLogger::insertRow(const QString& message, const QString& category, qint64* row)
{
    Connection* c = connection();
    if (!c)
        return false;
    const auto done = [c](bool ok) {
        c->begin.reset();
        c->insert.reset();
        c->trim.reset();
        c->commit.reset();
        if (!ok) {
            c->rollback.run();
            c->rollback.reset();
        }
        return ok;
    };
    if (!c->begin.run())
        return done(false);
    c->insert.bind(1, message).bind(2, localTimestamp()).bind(3, category);
    c->trim.bind(1, qint64(retentionLimit));
    if (!c->insert.run())
        return done(false);
    if (row)
        *row = sqlite3_last_insert_rowid(c->db.handle());
    return done(c->trim.run() && c->commit.run());
}

KVLogger::Rewrite KVLogger::rewriteRow(qint64 row, const QString& message)
{
    Connection* c = connection();
    if (!c)
        return Rewrite::Failed;
    c->rewrite.bind(1, message).bind(2, localTimestamp()).bind(3, row);
    const bool ok = c->rewrite.run();
    c->rewrite.reset();
    if (!ok)
        return Rewrite::Failed;
    return sqlite3_changes(c->db.handle()) > 0 ? Rewrite::Done : Rewrite::Gone;
}

bool KVLogger::clear(const QString& sql)
{
    SqliteDatabase db;
    if (!db.open(m_path))
        return false;
    SqliteStatement statement = db.prepare(sql.toUtf8().constData());
    return statement.isValid() && statement.run();
}

bool KVLogger::kvBridgeLog(const QString& category, const QString& message)
{
    return insertUpdateRow(message, category);
}

}  // namespace korvel

// Event-log insertion with the 5000-row cap active: Korvel's logger against the literal method
// (open the file, insert, count, delete the overflow, close, for every single entry) in one run.
// Both commit every entry before the call returns. Target: at least 20 times the literal throughput.
#include "log/KVLogger.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <atomic>

namespace {

using korvel::KVLogger;

std::atomic<long> literalDropped{0};

// What a per-call implementation does: no connection kept, no busy timeout, rollback journal.
bool literalInsert(const char* path, const char* message, const char* category)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path, &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    char* insert = sqlite3_mprintf(
        "INSERT OR REPLACE INTO applicationTable (Event, Date, Category) VALUES (%Q, "
        "datetime(Current_timestamp,'localtime'),%Q)",
        message, category);
    bool ok = sqlite3_exec(db, insert, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_free(insert);
    sqlite3_stmt* count = nullptr;
    long rows = 0;
    if (sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM applicationTable", -1, &count, nullptr) == SQLITE_OK
        && sqlite3_step(count) == SQLITE_ROW)
        rows = sqlite3_column_int64(count, 0);
    sqlite3_finalize(count);
    if (rows > KVLogger::retentionLimit) {
        char* trim = sqlite3_mprintf(
            "delete from applicationTable where ROWID in (select ROWID from applicationTable order by date asc limit %d)",
            int(rows - KVLogger::retentionLimit));
        sqlite3_exec(db, trim, nullptr, nullptr, nullptr);
        sqlite3_free(trim);
    }
    sqlite3_close(db);
    return ok;
}

struct Logs {
    QTemporaryDir home;
    QByteArray literalPath;

    Logs()
    {
        korvel::Paths::setHome(home.path());
        KVLogger::createDatabase_Tables();
        for (int i = 0; i < KVLogger::retentionLimit; ++i)
            KVLogger::sharedLogger()->insertUpdateRow(QStringLiteral("filler %1").arg(i), QStringLiteral("Webview"));

        literalPath = (home.path() + QStringLiteral("/literal.db")).toUtf8();
        sqlite3* db = nullptr;
        sqlite3_open(literalPath.constData(), &db);
        sqlite3_exec(db, "CREATE TABLE IF NOT EXISTS applicationTable (Event TEXT , Date DATETIME, Category TEXT)", nullptr,
                     nullptr, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 0; i < KVLogger::retentionLimit; ++i)
            sqlite3_exec(db, "INSERT INTO applicationTable VALUES ('filler', datetime('now','localtime'), 'Webview')",
                         nullptr, nullptr, nullptr);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
};

Logs* logs = nullptr;

void BM_KorvelLog(benchmark::State& state)
{
    const QString message = QStringLiteral("Couldn't get shared UIPrintInteractionController!");
    const QString category = QStringLiteral("Warning");
    long failed = 0;
    for (auto _ : state)
        failed += KVLogger::sharedLogger()->insertUpdateRow(message, category) ? 0 : 1;
    // Only committed entries count: a dropped entry is no throughput.
    state.SetItemsProcessed(state.iterations() - failed);
    state.counters["dropped"] = double(failed);
}

void BM_LiteralLog(benchmark::State& state)
{
    long failed = 0;
    for (auto _ : state)
        failed += literalInsert(logs->literalPath.constData(), "Couldn't get shared UIPrintInteractionController!", "Warning")
                      ? 0
                      : 1;
    // Only committed entries count: a dropped entry is no throughput.
    state.SetItemsProcessed(state.iterations() - failed);
    state.counters["dropped"] = double(failed);
}

BENCHMARK(BM_KorvelLog)->Iterations(20000)->UseRealTime();
BENCHMARK(BM_KorvelLog)->Threads(4)->Iterations(5000)->UseRealTime();
BENCHMARK(BM_LiteralLog)->Iterations(500)->UseRealTime();
BENCHMARK(BM_LiteralLog)->Threads(4)->Iterations(200)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    Logs setup;
    logs = &setup;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    KVLogger::closeSharedLogger();
    return 0;
}

#pragma once

#include "log/LogFolding.h"

#include <QString>

#include <atomic>
#include <mutex>

namespace korvel {

// The event log: one SQLite table of (Event, Date, Category) in the documents directory, holding at
// most the newest 5000 rows. Safe to call from any thread and from several processes at once: each
// thread keeps its own connection, waits for other writers' locks instead of dropping its entry,
// and every entry is committed before the call returns. A line repeated within a minute is folded
// into one counting line after the first (see LogFolding).
class KVLogger {
public:
    static constexpr const char* databaseName = "korvelLogDatabase.db";
    static constexpr int retentionLimit = 5000;

    // Opens the log for the process (creating the file and table when missing). Until this runs
    // there is no logger and every log call is dropped.
    static void createDatabase_Tables();
    // The open log, or nullptr before createDatabase_Tables().
    static KVLogger* sharedLogger();
    // Closes the log again (tests; a kiosk keeps it open for its whole life).
    static void closeSharedLogger();

    explicit KVLogger(QString databasePath);

    // Inserts one entry stamped with the clock's local time and applies the retention limit, in one
    // transaction; a repetition rewrites the line's counting row instead. Returns false when the
    // entry could not be stored.
    bool insertUpdateRow(const QString& message, const QString& category);
    // Runs one statement against the log (the viewer clears with "DELETE FROM applicationTable").
    // Returns false when it cannot be prepared or fails.
    bool clear(const QString& sql);
    // Stores a finished message as is.
    bool kvBridgeLog(const QString& category, const QString& message);

    const QString& databasePath() const { return m_path; }

private:
    struct Connection;
    Connection* connection();
    // Inserts one row; its row id goes to `row` when given.
    bool insertRow(const QString& message, const QString& category, qint64* row);
    enum class Rewrite { Done, Gone, Failed };
    Rewrite rewriteRow(qint64 row, const QString& message);

    const QString m_path;
    const quint64 m_generation;
    std::mutex m_foldingLock;
    LogFolding m_folding;
};

}  // namespace korvel

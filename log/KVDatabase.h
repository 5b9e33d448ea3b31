#pragma once

#include "log/CloudIDHistoryRow.h"

#include <QList>
#include <QString>

namespace korvel {

// The history of cloud IDs used for cloud export and import: one row per ID, with its latest action
// and time, in "korvelDatabase.db" in the documents directory.
class KVDatabase {
public:
    static constexpr const char* databaseName = "korvelDatabase.db";

    static KVDatabase& getDatabaseObject();
    // Drops the shared object (tests, after the home directory changed).
    static void resetDatabaseObject();

    // Sets databasePath and makes sure the table exists, also in a file that lacks it. Returns
    // false when the file cannot be opened or written.
    bool createTable();
    // Records a use of `cloudID` (an earlier row of the same ID is replaced). False on failure.
    bool insertUpdateRow(const QString& cloudID, qint64 action);
    // Forgets every ID. False on failure.
    bool clear();

    // Newest first; empty when the history cannot be read.
    QList<CloudIDHistoryRow> history() const;

    QString databasePath;
};

}  // namespace korvel

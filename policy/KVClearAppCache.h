#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace korvel {

class SqliteDatabase;
class SqliteStatement;

// Empties the web engine's offline application cache (cache groups and their cached resources in
// "ApplicationCache.db") when such a database exists.
class KVClearAppCache {
public:
    static constexpr const char* bundleIdentifier = "korvel";

    // caches/korvel/ApplicationCache.db
    static QString cacheDatabasePath();
    // Deletes every cache group and its resources in one transaction. Returns false when there was
    // a database and it could not be emptied; a missing database is nothing to do (true).
    static bool clearCacheForCacheManifestURLs();

    static QList<qint64> getCacheGroupIdForURLsIn(const QStringList& manifestURLs, SqliteDatabase& db);
    static bool deleteCacheResourcesInCacheGroups(const QList<qint64>& ids, SqliteDatabase& db);
    static bool deleteCacheGroups(const QList<qint64>& ids, SqliteDatabase& db);

    // The value list of an IN clause: one placeholder per value ("?1, ?2, ?3"), so that values are
    // bound (bindValues) and never pasted into the statement. An empty list gives the empty text.
    static QString commaSeparatedValuesFromArray(const QVariantList& values);
    // Binds numbers as integers and everything else as text, in order from position 1.
    static void bindValues(SqliteStatement& statement, const QVariantList& values);
};

}  // namespace korvel

#include "policy/KVClearAppCache.h"

#include "log/SqliteDatabase.h"
#include "platform/Paths.h"

#include <QFileInfo>

namespace korvel {

namespace {

QVariantList asValues(const QList<qint64>& ids)
{
    QVariantList values;
    values.reserve(ids.size());
    for (qint64 id : ids)
        values.append(id);
    return values;
}

bool runWithValues(SqliteDatabase& db, const QString& prefix, const QVariantList& values)
{
    SqliteStatement statement =
        db.prepare((prefix + QStringLiteral(" (") + KVClearAppCache::commaSeparatedValuesFromArray(values) + QLatin1Char(')')).toUtf8().constData());
    if (!statement.isValid())
        return false;
    KVClearAppCache::bindValues(statement, values);
    return statement.run();
}

}  // namespace

QString KVClearAppCache::cacheDatabasePath()
{
    return Paths::cachesDirectory() + QLatin1Char('/') + QLatin1String(bundleIdentifier) + QStringLiteral("/ApplicationCache.db");
}

bool KVClearAppCache::clearCacheForCacheManifestURLs()
{
    const QString path = cacheDatabasePath();
    if (!QFileInfo::exists(path))
        return true;
    SqliteDatabase db;
    if (!db.open(path))
        return false;
    QStringList manifests;
    {
        SqliteStatement select = db.prepare("SELECT manifestURL FROM CacheGroups");
        if (!select.isValid())
            return false;
        while (select.step() == SqliteStatement::Step::Row)
            manifests.append(select.textColumn(0));
    }
    if (!db.exec("BEGIN EXCLUSIVE TRANSACTION"))
        return false;
    const QList<qint64> ids = getCacheGroupIdForURLsIn(manifests, db);
    const bool ok = deleteCacheResourcesInCacheGroups(ids, db) && deleteCacheGroups(ids, db);
    db.exec(ok ? "COMMIT TRANSACTION" : "ROLLBACK TRANSACTION");
    return ok;
}

QList<qint64> KVClearAppCache::getCacheGroupIdForURLsIn(const QStringList& manifestURLs, SqliteDatabase& db)
{
    QVariantList values;
    for (const QString& url : manifestURLs)
        values.append(url);
    QList<qint64> ids;
    SqliteStatement select = db.prepare(
        (QStringLiteral("SELECT id FROM CacheGroups WHERE manifestURL IN (") + commaSeparatedValuesFromArray(values) + QLatin1Char(')'))
            .toUtf8()
            .constData());
    if (!select.isValid())
        return ids;
    bindValues(select, values);
    while (select.step() == SqliteStatement::Step::Row)
        ids.append(select.integerColumn(0));
    return ids;
}

bool KVClearAppCache::deleteCacheResourcesInCacheGroups(const QList<qint64>& ids, SqliteDatabase& db)
{
    return runWithValues(db, QStringLiteral("DELETE FROM Caches WHERE cacheGroup IN"), asValues(ids));
}

bool KVClearAppCache::deleteCacheGroups(const QList<qint64>& ids, SqliteDatabase& db)
{
    return runWithValues(db, QStringLiteral("DELETE FROM CacheGroups WHERE id IN"), asValues(ids));
}

QString KVClearAppCache::commaSeparatedValuesFromArray(const QVariantList& values)
{
    QStringList placeholders;
    placeholders.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        placeholders.append(QStringLiteral("?%1").arg(i + 1));
    return placeholders.join(QStringLiteral(", "));
}

void KVClearAppCache::bindValues(SqliteStatement& statement, const QVariantList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QVariant& value = values.at(i);
        switch (value.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            statement.bind(int(i + 1), value.toLongLong());
            break;
        default:
            statement.bind(int(i + 1), value.toString());
        }
    }
}

}  // namespace korvel

#include "log/LogQuery.h"

#include "log/KVLogger.h"
#include "log/SqliteDatabase.h"
#include "platform/Paths.h"

namespace korvel {

const QStringList& LogQuery::viewerCategories()
{
    static const QStringList categories = {
        QStringLiteral("Warning"), QStringLiteral("Error"),    QStringLiteral("AutoImport"), QStringLiteral("Database"),
        QStringLiteral("Export"),  QStringLiteral("Import"),   QStringLiteral("Settings"),   QStringLiteral("Webview"),
        QStringLiteral("URL_action"), QStringLiteral("App General"),
    };
    return categories;
}

QList<LogEntry> LogQuery::run() const
{
    QList<LogEntry> entries;
    SqliteDatabase db;
    const QString path = Paths::documentsDirectory() + QLatin1Char('/') + QLatin1String(KVLogger::databaseName);
    if (!db.open(path, SqliteDatabase::Mode::ReadOnly))
        return entries;

    QString sql = QStringLiteral("SELECT Event, Date, Category FROM applicationTable");
    if (categories) {
        // 'prefix' matches no category, so the list is valid even when nothing is selected.
        sql += QStringLiteral(" WHERE Category IN ('prefix'");
        for (qsizetype i = 0; i < categories->size(); ++i)
            sql += QStringLiteral(", ?%1").arg(i + 1);
        sql += QLatin1Char(')');
    }
    switch (order) {
    case LogOrder::OldestFirst:
        sql += QStringLiteral(" ORDER BY Date ASC, ROWID ASC");
        break;
    case LogOrder::NewestFirst:
        sql += QStringLiteral(" ORDER BY Date DESC, ROWID DESC");
        break;
    }
    SqliteStatement select = db.prepare(sql.toUtf8().constData());
    if (categories) {
        for (qsizetype i = 0; i < categories->size(); ++i)
            select.bind(int(i + 1), categories->at(i));
    }
    while (select.step() == SqliteStatement::Step::Row)
        entries.append({select.textColumn(0), select.textColumn(1), select.textColumn(2)});
    return filter(entries, search);
}

QList<LogEntry> LogQuery::filter(const QList<LogEntry>& entries, const QString& search)
{
    if (search.isEmpty())
        return entries;
    QList<LogEntry> found;
    for (const LogEntry& entry : entries) {
        if (entry.displayLine().contains(search, Qt::CaseInsensitive))
            found.append(entry);
    }
    return found;
}

}  // namespace korvel

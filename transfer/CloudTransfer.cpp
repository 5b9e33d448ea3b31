#include "transfer/CloudTransfer.h"

#include "log/KVDatabase.h"
#include "log/KVLog.h"
#include "platform/FormatString.h"
#include "settings/KVSettings.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>

namespace korvel {

namespace {

const QString exportFailed = QStringLiteral("Export Failed");

void record(const QString& cloudID, qint64 action)
{
    KVDatabase& database = KVDatabase::getDatabaseObject();
    if (database.databasePath.isEmpty())
        database.createTable();
    database.insertUpdateRow(cloudID, action);
}

}  // namespace

bool CloudTransfer::isValidID(const QString& text)
{
    if (text.size() < minimumIDLength || text.size() > maximumIDLength)
        return false;
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
               || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('_');
    });
}

CloudTransfer::Outcome CloudTransfer::newIDExported(const QString& issuedID, const QString& message, bool success)
{
    if (!success)
        return {false, exportFailed, message};
    // The service's answer is data from the network: an ID that is empty or holds anything but the
    // ID alphabet (markup, line breaks) is no ID.
    if (!isValidID(issuedID)) {
        KVLog(QStringLiteral("Export"), QStringLiteral("The cloud service issued no valid cloud ID; nothing recorded"));
        return {false, exportFailed, QStringLiteral("Export unsuccessful: the cloud service did not issue a valid cloud ID.")};
    }
    record(issuedID, CloudIDHistoryRow::Exported);
    return {true, QStringLiteral("New Cloud ID"), message};
}

CloudTransfer::Outcome CloudTransfer::exportedToID(const QString& typedID, const QString& message, bool success)
{
    if (!success)
        return {false, exportFailed, message};
    record(typedID, CloudIDHistoryRow::Exported);
    KVLog(QStringLiteral("Export"), QStringLiteral("Export Successful to Cloud"));
    return {true, QStringLiteral("Export Settings"), message};
}

CloudTransfer::Outcome CloudTransfer::importedFromID(const QString& typedID, const QString& message, bool success)
{
    if (!success)
        return {false, QStringLiteral("Import Failed"), message};
    record(typedID, CloudIDHistoryRow::Imported);
    KVLog(QStringLiteral("Import"), QStringLiteral("Import Successful from Cloud"));
    return {true, QStringLiteral("Import Settings"), message};
}

void CloudTransfer::newIDCopied()
{
    KVLog(QStringLiteral("App General"), QStringLiteral("New Cloud ID saved to clipboard"));
}

bool CloudTransfer::clearHistory()
{
    KVDatabase& database = KVDatabase::getDatabaseObject();
    if (database.databasePath.isEmpty())
        database.createTable();
    const bool cleared = database.clear();
    KVLog(QStringLiteral("App General"), QStringLiteral("Cloud ID history cleared"));
    return cleared;
}

bool CloudTransfer::saveAutoImportID(const QString& cloudID)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvAutoImport.cloudID = cloudID;
    const bool saved = settings.save();
    KVLog(QStringLiteral("AutoImport"), QStringLiteral("Cloud ID saved for AutoImport"));
    return saved;
}

CloudTransfer::HistoryItem CloudTransfer::historyItem(const CloudIDHistoryRow& row)
{
    const QDateTime when = QDateTime::fromString(row.date, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // The list's own fixed pattern, in English as the rest of the line, whatever the locale.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString date = english.toString(when.date(), QStringLiteral("MM/dd/yyyy"));
    const QString time = english.toString(when.time(), QStringLiteral("hh:mm AP"));
    HistoryItem item;
    item.cloudID = row.cloudID;
    item.title = formatString(QStringLiteral("ID: %@"), row.cloudID);
    switch (row.action) {
    case CloudIDHistoryRow::Exported:
        item.detail = formatString(QStringLiteral("Exported on: %@ at %@"), date, time);
        item.icon = QStringLiteral("export_cloud.png");
        break;
    case CloudIDHistoryRow::Imported:
        item.detail = formatString(QStringLiteral("Imported on: %@ at %@"), date, time);
        item.icon = QStringLiteral("import_cloud.png");
        break;
    default:  // any other stored value reads as an automatic import
        item.detail = formatString(QStringLiteral("Auto-Imported on: %@ at %@"), date, time);
        item.icon = QStringLiteral("auto_import_cloud.png");
        break;
    }
    return item;
}

QList<CloudTransfer::HistoryItem> CloudTransfer::historyItems()
{
    KVDatabase& database = KVDatabase::getDatabaseObject();
    if (database.databasePath.isEmpty())
        database.createTable();
    QList<HistoryItem> items;
    for (const CloudIDHistoryRow& row : database.history())
        items.append(historyItem(row));
    return items;
}

QString CloudTransfer::historyHeader(bool empty)
{
    return empty ? QStringLiteral("  No History") : QStringLiteral("  History");
}

}  // namespace korvel

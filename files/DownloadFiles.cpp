#include "files/DownloadFiles.h"

#include "files/DocumentStore.h"
#include "platform/NotificationCenter.h"
#include "platform/Paths.h"
#include "policy/WebsiteAddress.h"
#include "settings/KVSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace korvel::DownloadFiles {

namespace {

const QString kReloadHistory = QStringLiteral("reload_download_history_table");
const QString kStoredTimePattern = QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'");

// A single file name the documents directory may take from the network.
bool usableName(const QString& name)
{
    // Longer names are refused by common file systems (255 bytes) once a "12_" prefix is added.
    return !name.isEmpty() && name != QLatin1String("/") && !name.contains(QLatin1Char('/'))
           && name.toUtf8().size() <= 200 && !DocumentStore::nameRefusal(name);
}

// The in-progress entry of a download of `url`: the first without an identifier whose path is the
// address as it was recorded.
qsizetype inProgressEntry(const QList<DownloadHistoryParam>& history, const QString& address)
{
    for (qsizetype i = 0; i < history.size(); ++i) {
        if (history.at(i).historyId == 0 && history.at(i).filePath == address)
            return i;
    }
    return -1;
}

}  // namespace

QString byteCountText(qint64 bytes)
{
    if (bytes <= 0)
        return QStringLiteral("Zero KB");
    if (bytes == 1)
        return QStringLiteral("1 byte");
    if (bytes < 1000)
        return QStringLiteral("%1 bytes").arg(bytes);
    // Kilobytes are whole, megabytes have one decimal and larger units two, trailing zeros dropped.
    static const struct {
        const char* unit;
        int decimals;
    } units[] = {{"KB", 0}, {"MB", 1}, {"GB", 2}, {"TB", 2}, {"PB", 2}};
    double value = double(bytes) / 1000.0;
    int unit = 0;
    // Moves up while the rounded number would read 1000 or more ("999.96 MB" is "1 GB").
    while (unit + 1 < int(std::size(units)) && std::round(value * std::pow(10.0, units[unit].decimals)) >= 1000.0 * std::pow(10.0, units[unit].decimals)) {
        value /= 1000.0;
        ++unit;
    }
    QString number = QLocale::c().toString(value, 'f', units[unit].decimals);
    if (number.contains(QLatin1Char('.'))) {
        while (number.endsWith(QLatin1Char('0')))
            number.chop(1);
        if (number.endsWith(QLatin1Char('.')))
            number.chop(1);
    }
    return number + QLatin1Char(' ') + QLatin1String(units[unit].unit);
}

QString getFileSize(const QString& path)
{
    const QFileInfo info(path);
    return byteCountText(info.isFile() ? info.size() : 0);
}

QStringList settingsDocumentNames(const KVSettings& settings)
{
    return {settings.kvAutoImport.fileAutoImport, settings.kvAutoImport.fileImport, QStringLiteral("Korvel.plist")};
}

QString downloadFileName(const QUrl& url, const QString& suggestedName, const QStringList& settingsNames)
{
    QString name;
    const QString fromAddress = WebsiteAddress::lastPathComponent(url);
    if (usableName(fromAddress)) {
        name = fromAddress;
    } else if (usableName(suggestedName)) {
        name = suggestedName;
    } else {
        const QString extension = QFileInfo(suggestedName).suffix();
        const bool plainExtension = !extension.isEmpty() && extension.size() <= 10
                                    && std::all_of(extension.begin(), extension.end(), [](QChar c) { return c.isLetterOrNumber(); });
        name = plainExtension ? QStringLiteral("download.") + extension : QStringLiteral("download");
    }
    if (settingsNames.contains(name, Qt::CaseInsensitive))
        name.prepend(QStringLiteral("download-"));
    return name;
}

QString reserveDownloadDestination(const QString& directory, const QString& name)
{
    if (!QDir().mkpath(directory))
        return {};
    // Bounded: a directory that refuses every name (read-only, full) must not hold the caller forever.
    for (int counter = 0; counter < 100000; ++counter) {
        const QString candidate = directory + QLatin1Char('/') + (counter == 0 ? name : QString::number(counter) + QLatin1Char('_') + name);
        QFileInfo info(candidate);
        if (info.exists() || info.isSymLink())
            continue;
        QFile file(candidate);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return candidate;
        // Taken meanwhile by another download: try the next name; otherwise the directory refuses.
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            return {};
    }
    return {};
}

bool updateDownloadFileDetail(const QUrl& url, bool isSuccess, const QString& storedPath, KVSettings& settings,
                              const QDateTime& now)
{
    const KVBrowserPrefSettings& p = settings.kvBrowPref;
    if (!p.isAllowKeepDownloadHistory)
        return isSuccess && p.isAllowOpenFileAfterDownload;
    QList<DownloadHistoryParam>& history = settings.arrDownloadHistory;
    const QString address = url.toString(QUrl::FullyEncoded);
    const qsizetype running = inProgressEntry(history, address);
    if (!isSuccess) {
        if (running < 0)
            return false;
        history.removeAt(running);
        settings.save();
        NotificationCenter::defaultCenter().post(kReloadHistory);
        return false;
    }
    qint64 largest = 0;
    for (const DownloadHistoryParam& entry : history)
        largest = std::max(largest, entry.historyId);
    const DownloadHistoryParam finished = DownloadHistoryParam::initWithParams(
        downloadFileName(url, QFileInfo(storedPath).fileName()),
        storedPath, now.toUTC().toString(kStoredTimePattern), getFileSize(storedPath), largest + 1);
    if (running >= 0)
        history[running] = finished;
    else
        history.append(finished);
    settings.save();
    NotificationCenter::defaultCenter().post(kReloadHistory);
    return p.isAllowOpenFileAfterDownload;
}

QString downloadStagingDirectory()
{
    return Paths::cachesDirectory() + QStringLiteral("/downloads");
}

void cleanUpUnfinishedDownloads(KVSettings& settings)
{
    QDir(downloadStagingDirectory()).removeRecursively();
    const qsizetype before = settings.arrDownloadHistory.size();
    settings.arrDownloadHistory.removeIf([](const DownloadHistoryParam& entry) { return entry.historyId == 0; });
    if (settings.arrDownloadHistory.size() != before)
        settings.save();
}

void deleteDownloadHistoryEntries(const QSet<qint64>& historyIds, KVSettings& settings)
{
    settings.arrDownloadHistory.removeIf([&](const DownloadHistoryParam& entry) { return historyIds.contains(entry.historyId); });
    settings.save();
    NotificationCenter::defaultCenter().post(kReloadHistory);
}

DownloadHistoryRow downloadHistoryRow(const DownloadHistoryParam& entry, const QTimeZone& localZone)
{
    DownloadHistoryRow row;
    row.title = entry.fileName;
    if (entry.historyId == 0) {
        //% "Downloading..."
        row.detail = qtTrId("STATUS_DOWNLOADING");
        return row;
    }
    QDateTime when = QLocale::c().toDateTime(entry.downloadTime, kStoredTimePattern);
    when.setTimeSpec(Qt::UTC);
    const QString date = when.isValid() ? QLocale::c().toString(when.toTimeZone(localZone), QStringLiteral("MMM dd, yyyy")) : QString();
    //% "Size"
    const QString size = qtTrId("TEXT_SIZE");
    //% "When"
    const QString whenText = qtTrId("TEXT_WHEN");
    row.detail = QStringLiteral("%1: %2 %3: %4").arg(size, entry.fileSize, whenText, date);
    row.storedPath = WebsiteAddress::appendDocDirectoryPathIfFileURL(QUrl::fromLocalFile(entry.filePath)).toLocalFile();
    if (QFileInfo(row.storedPath).isFile()) {
        row.state = DownloadHistoryRow::State::Stored;
    } else {
        row.state = DownloadHistoryRow::State::Missing;
        //% "The file does not exist."
        row.detail += QStringLiteral("\n %1").arg(qtTrId("FILE_DOES_NOT_EXIST"));
    }
    return row;
}

}  // namespace korvel::DownloadFiles

#pragma once

#include "settings/DownloadHistoryParam.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QTimeZone>
#include <QString>
#include <QUrl>

namespace korvel {
class KVSettings;
}  // namespace korvel

namespace korvel::DownloadFiles {

// A byte count as a person reads it, in decimal units: "Zero KB", "1 byte", "532 bytes", "12 KB",
// "1.2 MB", "1.23 GB". The number is written in the C locale, like the stored history.
QString byteCountText(qint64 bytes);
// The size of the file at `path` in the same words; "Zero KB" when it cannot be read.
QString getFileSize(const QString& path);

// The names settings documents are read from: the automatic import's file, the name "Import from
// File" offers (the last one used) and "Korvel.plist".
QStringList settingsDocumentNames(const KVSettings& settings);
// The name a download of `url` is stored under before it is made unique: the address's last path
// component. When that is unusable (none, a directory, a dot segment, a control character, a
// path separator, a name of the program's own files), the engine's suggestion is tried the same
// way, and then "download" with the suggestion's extension. A name among `settingsNames`
// (ignoring case) gets the prefix "download-": a visitor's file never becomes a settings document.
QString downloadFileName(const QUrl& url, const QString& suggestedName, const QStringList& settingsNames = {});
// A free path for `name` in `directory`: the name itself, else "1_" + name, "2_" + name, and so on.
// The file is created empty (exclusively), so that two downloads finishing together never share
// one name. Empty when nothing could be created there.
QString reserveDownloadDestination(const QString& directory, const QString& name);

// The history update after a download of `url` ended: on failure the in-progress entry of that
// address goes; on success it becomes a finished entry for `storedPath` (appended when there was
// none), with the next identifier. Only with history keeping on; saves the store and posts
// "reload_download_history_table" when something changed. Returns whether the stored file should
// now be offered to the person.
bool updateDownloadFileDetail(const QUrl& url, bool isSuccess, const QString& storedPath, KVSettings& settings,
                              const QDateTime& now);
// Removes the entries with these identifiers (files stay); saves and posts the reload notification.
void deleteDownloadHistoryEntries(const QSet<qint64>& historyIds, KVSettings& settings);

// Where unfinished downloads are written: outside Documents, so that neither the upload server nor
// the file picker ever sees half a file.
QString downloadStagingDirectory();
// What a previous run left: staging files and in-progress history entries (no download outlives
// the process that ran it). Saves the store when an entry went.
void cleanUpUnfinishedDownloads(KVSettings& settings);

// How a history entry is shown.
struct DownloadHistoryRow {
    enum class State { Downloading, Stored, Missing };
    State state = State::Downloading;
    QString title;
    QString detail;
    QString storedPath;  // the file as it lies in the documents directory now; empty while downloading
};
// The stored UTC time is shown as a date in `localZone`, the device's zone (tests pass a fixed one).
DownloadHistoryRow downloadHistoryRow(const DownloadHistoryParam& entry, const QTimeZone& localZone);

}  // namespace korvel::DownloadFiles

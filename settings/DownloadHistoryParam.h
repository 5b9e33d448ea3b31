#pragma once

#include <QString>
#include <QVariantMap>

namespace korvel {

// One entry of the download history. While the download runs, historyId is 0 and filePath holds
// the source URL; afterwards filePath is the stored file's path.
struct DownloadHistoryParam {
    QString fileName;
    QString filePath;
    QString downloadTime;  // UTC "yyyy-MM-dd'T'HH:mm:ss.SSS'Z'"; empty while downloading
    QString fileSize;      // empty while downloading
    qint64 historyId = 0;

    static DownloadHistoryParam initWithParams(const QString& fileName, const QString& filePath,
                                               const QString& downloadTime, const QString& fileSize,
                                               qint64 historyId);
    static DownloadHistoryParam initWithDictionary(const QVariantMap& dictionary);
    // The four texts are always written; one that holds no value is written empty.
    QVariantMap toDictionary() const;

    bool operator==(const DownloadHistoryParam&) const = default;
};

}  // namespace korvel

// Texts and numbers only: a list of records grows by moving memory, not by copying each record.
Q_DECLARE_TYPEINFO(korvel::DownloadHistoryParam, Q_RELOCATABLE_TYPE);

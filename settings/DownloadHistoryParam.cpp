#include "settings/DownloadHistoryParam.h"

#include "settings/PlistValue.h"

namespace korvel {

namespace {

const QString kFileName = QStringLiteral("FileName");
const QString kFilePath = QStringLiteral("FilePath");
const QString kDownloadTime = QStringLiteral("DownloadTime");
const QString kFileSize = QStringLiteral("FileSize");
const QString kHistoryId = QStringLiteral("HistoryId");

// A text that holds no value is stored as the empty text, never as a "(null)" placeholder.
QString written(const QString& text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

}  // namespace

DownloadHistoryParam DownloadHistoryParam::initWithParams(const QString& fileName, const QString& filePath,
                                                          const QString& downloadTime, const QString& fileSize,
                                                          qint64 historyId)
{
    return DownloadHistoryParam{fileName, filePath, downloadTime, fileSize, historyId};
}

DownloadHistoryParam DownloadHistoryParam::initWithDictionary(const QVariantMap& d)
{
    using namespace PlistValue;
    return DownloadHistoryParam{stringValue(d.value(kFileName)), stringValue(d.value(kFilePath)),
                                stringValue(d.value(kDownloadTime)), stringValue(d.value(kFileSize)),
                                integerValue(d.value(kHistoryId))};
}

QVariantMap DownloadHistoryParam::toDictionary() const
{
    return QVariantMap{{kFileName, written(fileName)},
                       {kFilePath, written(filePath)},
                       {kDownloadTime, written(downloadTime)},
                       {kFileSize, written(fileSize)},
                       {kHistoryId, historyId}};
}

}  // namespace korvel

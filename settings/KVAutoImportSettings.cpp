#include "settings/KVAutoImportSettings.h"

#include "settings/PlistValue.h"

namespace korvel {

namespace {

const QString kPeriodicity = QStringLiteral("Periodicity");
const QString kDoAutoImport = QStringLiteral("DoAutoImport");
const QString kCloudID = QStringLiteral("CloudID");
const QString kImportFrom = QStringLiteral("ImportFrom");
const QString kOld = QStringLiteral("OLD");
const QString kFileURLName = QStringLiteral("FileURLName");
const QString kUrlAutoImport = QStringLiteral("UrlAutoImport");
const QString kFileAutoImport = QStringLiteral("FileAutoImport");
const QString kFileExport = QStringLiteral("FileExport");
const QString kUrlImport = QStringLiteral("UrlImport");
const QString kFileImport = QStringLiteral("FileImport");

const QString defaultFile = QStringLiteral("Korvel.plist");

void insertText(QVariantMap& d, const QString& key, const QString& text)
{
    if (!text.isNull())
        d.insert(key, text);
}

}  // namespace

KVAutoImportSettings KVAutoImportSettings::init()
{
    KVAutoImportSettings record;
    record.loadDefaults();
    return record;
}

void KVAutoImportSettings::loadDefaults()
{
    const QString empty(QLatin1String(""));
    periodicity = 10;
    doAutoImport = false;
    cloudID = QString();
    importFrom = 0;
    oldXMLSettings = QString();
    fileURLName = empty;
    urlAutoImport = empty;
    fileAutoImport = defaultFile;
    fileExport = defaultFile;
    urlImport = empty;
    fileImport = defaultFile;
}

KVAutoImportSettings KVAutoImportSettings::initWithDictionary(const std::optional<QVariantMap>& dictionary)
{
    if (!dictionary)
        return init();
    using namespace PlistValue;
    const QVariantMap& d = *dictionary;
    KVAutoImportSettings r;
    r.periodicity = int32Value(d.value(kPeriodicity));
    r.doAutoImport = boolValue(d.value(kDoAutoImport));
    r.cloudID = stringValue(d.value(kCloudID));
    r.importFrom = int32Value(d.value(kImportFrom));
    r.oldXMLSettings = stringValue(d.value(kOld));
    r.fileURLName = stringValue(d.value(kFileURLName));
    r.urlAutoImport = stringValue(d.value(kUrlAutoImport));
    r.fileAutoImport = stringValue(d.value(kFileAutoImport));
    r.fileExport = stringValue(d.value(kFileExport));
    r.urlImport = stringValue(d.value(kUrlImport));
    r.fileImport = stringValue(d.value(kFileImport));
    return r;
}

QVariantMap KVAutoImportSettings::toDictionary() const
{
    QVariantMap d;
    d.insert(kPeriodicity, qint64(periodicity));
    d.insert(kDoAutoImport, doAutoImport);
    insertText(d, kCloudID, cloudID);
    d.insert(kImportFrom, qint64(importFrom));
    insertText(d, kOld, oldXMLSettings);
    insertText(d, kFileURLName, fileURLName);
    insertText(d, kUrlAutoImport, urlAutoImport);
    insertText(d, kFileAutoImport, fileAutoImport);
    insertText(d, kFileExport, fileExport);
    insertText(d, kUrlImport, urlImport);
    insertText(d, kFileImport, fileImport);
    return d;
}

}  // namespace korvel

#include "transfer/SettingsDocument.h"

#include "log/KVLog.h"
#include "platform/DocumentName.h"
#include "platform/FormatString.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/PlistValue.h"
#include "settings/PasswordStore.h"
#include "transfer/EmbeddedFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace korvel::SettingsDocument {

namespace {

const QString category = QStringLiteral("Import-Export Data");
const QString kFileName = QStringLiteral("FileName");
const QString kFileData = QStringLiteral("FileData");
const QString kIconPath = QStringLiteral("IconPath");
const QString kLandscapeFrame = QStringLiteral("LandscapeFrame");
const QString kPortraitFrame = QStringLiteral("PortraitFrame");
const QString kURL = QStringLiteral("URL");
const QString noFrame = QStringLiteral("{0,0,0,0}");

// Standard Base64 in lines of 64 characters separated by CR LF, as other readers of the document expect.
QString base64Lines(const QByteArray& bytes)
{
    const QByteArray encoded = bytes.toBase64();
    QByteArray lines;
    lines.reserve(encoded.size() + encoded.size() / 32 + 2);
    for (qsizetype i = 0; i < encoded.size(); i += 64) {
        if (i > 0)
            lines.append("\r\n", 2);
        lines.append(encoded.constData() + i, std::min<qsizetype>(64, encoded.size() - i));
    }
    return QString::fromLatin1(lines);
}

// The file of Documents that a setting names, when the name stays inside; a name that would carry
// another file of the device into the document is logged and left out.
std::optional<QString> sourceFile(const QString& name)
{
    const QString documents = Paths::documentsDirectory();
    std::optional<DocumentName::Refusal> refusal = DocumentName::nameRefusal(name);
    std::optional<QString> path;
    if (!refusal) {
        path = Paths::resolvedInside(documents, documents + QLatin1Char('/') + name);
        if (!path)
            refusal = DocumentName::Refusal::Outside;
    }
    if (refusal) {
        KVLog(category, QStringLiteral("Export refused (%@): %@"), DocumentName::refusalText(*refusal), name);
        return std::nullopt;
    }
    return path;
}

QVariantMap fileEntry(const QString& name, const QByteArray& bytes)
{
    return QVariantMap{{kFileName, name}, {kFileData, base64Lines(bytes)}};
}

struct SingleFileWords {
    const char* key;
    const char* emptyOrNil;
    const char* available;
    const char* notExist;
    const char* dataNil;
    const char* adding;
};

QVariantList singleFileEntry(const QVariantMap& preferences, const SingleFileWords& words)
{
    const QString value = PlistValue::stringValue(preferences.value(QLatin1String(words.key)));
    if (value.isEmpty()) {
        KVLog(category, QString::fromLatin1(words.emptyOrNil));
        return {};
    }
    KVLog(category, QString::fromLatin1(words.available));
    const std::optional<QString> path = sourceFile(value);
    if (!path)
        return {};
    if (!QFileInfo(*path).isFile()) {
        KVLog(category, QString::fromLatin1(words.notExist));
        return {};
    }
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        KVLog(category, QString::fromLatin1(words.dataNil));
        return {};
    }
    const QByteArray bytes = file.readAll();
    KVLog(category, QString::fromLatin1(words.adding));
    return {fileEntry(value, bytes)};
}

struct IconWords {
    const char* listKey;
    const char* nameKey;
    const char* none;
    const char* some;
    const char* emptyPath;
    const char* missing;
    const char* unreadable;
    const char* added;
};

QVariantList iconEntries(const QVariantMap& document, const IconWords& words)
{
    const QVariantList list = document.value(QLatin1String(words.listKey)).toList();
    if (list.isEmpty()) {
        KVLog(category, QString::fromLatin1(words.none));
        return {};
    }
    KVLog(category, QString::fromLatin1(words.some));
    QVariantList entries;
    for (const QVariant& element : list) {
        const QVariantMap record = element.toMap();
        const QString path = QUrl::fromPercentEncoding(PlistValue::stringValue(record.value(kIconPath)).toUtf8());
        const QString name = PlistValue::stringValue(record.value(QLatin1String(words.nameKey)));
        if (path.isEmpty()) {
            KVLog(category, QString::fromLatin1(words.emptyPath), name);
            continue;
        }
        const std::optional<QString> source = sourceFile(path);
        if (!source)
            continue;
        if (!QFileInfo(*source).isFile()) {
            KVLog(category, QString::fromLatin1(words.missing), name, path);
            continue;
        }
        QFile file(*source);
        if (!file.open(QIODevice::ReadOnly)) {
            KVLog(category, QString::fromLatin1(words.unreadable), name, path);
            continue;
        }
        entries.append(fileEntry(path, file.readAll()));
        KVLog(category, QString::fromLatin1(words.added), name, path);
    }
    return entries;
}

bool isArrayOfDictionaries(const QVariant& value)
{
    if (value.metaType().id() != QMetaType::QVariantList)
        return false;
    const QVariantList list = value.toList();
    return std::all_of(list.cbegin(), list.cend(),
                       [](const QVariant& element) { return element.metaType().id() == QMetaType::QVariantMap; });
}

void log(DeferredLog* deferred, const QString& category, const QString& message)
{
    if (deferred)
        deferred->append({category, message});
    else
        KVLog(category, QStringLiteral("%@"), message);
}

void fillMissingFrames(QVariantMap& record)
{
    if (!record.contains(kLandscapeFrame))
        record.insert(kLandscapeFrame, noFrame);
    if (!record.contains(kPortraitFrame))
        record.insert(kPortraitFrame, noFrame);
}

}  // namespace

QVariantList exportWallperDataInFileArray(const QVariantMap& preferences)
{
    return singleFileEntry(preferences, {"Wallpaper", "Wallpaper is either empty or nil.", "Wallpaper is available.",
                                         "Wallpaper file is not exist in directory.", "Wallpaper file data nil.",
                                         "Adding wallpaper file in array."});
}

QVariantList exportScreenSaverDataInFileArray(const QVariantMap& preferences)
{
    return singleFileEntry(preferences, {"ScreenSaver", "ScreenSaver is either empty or nil.", "ScreenSaver is available.",
                                         "ScreenSaver file is not exist in directory.", "ScreenSaver file data nil.",
                                         "Adding ScreenSaver file in array."});
}

QVariantList exportAllowWebsiteIconDataInFileArray(const QVariantMap& document)
{
    return iconEntries(document, {"AllowedWebsites", "Title", "AllowWebsite icon files are not available.",
                                  "AllowWebsite icon files are available.", "AllowWebsite(%@) IconPath is either empty or nil.",
                                  "AllowWebsite(%@) icon file (%@) is not exist in directory.",
                                  "AllowWebsite(%@) icon file (%@) data nil.",
                                  "AllowWebsite (%@) icon file (%@) in added in array."});
}

QVariantList exportCategoryIconDataInFileArray(const QVariantMap& document)
{
    return iconEntries(document, {"AllowedWebsitesCategory", "CategoryTitle", "Category icon files are not available.",
                                  "Category icon files are available.", "Category(%@) IconPath is either empty or nil.",
                                  "Category(%@) icon file (%@) is not exist in directory.",
                                  "Category(%@) icon file (%@) data nil.",
                                  "Category (%@) icon file (%@) is added in array."});
}

bool importFiles(const QVariantMap& document)
{
    EmbeddedFiles files(Paths::documentsDirectory());
    const bool staged = files.stage(document, EmbeddedFiles::OnFailure::GoOn);
    const bool committed = files.commit();
    return staged && committed && !files.refusedAny();
}

void writeLog(const DeferredLog& lines)
{
    for (const auto& [category, message] : lines)
        KVLog(category, QStringLiteral("%@"), message);
}

QVariantList parsingAllowedWebsiteData(QVariantList array, bool isFromAutoImport, DeferredLog* deferred)
{
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (array[i].metaType().id() != QMetaType::QVariantMap)
            continue;
        QVariantMap record = array[i].toMap();
        const QString url = PlistValue::stringValue(record.value(kURL));
        if (QUrl(url).scheme().isEmpty())
            record.insert(kURL, QStringLiteral("http://") + url);
        if (!isFromAutoImport)
            fillMissingFrames(record);
        record.insert(QStringLiteral("AllowedWebsiteId"), qint64(i));
        log(deferred, QStringLiteral("URL_action"), formatString(QStringLiteral("URL_Added<%@>"), PlistValue::stringValue(record.value(kURL))));
        array[i] = record;
    }
    return array;
}

QVariantList parsingCategoryData(QVariantList array, bool isFromAutoImport, DeferredLog* deferred)
{
    for (QVariant& element : array) {
        if (element.metaType().id() != QMetaType::QVariantMap)
            continue;
        QVariantMap record = element.toMap();
        if (!isFromAutoImport)
            fillMissingFrames(record);
        log(deferred, QStringLiteral("CATEGORY_action"),
            formatString(QStringLiteral("Title: %@"), PlistValue::stringValue(record.value(QStringLiteral("CategoryTitle")))));
        log(deferred, QStringLiteral("CATEGORY_action"), formatString(QStringLiteral("Icon URL: %@"), PlistValue::stringValue(record.value(kIconPath))));
        element = record;
    }
    return array;
}

QVariantList parsingBlockedWebsiteData(QVariantList array, DeferredLog* deferred)
{
    for (const QVariant& element : std::as_const(array))
        log(deferred, QStringLiteral("Blocked_URL_action"), formatString(QStringLiteral("URL_Added<%@>"), PlistValue::stringValue(element.toMap().value(kURL))));
    return array;
}

QVariantMap buildSettingsDocument()
{
    KVSettings::getSettingsObject().save();
    QVariantMap document = UserDefaults::standard().dictionaryRepresentation();
    QVariantMap preferences = document.value(QString::fromLatin1(KVSettings::browserPreferencesKey)).toMap();
    // The password leaves the device as its hash only; a damaged store sends none, so the
    // document leaves the receiver's password as it is.
    preferences.remove(QStringLiteral("Password"));
    const QString hash = PasswordStore::passwordHashForDocument();
    if (!hash.isNull())
        preferences.insert(QStringLiteral("PasswordHash"), hash);
    document.insert(QString::fromLatin1(KVSettings::browserPreferencesKey), preferences);
    document.remove(QString::fromLatin1(KVSettings::autoImportKey));
    document.remove(QString::fromLatin1(UserDefaults::managedKey));
    document.remove(QStringLiteral("mdmConfChecksum"));
    QVariantList files = exportWallperDataInFileArray(preferences);
    files += exportAllowWebsiteIconDataInFileArray(document);
    files += exportCategoryIconDataInFileArray(document);
    files += exportScreenSaverDataInFileArray(preferences);
    document.insert(QStringLiteral("Files"), files);
    return document;
}

QByteArray settingsDocumentXML(const QVariantMap& document)
{
    return PropertyList::toXml(document);
}

QString pellmorText(const QByteArray& xml)
{
    return QStringLiteral("<![CDATA[\n") + QString::fromUtf8(xml) + QStringLiteral("]]>");
}

QString settingsDocumentError(const QVariantMap& document)
{
    for (const char* key : {KVSettings::allowedWebsitesKey, KVSettings::allowedWebsitesCategoryKey, KVSettings::blockedWebsitesKey,
                            KVSettings::downloadHistoryKey, "Files"}) {
        const auto it = document.constFind(QLatin1String(key));
        if (it != document.constEnd() && !isArrayOfDictionaries(it.value()))
            return QStringLiteral("\"%1\" is not a list of dictionaries").arg(QLatin1String(key));
    }
    const auto preferences = document.constFind(QLatin1String(KVSettings::browserPreferencesKey));
    if (preferences != document.constEnd()) {
        if (preferences->metaType().id() != QMetaType::QVariantMap)
            return QStringLiteral("\"BrowserPreferences\" is not a dictionary");
        const QVariantMap record = preferences->toMap();
        const auto password = record.constFind(QStringLiteral("Password"));
        if (password != record.constEnd()
            && (password->metaType().id() != QMetaType::QString || !KVHashString::isBase64(password->toString())))
            return QStringLiteral("the password is not Base64 text");
        const auto hash = record.constFind(QStringLiteral("PasswordHash"));
        if (hash != record.constEnd()
            && (hash->metaType().id() != QMetaType::QString || !(hash->toString().isEmpty() || KVHashString::isPasswordHash(hash->toString()))))
            return QStringLiteral("the password hash is not an Argon2id hash of a cost this kiosk can check");
    }
    return {};
}

ParsedDocument readSettingsDocument(const QByteArray& bytes, const XmlPropertyListReader::Passed& passed)
{
    static const QByteArray prefix = QByteArrayLiteral("<![CDATA[");
    static const QByteArray suffix = QByteArrayLiteral("]]>");
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    // A binary list is taken as it is: its last bytes may well look like white space.
    if (!bytes.startsWith("bplist")) {
        const bool wrapped = bytes.startsWith(prefix);
        const bool closed = bytes.size() - (wrapped ? prefix.size() : 0) >= suffix.size() && bytes.endsWith(suffix);
        if (wrapped)
            begin = prefix.size();
        if (closed)
            end -= suffix.size();
        while (begin < end && QChar::isSpace(uchar(bytes.at(begin))))
            ++begin;
        // White space after a bare list is the parser's; only a wrapper's inside is trimmed here.
        while ((wrapped || closed) && end > begin && QChar::isSpace(uchar(bytes.at(end - 1))))
            --end;
    }
    // The list inside a wrapper is a view, not a copy of what may be many megabytes.
    const PropertyListParse parsed = PropertyList::parse(QByteArray::fromRawData(bytes.constData() + begin, end - begin), passed);
    if (!parsed.ok())
        return {std::nullopt, QStringLiteral("not a property list: ") + parsed.message};
    if (parsed.value.metaType().id() != QMetaType::QVariantMap)
        return {std::nullopt, QStringLiteral("its root is not a dictionary")};
    QVariantMap document = parsed.value.toMap();
    const QString error = settingsDocumentError(document);
    if (!error.isNull())
        return {std::nullopt, error};
    return {std::move(document), {}};
}

}  // namespace korvel::SettingsDocument

#include "settings/KVSettings.h"

#include "platform/Device.h"
#include "platform/FormatString.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "platform/Version.h"
#include "settings/PlistValue.h"
#include "settings/TalvexUtils.h"

#include <QSaveFile>

#include <memory>

namespace korvel {

namespace {

std::unique_ptr<KVSettings>& sharedSettings()
{
    static std::unique_ptr<KVSettings> settings;
    return settings;
}

KVSettings::FilesImporter& filesImporter()
{
    static KVSettings::FilesImporter importer;
    return importer;
}

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

template <typename Record>
QVariantList toDictArray(const QList<Record>& records)
{
    QVariantList array;
    array.reserve(records.size());
    for (const Record& record : records)
        array.append(record.toDictionary());
    return array;
}

// initWithDictionary already reads a missing key as the blank value of its kind, so completing each
// dictionary with a blank record's keys first would change nothing.
template <typename Record>
QList<Record> fromDictArray(const QVariantList& array)
{
    QList<Record> records;
    records.reserve(array.size());
    for (const QVariant& element : array) {
        if (element.metaType().id() == QMetaType::QVariantMap)
            records.append(Record::initWithDictionary(element.toMap()));
    }
    return records;
}

QVariantList arrayIn(const QVariantMap& document, const char* name)
{
    const QVariant value = document.value(key(name));
    return value.metaType().id() == QMetaType::QVariantList ? value.toList() : QVariantList();
}

}  // namespace

KVSettings& KVSettings::getSettingsObject()
{
    auto& settings = sharedSettings();
    if (!settings) {
        settings = std::make_unique<KVSettings>(UserDefaults::standard());
        settings->initial();
        settings->load();
    }
    return *settings;
}

void KVSettings::resetSettingsObject()
{
    sharedSettings().reset();
}

KVSettings::KVSettings(UserDefaults& defaults)
    : m_defaults(defaults)
{
}

void KVSettings::setFilesImporter(FilesImporter importer)
{
    filesImporter() = std::move(importer);
}

void KVSettings::initial()
{
    const Device& device = Device::current();
    m_defaults.setObject(key(deviceInformationKey),
                         QVariantMap{{QStringLiteral("Korvel Version"), appNameAndVersionNumberDisplayString()},
                                     {QStringLiteral("Device Model"), device.model()},
                                     {QStringLiteral("OS"), device.systemName()},
                                     {QStringLiteral("OS version"), device.systemVersion()}});
}

QString KVSettings::appNameAndVersionNumberDisplayString()
{
    const QString name = QString::fromUtf8(version::displayName);
    const QString shortVersion = QString::fromUtf8(version::shortVersion);
    QSaveFile file(Paths::documentsDirectory() + QStringLiteral("/Version.txt"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(formatString(QStringLiteral("%@ %@"), name, shortVersion).toUtf8());
        file.commit();
    }
    return formatString(QStringLiteral("%@, Version %@ (%@)"), name, shortVersion,
                        QString::fromUtf8(version::buildNumber));
}

bool KVSettings::save()
{
    m_defaults.setObject(key(allowedWebsitesKey), getAWDictArray());
    m_defaults.setObject(key(allowedWebsitesCategoryKey), getAllowedWebsitesCategoriesDictArray());
    m_defaults.setObject(key(browserPreferencesKey), kvBrowPref.toDictionary());
    m_defaults.setObject(key(autoImportKey), kvAutoImport.toDictionary());
    m_defaults.setObject(key(blockedWebsitesKey), getBWDictArray());
    m_defaults.setObject(key(downloadHistoryKey), getDownloadHistoryDictArray());
    return m_defaults.synchronize();
}

void KVSettings::load()
{
    if (m_holdsPreferences)
        kvBrowPref.afterImportCheck(m_defaults);
    allowedWebsites = buildAWABrrayFromDictArray(m_defaults.arrayForKey(key(allowedWebsitesKey)));
    allowedWebsitesCategories =
        buildAllowedWebsitesCategoryArrayFromDictArray(m_defaults.arrayForKey(key(allowedWebsitesCategoryKey)));
    blockedWebsites = buildbWABrrayFromDictArray(m_defaults.arrayForKey(key(blockedWebsitesKey)));
    arrDownloadHistory = buildDownloadHistoryArrayFromDictArray(m_defaults.arrayForKey(key(downloadHistoryKey)));
    kvBrowPref =
        KVBrowserPrefSettings::initWithDictionary(PlistValue::dictionaryValue(m_defaults.objectForKey(key(browserPreferencesKey))));
    m_holdsPreferences = true;
    kvAutoImport =
        KVAutoImportSettings::initWithDictionary(PlistValue::dictionaryValue(m_defaults.objectForKey(key(autoImportKey))));
}

bool KVSettings::loadSettings(const QVariantMap& document)
{
    allowedWebsites = buildAWABrrayFromDictArray(arrayIn(document, allowedWebsitesKey));
    allowedWebsitesCategories = buildAllowedWebsitesCategoryArrayFromDictArray(arrayIn(document, allowedWebsitesCategoryKey));
    blockedWebsites = buildbWABrrayFromDictArray(arrayIn(document, blockedWebsitesKey));
    arrDownloadHistory = buildDownloadHistoryArrayFromDictArray(arrayIn(document, downloadHistoryKey));
    const std::optional<QVariantMap> preferences = PlistValue::dictionaryValue(document.value(key(browserPreferencesKey)));
    kvBrowPref = KVBrowserPrefSettings::initWithDictionary(preferences);
    m_holdsPreferences = true;
    kvAutoImport = KVAutoImportSettings::initWithDictionary(PlistValue::dictionaryValue(document.value(key(autoImportKey))));
    if (preferences) {
        const QString password = PlistValue::stringValue(preferences->value(QStringLiteral("Password")));
        if (!password.isNull())
            TalvexUtils::setPassword(password);
    }
    if (filesImporter())
        filesImporter()(document);
    return save();
}

QVariantList KVSettings::getAWDictArray() const
{
    return toDictArray(allowedWebsites);
}

QVariantList KVSettings::getAllowedWebsitesCategoriesDictArray() const
{
    return toDictArray(allowedWebsitesCategories);
}

QVariantList KVSettings::getBWDictArray() const
{
    return toDictArray(blockedWebsites);
}

QVariantList KVSettings::getDownloadHistoryDictArray() const
{
    return toDictArray(arrDownloadHistory);
}

QList<allowedWebsite> KVSettings::buildAWABrrayFromDictArray(const QVariantList& array)
{
    return fromDictArray<allowedWebsite>(array);
}

QList<allowedWebsiteCategory> KVSettings::buildAllowedWebsitesCategoryArrayFromDictArray(const QVariantList& array)
{
    return fromDictArray<allowedWebsiteCategory>(array);
}

QList<blockedWebsite> KVSettings::buildbWABrrayFromDictArray(const QVariantList& array)
{
    return fromDictArray<blockedWebsite>(array);
}

QList<DownloadHistoryParam> KVSettings::buildDownloadHistoryArrayFromDictArray(const QVariantList& array)
{
    return fromDictArray<DownloadHistoryParam>(array);
}

}  // namespace korvel

#include "settings/KVSettings.h"

#include "platform/AtomicFile.h"
#include "platform/Device.h"
#include "platform/FormatString.h"
#include "platform/Paths.h"
#include "platform/StoredList.h"
#include "platform/UserDefaults.h"
#include "platform/Version.h"
#include "settings/PlistValue.h"
#include "settings/PreferenceText.h"

#include <vector>

#include <QFile>

#include <memory>
#include <utility>

namespace korvel {

namespace {

std::unique_ptr<KVSettings>& sharedSettings()
{
    static std::unique_ptr<KVSettings> settings;
    return settings;
}

KVSettings::ChangeReporter& changeReporter()
{
    static KVSettings::ChangeReporter reporter;
    return reporter;
}

QString& changeSource()
{
    static QString who = QStringLiteral("screen");
    return who;
}

QString shownValue(const KVBrowserPrefSettings& record, const KVBrowserPrefSettings::Field& field)
{
    // The upload access code is a secret: the log tells whether there is one, never which.
    if (QLatin1String(field.key) == QLatin1String("UploadAccessCode"))
        return record.uploadAccessCode.isEmpty() ? QStringLiteral("(none)") : QStringLiteral("(set)");
    return PreferenceText::format(record, field);
}

QString key(const char* name)
{
    return QString::fromLatin1(name);
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

// A list of records as the store holds it: written element by element from the records, never
// held as a tree beside them.
template <typename Record>
class RecordList final : public StoredList {
public:
    explicit RecordList(QList<Record> records)
        : m_records(std::move(records))
    {
    }
    qsizetype size() const override { return m_records.size(); }
    QVariant element(qsizetype index) const override { return m_records.at(index).toDictionary(); }
    bool sameAs(const StoredList& other) const override
    {
        // Shared data is the same records: QList copies on the first change.
        const auto* list = dynamic_cast<const RecordList*>(&other);
        return list && list->m_records.size() == m_records.size() && list->m_records.constData() == m_records.constData();
    }
    const QList<Record>& records() const { return m_records; }

private:
    QList<Record> m_records;
};

template <typename Record>
class RecordListBuilder final : public StoredListBuilder {
public:
    void append(const QVariant& element) override
    {
        if (element.metaType().id() == QMetaType::QVariantMap)
            m_records.append(Record::initWithDictionary(element.toMap()));
    }
    StoredListPtr finish() override { return std::make_shared<RecordList<Record>>(std::move(m_records)); }

private:
    QList<Record> m_records;
};

template <typename Record>
QVariant storedRecords(const QList<Record>& records)
{
    return QVariant::fromValue(StoredListPtr(std::make_shared<RecordList<Record>>(records)));
}

// The records stored under `name`: taken as they are when the store holds them as records, else
// built from the stored array.
template <typename Record>
QList<Record> recordsIn(const UserDefaults& defaults, const char* name)
{
    const QVariant held = defaults.storedObject(key(name));
    if (held.metaType() == QMetaType::fromType<StoredListPtr>()) {
        const StoredListPtr list = held.value<StoredListPtr>();
        if (const auto* records = dynamic_cast<const RecordList<Record>*>(list.get()))
            return records->records();
        return list ? fromDictArray<Record>(list->toList()) : QList<Record>();
    }
    return fromDictArray<Record>(defaults.arrayForKey(key(name)));
}

template <typename Record>
void registerList(const char* name)
{
    UserDefaults::registerStoredList(key(name), [] { return std::make_unique<RecordListBuilder<Record>>(); });
}

}  // namespace

void KVSettings::registerStoredLists()
{
    registerList<allowedWebsite>(allowedWebsitesKey);
    registerList<allowedWebsiteCategory>(allowedWebsitesCategoryKey);
    registerList<blockedWebsite>(blockedWebsitesKey);
    registerList<DownloadHistoryParam>(downloadHistoryKey);
}

KVSettings& KVSettings::getSettingsObject()
{
    auto& settings = sharedSettings();
    if (!settings) {
        registerStoredLists();
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

KVSettings::ChangeSource::ChangeSource(const QString& who)
    : m_previous(std::exchange(changeSource(), who))
{
}

KVSettings::ChangeSource::~ChangeSource()
{
    changeSource() = m_previous;
}

QString KVSettings::ChangeSource::current()
{
    return changeSource();
}

namespace {
std::vector<KVSettings::StoredObserver>& storedObservers()
{
    static std::vector<KVSettings::StoredObserver> observers;
    return observers;
}
}  // namespace

void KVSettings::addStoredObserver(StoredObserver observer)
{
    storedObservers().push_back(std::move(observer));
}

void KVSettings::setChangeReporter(ChangeReporter reporter)
{
    changeReporter() = std::move(reporter);
}

QVariantList KVSettings::listOf(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<StoredListPtr>()) {
        const StoredListPtr list = value.value<StoredListPtr>();
        return list ? list->toList() : QVariantList();
    }
    return value.typeId() == QMetaType::QVariantList ? value.toList() : QVariantList();
}

QVariantMap KVSettings::savedForm(QVariantMap domain)
{
    const auto records = [&domain]<typename Record>(const char* name, Record*) {
        const QString k = key(name);
        domain.insert(k, storedRecords(fromDictArray<Record>(listOf(domain.value(k)))));
    };
    records(allowedWebsitesKey, static_cast<allowedWebsite*>(nullptr));
    records(allowedWebsitesCategoryKey, static_cast<allowedWebsiteCategory*>(nullptr));
    records(blockedWebsitesKey, static_cast<blockedWebsite*>(nullptr));
    records(downloadHistoryKey, static_cast<DownloadHistoryParam*>(nullptr));
    const std::optional<QVariantMap> preferences = PlistValue::dictionaryValue(domain.value(key(browserPreferencesKey)));
    domain.insert(key(browserPreferencesKey),
                  KVBrowserPrefSettings::initWithDictionary(preferences ? std::optional<QVariantMap>(KVBrowserPrefSettings::repairedDictionary(*preferences))
                                                                        : std::nullopt)
                      .toDictionary());
    domain.insert(key(autoImportKey), KVAutoImportSettings::initWithDictionary(PlistValue::dictionaryValue(domain.value(key(autoImportKey)))).toDictionary());
    return domain;
}

QList<KVSettings::PreferenceChange> KVSettings::preferenceChanges(const KVBrowserPrefSettings& before, const KVBrowserPrefSettings& after)
{
    QList<PreferenceChange> changes;
    for (const KVBrowserPrefSettings::Field& field : KVBrowserPrefSettings::fields()) {
        if (before.valueForField(field) != after.valueForField(field))
            changes.append({QString::fromLatin1(field.key), shownValue(before, field), shownValue(after, field)});
    }
    return changes;
}

void KVSettings::reportChanges()
{
    const std::optional<KVBrowserPrefSettings> before = std::exchange(m_reportedPreferences, kvBrowPref);
    if (!before || !changeReporter())
        return;
    const QList<PreferenceChange> changes = preferenceChanges(*before, kvBrowPref);
    if (!changes.isEmpty())
        changeReporter()(changes, changeSource());
}

void KVSettings::tellStoredObservers() const
{
    // Scratch containers (previews, checks) are nobody's business.
    if (this != sharedSettings().get())
        return;
    for (const StoredObserver& observer : storedObservers())
        observer(*this);
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
    const QString path = Paths::documentsDirectory() + QStringLiteral("/Version.txt");
    const QByteArray text = formatString(QStringLiteral("%@ %@"), name, shortVersion).toUtf8();
    // Written only when it changes: every launch would otherwise rewrite and sync it.
    QFile current(path);
    if (!current.open(QIODevice::ReadOnly) || current.readAll() != text)
        AtomicFile::writeFile(path, text);
    return formatString(QStringLiteral("%@, Version %@ (%@)"), name, shortVersion,
                        QString::fromUtf8(version::buildNumber));
}

bool KVSettings::save()
{
    m_defaults.setObject(key(allowedWebsitesKey), storedRecords(allowedWebsites));
    m_defaults.setObject(key(allowedWebsitesCategoryKey), storedRecords(allowedWebsitesCategories));
    m_defaults.setObject(key(browserPreferencesKey), kvBrowPref.toDictionary());
    m_defaults.setObject(key(autoImportKey), kvAutoImport.toDictionary());
    m_defaults.setObject(key(blockedWebsitesKey), storedRecords(blockedWebsites));
    m_defaults.setObject(key(downloadHistoryKey), storedRecords(arrDownloadHistory));
    if (!m_defaults.synchronize())
        return false;
    reportChanges();
    tellStoredObservers();
    return true;
}

void KVSettings::load()
{
    if (m_holdsPreferences)
        kvBrowPref.afterImportCheck(m_defaults);
    allowedWebsites = recordsIn<allowedWebsite>(m_defaults, allowedWebsitesKey);
    allowedWebsitesCategories = recordsIn<allowedWebsiteCategory>(m_defaults, allowedWebsitesCategoryKey);
    blockedWebsites = recordsIn<blockedWebsite>(m_defaults, blockedWebsitesKey);
    arrDownloadHistory = recordsIn<DownloadHistoryParam>(m_defaults, downloadHistoryKey);
    kvBrowPref =
        KVBrowserPrefSettings::initWithDictionary(PlistValue::dictionaryValue(m_defaults.objectForKey(key(browserPreferencesKey))));
    m_holdsPreferences = true;
    kvAutoImport =
        KVAutoImportSettings::initWithDictionary(PlistValue::dictionaryValue(m_defaults.objectForKey(key(autoImportKey))));
    reportChanges();
    tellStoredObservers();
}

QList<allowedWebsite> KVSettings::buildAWABrrayFromDictArray(const QVariantList& array)
{
    return fromDictArray<allowedWebsite>(array);
}

}  // namespace korvel

#include "platform/UserDefaults.h"

#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/Console.h"
#include "platform/FileBytes.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <QHash>

#include <memory>

namespace korvel {

namespace {

std::unique_ptr<UserDefaults>& sharedStore()
{
    static std::unique_ptr<UserDefaults> store;
    return store;
}

void reportToConsole(const QString& message)
{
    qCWarning(console).noquote() << message;
}

struct StoredListRegistry {
    QMutex mutex;
    QHash<QString, StoredListFactory> factories;
};

StoredListRegistry& registry()
{
    static StoredListRegistry r;
    return r;
}

bool isStoredList(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<StoredListPtr>();
}

// What readers of a key get: plain property-list values, a StoredList as its tree.
QVariant plain(const QVariant& value)
{
    if (!isStoredList(value))
        return value;
    const StoredListPtr list = value.value<StoredListPtr>();
    return list ? QVariant(list->toList()) : QVariant(QVariantList());
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (isStoredList(a) || isStoredList(b)) {
        if (!isStoredList(a) || !isStoredList(b))
            return false;
        const StoredListPtr x = a.value<StoredListPtr>();
        const StoredListPtr y = b.value<StoredListPtr>();
        return x == y || (x && y && x->sameAs(*y));
    }
    return a.metaType() == b.metaType() && a == b;
}

}  // namespace

void UserDefaults::registerStoredList(const QString& key, StoredListFactory factory)
{
    QMutexLocker lock(&registry().mutex);
    registry().factories.insert(key, std::move(factory));
}

UserDefaults& UserDefaults::standard()
{
    auto& store = sharedStore();
    if (!store)
        store = std::make_unique<UserDefaults>(Paths::defaultsFile(), Paths::managedConfigurationFile());
    return *store;
}

void UserDefaults::resetStandard()
{
    sharedStore().reset();
}

UserDefaults::UserDefaults(const QString& file, const QString& managedFile, QObject* parent)
    : QObject(parent)
    , m_file(file)
    , m_managedFile(managedFile)
{
    readApplicationDomain();
    readManagedConfiguration();
    watchManagedConfiguration();
}

UserDefaults::~UserDefaults() = default;

void UserDefaults::readApplicationDomain()
{
    if (!QFileInfo::exists(m_file))
        return;
    QHash<QString, StoredListFactory> factories;
    {
        QMutexLocker lock(&registry().mutex);
        factories = registry().factories;
    }
    // The registered lists are built element by element while the file is read, and the bytes
    // read are given back behind the reader: a large store is never held as text and tree at once.
    QHash<QString, std::shared_ptr<StoredListBuilder>> builders;
    const XmlPropertyListReader::TopLevelArrays arrays{
        [&](const QString& key) {
            const auto factory = factories.constFind(key);
            if (factory == factories.constEnd())
                return false;
            builders.insert(key, std::shared_ptr<StoredListBuilder>((*factory)()));
            return true;
        },
        [&](const QString& key, QVariant&& element) { builders.value(key)->append(element); }};
    PropertyListParse parsed;
    QString unreadable;
    if (std::optional<FileBytes> bytes = FileBytes::map(m_file, &unreadable)) {
        parsed = PropertyList::parse(bytes->bytes(), [&bytes](const char* upTo) { bytes->release(upTo); }, &arrays);
        if (!parsed.ok())
            parsed.message = m_file + QStringLiteral(": ") + parsed.message;
    } else {
        parsed.error = PropertyListError::Unreadable;
        parsed.message = unreadable;
    }
    if (parsed.ok() && parsed.value.metaType().id() == QMetaType::QVariantMap) {
        m_application = parsed.value.toMap();
        for (auto it = builders.begin(); it != builders.end(); ++it)
            m_application.insert(it.key(), QVariant::fromValue(it.value()->finish()));
        // The managed configuration comes from its own file only; a copy that earlier versions let
        // an import put into the store is not taken.
        m_application.remove(QLatin1String(managedKey));
        return;
    }
    // Never replace a damaged file silently: move it aside for the administrator, start empty.
    const QString reason = parsed.ok() ? QStringLiteral("its root is not a dictionary") : parsed.message;
    const QString aside = m_file + QStringLiteral(".damaged-")
                          + Clock::instance().now().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (QFile::rename(m_file, aside)) {
        m_keptAside = aside;
        reportToConsole(QStringLiteral("the defaults file could not be read (%1); it was kept as %2 and "
                                       "the settings start from their defaults")
                            .arg(reason, aside));
    } else {
        reportToConsole(QStringLiteral("the defaults file could not be read (%1) and could not be moved "
                                       "aside; the settings start from their defaults")
                            .arg(reason));
    }
}

void UserDefaults::readManagedConfiguration()
{
    QVariant managed;
    if (!m_managedFile.isEmpty() && QFileInfo::exists(m_managedFile)) {
        const PropertyListParse parsed = PropertyList::readFile(m_managedFile);
        if (parsed.ok() && parsed.value.metaType().id() == QMetaType::QVariantMap)
            managed = parsed.value;
        else
            reportToConsole(QStringLiteral("the managed configuration is not a property-list dictionary: ")
                            + (parsed.ok() ? m_managedFile : parsed.message));
    }
    QMutexLocker lock(&m_mutex);
    m_managed = managed;
}

void UserDefaults::watchManagedConfiguration()
{
    if (m_managedFile.isEmpty())
        return;
    m_watcher = new QFileSystemWatcher(this);
    // The directory is watched too: the file may appear later, and editors replace files by rename.
    const QString directory = QFileInfo(m_managedFile).absolutePath();
    if (QFileInfo::exists(directory))
        m_watcher->addPath(directory);
    if (QFileInfo::exists(m_managedFile))
        m_watcher->addPath(m_managedFile);
    auto reload = [this] {
        const QVariant before = [this] {
            QMutexLocker lock(&m_mutex);
            return m_managed;
        }();
        readManagedConfiguration();
        if (QFileInfo::exists(m_managedFile) && !m_watcher->files().contains(m_managedFile))
            m_watcher->addPath(m_managedFile);
        QMutexLocker lock(&m_mutex);
        if (m_managed != before) {
            lock.unlock();
            noteChange();
        }
    };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, reload);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, reload);
}

QVariant UserDefaults::objectForKey(const QString& key) const
{
    QMutexLocker lock(&m_mutex);
    // Only the managed file is the managed configuration: a store or a document that carries the
    // key must not make itself the device's management.
    if (key == QLatin1String(managedKey))
        return m_managed;
    auto it = m_application.constFind(key);
    if (it != m_application.constEnd())
        return plain(it.value());
    return m_registration.value(key);
}

QVariant UserDefaults::storedObject(const QString& key) const
{
    QMutexLocker lock(&m_mutex);
    return m_application.value(key);
}

QVariantMap UserDefaults::dictionaryForKey(const QString& key) const
{
    const QVariant value = objectForKey(key);
    return value.metaType().id() == QMetaType::QVariantMap ? value.toMap() : QVariantMap();
}

QVariantList UserDefaults::arrayForKey(const QString& key) const
{
    const QVariant value = objectForKey(key);
    return value.metaType().id() == QMetaType::QVariantList ? value.toList() : QVariantList();
}

void UserDefaults::setObject(const QString& key, const QVariant& value)
{
    if (!value.isValid()) {
        removeObject(key);
        return;
    }
    {
        QMutexLocker lock(&m_mutex);
        const auto held = m_application.constFind(key);
        if (held != m_application.constEnd() && sameValue(held.value(), value))
            return;
        m_application.insert(key, value);
        m_dirty = true;
    }
    noteChange();
}

void UserDefaults::removeObject(const QString& key)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_application.remove(key) == 0)
            return;
        m_dirty = true;
    }
    noteChange();
}

void UserDefaults::registerDefaults(const QVariantMap& defaults)
{
    QMutexLocker lock(&m_mutex);
    m_registration.insert(defaults);
}

QVariantMap UserDefaults::dictionaryRepresentation() const
{
    QMutexLocker lock(&m_mutex);
    QVariantMap merged = m_registration;
    for (auto it = m_application.constBegin(); it != m_application.constEnd(); ++it)
        merged.insert(it.key(), plain(it.value()));
    merged.remove(QLatin1String(managedKey));
    if (m_managed.isValid())
        merged.insert(QString::fromLatin1(managedKey), m_managed);
    return merged;
}

QVariantMap UserDefaults::applicationDomain() const
{
    QMutexLocker lock(&m_mutex);
    return m_application;
}

void UserDefaults::setApplicationDomain(const QVariantMap& domain)
{
    {
        QMutexLocker lock(&m_mutex);
        m_application = domain;
        m_dirty = true;
    }
    noteChange();
}

bool UserDefaults::commitApplicationDomain(const QVariantMap& domain, FileTransaction& transaction, QString* error)
{
    QVariantMap kept = domain;
    kept.remove(QLatin1String(managedKey));
    QString reason;
    std::unique_ptr<AtomicFile> staged = PropertyList::stageFile(m_file, kept, &reason);
    if (!staged || !transaction.add(std::move(staged)) || !transaction.commit(&reason)) {
        if (error)
            *error = reason;
        return false;
    }
    {
        QMutexLocker lock(&m_mutex);
        m_application = kept;
        m_dirty = false;
    }
    noteChange();
    return true;
}

bool UserDefaults::synchronize(QString* error)
{
    QVariantMap snapshot;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_dirty && QFileInfo::exists(m_file))
            return true;
        snapshot = m_application;
        m_dirty = false;
    }
    QString reason;
    if (PropertyList::writeFile(m_file, snapshot, &reason))
        return true;
    {
        QMutexLocker lock(&m_mutex);
        m_dirty = true;
    }
    reportToConsole(QStringLiteral("the settings could not be saved: ") + reason);
    if (error)
        *error = reason;
    Q_EMIT saveFailed(reason);
    return false;
}

QString UserDefaults::keptAsidePath() const
{
    return m_keptAside;
}

void UserDefaults::noteChange()
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_changePending)
            return;
        m_changePending = true;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            {
                QMutexLocker lock(&m_mutex);
                m_changePending = false;
            }
            Q_EMIT changed();
        },
        Qt::QueuedConnection);
}

}  // namespace korvel

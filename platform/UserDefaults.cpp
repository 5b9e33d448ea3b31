#include "platform/UserDefaults.h"

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <cstdio>
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
    std::fprintf(stderr, "korvel: %s\n", qPrintable(message));
    std::fflush(stderr);
}

}  // namespace

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
    const PropertyListParse parsed = PropertyList::readFile(m_file);
    if (parsed.ok() && parsed.value.metaType().id() == QMetaType::QVariantMap) {
        m_application = parsed.value.toMap();
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
    if (key == QLatin1String(managedKey) && m_managed.isValid())
        return m_managed;
    auto it = m_application.constFind(key);
    if (it != m_application.constEnd())
        return it.value();
    return m_registration.value(key);
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
    merged.insert(m_application);
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

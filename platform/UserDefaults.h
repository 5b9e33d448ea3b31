#pragma once

#include "platform/StoredList.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

class QFileSystemWatcher;

namespace korvel {

class FileTransaction;

// The key-value store of the program's settings. Three layers, read in this order of precedence:
// the managed configuration (a read-only file, exposed as one dictionary under managedKey, and only
// from that file), the application domain (an XML property list written atomically by
// synchronize()), and the registration domain (registerDefaults(), never persisted).
class UserDefaults final : public QObject {
    Q_OBJECT
public:
    static constexpr const char* managedKey = "com.apple.configuration.managed";

    // The shared store over Paths::defaultsFile() and Paths::managedConfigurationFile().
    static UserDefaults& standard();
    // Drops the shared store; the next standard() reads the files again (tests, after a home change).
    static void resetStandard();

    // Top-level arrays under `key` are read into StoredLists made by `factory` by every store made
    // afterwards (the settings' lists: records instead of trees).
    static void registerStoredList(const QString& key, StoredListFactory factory);

    UserDefaults(const QString& file, const QString& managedFile, QObject* parent = nullptr);
    ~UserDefaults() override;

    // Invalid QVariant when no layer holds the key. A StoredList comes back as its tree.
    QVariant objectForKey(const QString& key) const;
    // The application domain's value as it is held: a StoredList stays one.
    QVariant storedObject(const QString& key) const;
    // Convenience readers: a missing key or a value of another kind gives the empty value.
    QVariantMap dictionaryForKey(const QString& key) const;
    QVariantList arrayForKey(const QString& key) const;

    // Sets a key of the application domain; an invalid value removes the key. A value equal to the
    // one held (a StoredList of the same records) changes nothing.
    void setObject(const QString& key, const QVariant& value);
    void removeObject(const QString& key);
    void registerDefaults(const QVariantMap& defaults);

    // Every key the program sees, merged as objectForKey() reads them: registration, then the
    // application domain over it, then the managed configuration under managedKey.
    QVariantMap dictionaryRepresentation() const;
    // The application domain alone, values as held (StoredLists stay), and its wholesale
    // replacement in memory.
    QVariantMap applicationDomain() const;
    void setApplicationDomain(const QVariantMap& domain);
    // Replaces the application domain by `domain` in one step together with the files staged in
    // `transaction` (an import's password and embedded files): the store's file is staged and
    // committed last. False with the reason in `error` when anything could not be written; then
    // neither the files nor memory have changed.
    bool commitApplicationDomain(const QVariantMap& domain, FileTransaction& transaction, QString* error = nullptr);

    // Writes the application domain when it changed since the last write. Returns false, with
    // the reason in `error`, on stderr and in saveFailed(), when the file could not be written;
    // memory is kept.
    bool synchronize(QString* error = nullptr);

    // The path a damaged defaults file was moved to at start-up; empty when none was.
    QString keptAsidePath() const;

Q_SIGNALS:
    // Queued after changes (several changes in one turn of the event loop give one signal), and
    // when the managed configuration file changes.
    void changed();
    // A synchronize() failed: the administrator must hear of it.
    void saveFailed(const QString& reason);

private:
    void readApplicationDomain();
    void readManagedConfiguration();
    void watchManagedConfiguration();
    void noteChange();

    const QString m_file;
    const QString m_managedFile;
    mutable QMutex m_mutex;
    QVariantMap m_application;
    QVariantMap m_registration;
    QVariant m_managed;
    bool m_dirty = false;
    bool m_changePending = false;
    QString m_keptAside;
    QFileSystemWatcher* m_watcher = nullptr;
};

}  // namespace korvel

#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

class QFileSystemWatcher;

namespace korvel {

// The key-value store of the program's settings. Three layers, read in this order of precedence:
// the managed configuration (a read-only file, exposed as one dictionary under managedKey), the
// application domain (an XML property list written atomically by synchronize()), and the
// registration domain (registerDefaults(), never persisted).
class UserDefaults final : public QObject {
    Q_OBJECT
public:
    static constexpr const char* managedKey = "com.apple.configuration.managed";

    // The shared store over Paths::defaultsFile() and Paths::managedConfigurationFile().
    static UserDefaults& standard();
    // Drops the shared store; the next standard() reads the files again (tests, after a home change).
    static void resetStandard();

    UserDefaults(const QString& file, const QString& managedFile, QObject* parent = nullptr);
    ~UserDefaults() override;

    // Invalid QVariant when no layer holds the key.
    QVariant objectForKey(const QString& key) const;
    // Convenience readers: a missing key or a value of another kind gives the empty value.
    QVariantMap dictionaryForKey(const QString& key) const;
    QVariantList arrayForKey(const QString& key) const;

    // Sets a key of the application domain; an invalid value removes the key.
    void setObject(const QString& key, const QVariant& value);
    void removeObject(const QString& key);
    void registerDefaults(const QVariantMap& defaults);

    // Every key the program sees, merged as objectForKey() reads them: registration, then the
    // application domain over it, then the managed configuration under managedKey.
    QVariantMap dictionaryRepresentation() const;
    // The application domain alone, and its wholesale replacement: an import that cannot be
    // written puts back exactly what was there.
    QVariantMap applicationDomain() const;
    void setApplicationDomain(const QVariantMap& domain);

    // Writes the application domain when it changed since the last write. Returns false, with
    // the reason in `error` and on stderr, when the file could not be written; memory is kept.
    bool synchronize(QString* error = nullptr);

    // The path a damaged defaults file was moved to at start-up; empty when none was.
    QString keptAsidePath() const;

Q_SIGNALS:
    // Queued after changes (several changes in one turn of the event loop give one signal), and
    // when the managed configuration file changes.
    void changed();

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

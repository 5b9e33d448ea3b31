#include "settings/PasswordStore.h"

#include "platform/AtomicFile.h"
#include "platform/Keychain.h"
#include "platform/KeychainPasswords.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/PlistValue.h"

#include <QMutex>

#include <optional>

namespace korvel {

namespace {

const QString service = QStringLiteral("Talvex");
const QString account = QStringLiteral("password");
const QString preferencesKey = QStringLiteral("BrowserPreferences");
const QString legacyKey = QStringLiteral("Password");

QMutex& passwordLock()
{
    static QMutex lock;
    return lock;
}

// The hash for which the factory question was last answered, and the answer.
struct FactoryAnswer {
    QString hash;
    bool isFactory = false;
};
FactoryAnswer& factoryAnswer()
{
    static FactoryAnswer answer;
    return answer;
}

void rememberFactoryAnswer(const QString& hash, bool isFactory)
{
    QMutexLocker lock(&passwordLock());
    factoryAnswer() = {hash, isFactory};
}

std::optional<bool> knownFactoryAnswer(const QString& hash)
{
    QMutexLocker lock(&passwordLock());
    if (factoryAnswer().hash.isEmpty() || factoryAnswer().hash != hash)
        return std::nullopt;
    return factoryAnswer().isFactory;
}

QString legacyPassword(UserDefaults& defaults)
{
    return PlistValue::stringValue(defaults.dictionaryForKey(preferencesKey).value(legacyKey));
}

StoredPassword readLocked(UserDefaults& defaults)
{
    int error = KeychainStatus::success;
    const QString stored = KeychainPasswords::passwordForService(service, account, &error);
    if (error != KeychainStatus::success && error != KeychainStatus::itemNotFound)
        return {PasswordState::Damaged, QString()};
    const QString value = stored.isEmpty() ? legacyPassword(defaults) : stored;
    if (value.isEmpty())
        return {PasswordState::None, stored};
    if (KVHashString::isPasswordHash(value) || KVHashString::isBase64(value))
        return {PasswordState::Set, value};
    return {PasswordState::Damaged, QString()};
}

bool storeLocked(const QString& value, DamagedStore damaged)
{
    if (damaged == DamagedStore::Replace) {
        int error = KeychainStatus::success;
        KeychainPasswords::passwordForService(service, account, &error);
        if (error != KeychainStatus::success && error != KeychainStatus::itemNotFound && !Keychain::standard().setAside())
            return false;
    }
    return KeychainPasswords::setPassword(value, service, account);
}

}  // namespace

bool PasswordStore::setPassword(const QString& password, DamagedStore damaged)
{
    if (password.isNull())
        return false;
    const QString hash = password.isEmpty() ? QString(QLatin1String("")) : KVHashString::passwordHash(password);
    if (hash.isNull())
        return false;
    QMutexLocker lock(&passwordLock());
    if (!storeLocked(hash, damaged))
        return false;
    factoryAnswer() = {hash, password == QLatin1String(factoryPassword)};
    return true;
}

std::unique_ptr<AtomicFile> PasswordStore::stagePassword(const QString& hash, QString* error)
{
    if (hash.isNull() || (!hash.isEmpty() && !KVHashString::isPasswordHash(hash))) {
        *error = QStringLiteral("the password is not an Argon2id hash");
        return nullptr;
    }
    QMutexLocker lock(&passwordLock());
    int status = KeychainStatus::success;
    std::unique_ptr<AtomicFile> staged = Keychain::standard().stageSet(service, account, hash.toUtf8(), &status);
    if (!staged)
        *error = status == KeychainStatus::decodeError ? QStringLiteral("the password store is damaged")
                                                         : QStringLiteral("the password store could not be written");
    return staged;
}

QString PasswordStore::getPassword()
{
    return getPassword(UserDefaults::standard());
}

QString PasswordStore::getPassword(UserDefaults& defaults)
{
    const StoredPassword stored = readPassword(defaults);
    switch (stored.state) {
    case PasswordState::Set:
        return stored.stored;
    case PasswordState::None:
        return stored.stored.isNull() ? QString() : QString(QLatin1String(""));
    case PasswordState::Damaged:
        return QString();
    }
    return QString();
}

QString PasswordStore::passwordHashForDocument()
{
    const StoredPassword stored = readPassword();
    switch (stored.state) {
    case PasswordState::Set:
        // A store nobody migrated yet still leaves the device as a hash only.
        return KVHashString::isPasswordHash(stored.stored) ? stored.stored
                                                           : KVHashString::passwordHash(KVHashString::base64ToString(stored.stored));
    case PasswordState::None:
        return QString(QLatin1String(""));
    case PasswordState::Damaged:
        return QString();
    }
    return QString();
}

StoredPassword PasswordStore::readPassword()
{
    return readPassword(UserDefaults::standard());
}

StoredPassword PasswordStore::readPassword(UserDefaults& defaults)
{
    QMutexLocker lock(&passwordLock());
    return readLocked(defaults);
}

PasswordCheck PasswordStore::checkPassword(const QString& typed)
{
    const StoredPassword stored = readPassword();
    switch (stored.state) {
    case PasswordState::Set: {
        bool matches = false;
        if (KVHashString::isPasswordHash(stored.stored)) {
            matches = KVHashString::verifyPasswordHash(stored.stored, typed);
            // One password matches a hash: the answer to "is it the factory one?" comes for free.
            if (matches)
                rememberFactoryAnswer(stored.stored, typed == QLatin1String(factoryPassword));
        } else {
            matches = KVHashString::stringToBase64(typed) == stored.stored;
        }
        return matches ? PasswordCheck::Matches : PasswordCheck::Wrong;
    }
    case PasswordState::None:
        return PasswordCheck::NoPassword;
    case PasswordState::Damaged:
        return PasswordCheck::Damaged;
    }
    return PasswordCheck::Damaged;
}

bool PasswordStore::isFactoryPasswordInUse()
{
    const StoredPassword stored = readPassword();
    if (stored.state != PasswordState::Set)
        return false;
    if (const std::optional<bool> known = knownFactoryAnswer(stored.stored))
        return *known;
    const bool isFactory = checkPassword(QString::fromLatin1(factoryPassword)) == PasswordCheck::Matches;
    rememberFactoryAnswer(stored.stored, isFactory);
    return isFactory;
}

PasswordMigration PasswordStore::migrate()
{
    return migrate(UserDefaults::standard());
}

PasswordMigration PasswordStore::migrate(UserDefaults& defaults)
{
    QMutexLocker lock(&passwordLock());
    const StoredPassword stored = readLocked(defaults);
    PasswordMigration result = PasswordMigration::Nothing;
    switch (stored.state) {
    case PasswordState::Damaged:
        return PasswordMigration::Damaged;
    case PasswordState::None:
        break;
    case PasswordState::Set:
        if (KVHashString::isPasswordHash(stored.stored))
            break;
        {
            const QString hash = KVHashString::passwordHash(KVHashString::base64ToString(stored.stored));
            if (hash.isNull() || !storeLocked(hash, DamagedStore::Refuse))
                return PasswordMigration::Failed;
            result = PasswordMigration::Migrated;
        }
        break;
    }
    // The older place of the password is a file any local user may read; it goes once the
    // keychain holds the password (or the keychain's own password makes it meaningless).
    QVariantMap preferences = defaults.dictionaryForKey(preferencesKey);
    if (preferences.contains(legacyKey)) {
        preferences.remove(legacyKey);
        defaults.setObject(preferencesKey, preferences);
        if (!defaults.synchronize())
            return PasswordMigration::Failed;
        if (result == PasswordMigration::Nothing)
            result = PasswordMigration::Migrated;
    }
    return result;
}

}  // namespace korvel

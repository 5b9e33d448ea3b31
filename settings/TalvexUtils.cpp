#include "settings/TalvexUtils.h"

#include "platform/AtomicFile.h"
#include "platform/Keychain.h"
#include "platform/SSKeychain.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/PlistValue.h"

#include <QMutex>

namespace korvel {

namespace {

const QString service = QStringLiteral("Talvex");
const QString account = QStringLiteral("password");

QMutex& passwordLock()
{
    static QMutex lock;
    return lock;
}

bool isBase64Text(const QString& text)
{
    return bool(QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors))
           && text == QString::fromLatin1(text.toLatin1());
}

}  // namespace

bool TalvexUtils::setPassword(const QString& base64Password, DamagedStore damaged)
{
    if (damaged == DamagedStore::Replace && !base64Password.isNull()) {
        QMutexLocker lock(&passwordLock());
        int error = KeychainStatus::success;
        SSKeychain::passwordForService(service, account, &error);
        if (error != KeychainStatus::success && error != KeychainStatus::itemNotFound && !Keychain::standard().setAside())
            return false;
    }
    return SSKeychain::setPassword(base64Password, service, account);
}

std::unique_ptr<AtomicFile> TalvexUtils::stagePassword(const QString& base64Password, QString* error)
{
    QMutexLocker lock(&passwordLock());
    int status = KeychainStatus::success;
    std::unique_ptr<AtomicFile> staged = Keychain::standard().stageSet(service, account, base64Password.toUtf8(), &status);
    if (!staged)
        *error = status == KeychainStatus::decodeError ? QStringLiteral("the password store is damaged")
                                                         : QStringLiteral("the password store could not be written");
    return staged;
}

QString TalvexUtils::getPassword()
{
    return getPassword(UserDefaults::standard());
}

QString TalvexUtils::getPassword(UserDefaults& defaults)
{
    const StoredPassword stored = readPassword(defaults);
    switch (stored.state) {
    case PasswordState::Set:
        return stored.base64;
    case PasswordState::None:
        return stored.base64.isNull() ? QString() : QString(QLatin1String(""));
    case PasswordState::Damaged:
        return QString();
    }
    return QString();
}

StoredPassword TalvexUtils::readPassword()
{
    return readPassword(UserDefaults::standard());
}

StoredPassword TalvexUtils::readPassword(UserDefaults& defaults)
{
    QMutexLocker lock(&passwordLock());
    int error = KeychainStatus::success;
    const QString stored = SSKeychain::passwordForService(service, account, &error);
    if (error != KeychainStatus::success && error != KeychainStatus::itemNotFound)
        return {PasswordState::Damaged, QString()};
    if (!stored.isEmpty())
        return isBase64Text(stored) ? StoredPassword{PasswordState::Set, stored} : StoredPassword{PasswordState::Damaged, QString()};
    const QString legacy = PlistValue::stringValue(
        defaults.dictionaryForKey(QStringLiteral("BrowserPreferences")).value(QStringLiteral("Password")));
    if (legacy.isEmpty())
        return {PasswordState::None, stored};
    SSKeychain::setPassword(legacy, service, account);
    return isBase64Text(legacy) ? StoredPassword{PasswordState::Set, legacy} : StoredPassword{PasswordState::Damaged, QString()};
}

PasswordCheck TalvexUtils::checkPassword(const QString& typed)
{
    const StoredPassword stored = readPassword();
    switch (stored.state) {
    case PasswordState::Set:
        return KVHashString::stringToBase64(typed) == stored.base64 ? PasswordCheck::Matches : PasswordCheck::Wrong;
    case PasswordState::None:
        return PasswordCheck::NoPassword;
    case PasswordState::Damaged:
        return PasswordCheck::Damaged;
    }
    return PasswordCheck::Damaged;
}

bool TalvexUtils::isFactoryPasswordInUse()
{
    return checkPassword(QString::fromLatin1(factoryPassword)) == PasswordCheck::Matches;
}

}  // namespace korvel

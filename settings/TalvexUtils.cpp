#include "settings/TalvexUtils.h"

#include "platform/SSKeychain.h"
#include "platform/UserDefaults.h"
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

}  // namespace

bool TalvexUtils::setPassword(const QString& base64Password)
{
    return SSKeychain::setPassword(base64Password, service, account);
}

QString TalvexUtils::getPassword()
{
    return getPassword(UserDefaults::standard());
}

QString TalvexUtils::getPassword(UserDefaults& defaults)
{
    QMutexLocker lock(&passwordLock());
    const QString stored = SSKeychain::passwordForService(service, account);
    if (!stored.isEmpty())
        return stored;
    const QString legacy = PlistValue::stringValue(
        defaults.dictionaryForKey(QStringLiteral("BrowserPreferences")).value(QStringLiteral("Password")));
    if (legacy.isEmpty())
        return stored;
    setPassword(legacy);
    return legacy;
}

}  // namespace korvel

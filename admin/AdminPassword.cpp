#include "admin/AdminPassword.h"

#include "log/KVLog.h"
#include "settings/KVHashString.h"

namespace korvel {

PasswordChange AdminPassword::change(const QString& password, const QString& repeated, DamagedStore damaged)
{
    if (password.isEmpty())
        return PasswordChange::Empty;
    if (password != repeated)
        return PasswordChange::Mismatch;
    if (!TalvexUtils::setPassword(KVHashString::stringToBase64(password), damaged))
        return PasswordChange::NotSaved;
    KVLog(QStringLiteral("Settings"), QStringLiteral("Password Changed"));
    return PasswordChange::Changed;
}

}  // namespace korvel

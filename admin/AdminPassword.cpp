#include "admin/AdminPassword.h"

#include "log/KVLog.h"
#include "platform/Clock.h"
#include "settings/KVSettings.h"
#include "settings/PasswordLockout.h"

#include <QFile>

namespace korvel {

namespace {

const QString warning = QStringLiteral("Warning");

void keep(const PasswordLockout& lockout)
{
    // Without the file a restart would forget the series: say so, but do not lock the
    // administrator out over it.
    if (!lockout.save(PasswordLockout::standardFile()))
        KVLog(QStringLiteral("Error"), QStringLiteral("Password lock-out not saved: %@"), PasswordLockout::standardFile());
}

}  // namespace

PasswordAttempt AdminPassword::attempt(const QString& typed)
{
    const QDateTime now = Clock::instance().now();
    PasswordLockout lockout = PasswordLockout::load(PasswordLockout::standardFile(), now);
    if (const std::chrono::seconds wait = lockout.refusal(now); wait.count() > 0) {
        keep(lockout);
        KVLog(warning, QStringLiteral("Password entry refused: %d wrong passwords in a row, %d seconds left"),
              lockout.failures(), int(wait.count()));
        return {PasswordAttempt::Verdict::Refused, wait};
    }
    switch (PasswordStore::checkPassword(typed)) {
    case PasswordCheck::Matches:
    case PasswordCheck::NoPassword:
        if (lockout.failures() > 0) {
            lockout.recordSuccess();
            keep(lockout);
        }
        return {PasswordAttempt::Verdict::Accepted, {}};
    case PasswordCheck::Wrong: {
        lockout.recordFailure(now);
        keep(lockout);
        const std::chrono::seconds pause = PasswordLockout::pauseAfter(lockout.failures());
        if (pause.count() > 0)
            KVLog(warning, QStringLiteral("Wrong password %d times in a row: password entry paused for %d seconds"),
                  lockout.failures(), int(pause.count()));
        return {PasswordAttempt::Verdict::Wrong, pause};
    }
    case PasswordCheck::Damaged:
        return {PasswordAttempt::Verdict::Damaged, {}};
    }
    return {PasswordAttempt::Verdict::Damaged, {}};
}

std::chrono::seconds AdminPassword::pausedFor()
{
    const QDateTime now = Clock::instance().now();
    return PasswordLockout::load(PasswordLockout::standardFile(), now).refusal(now);
}

PasswordChange AdminPassword::change(const QString& password, const QString& repeated, DamagedStore damaged)
{
    if (password.isEmpty())
        return PasswordChange::Empty;
    if (password != repeated)
        return PasswordChange::Mismatch;
    if (!PasswordStore::setPassword(password, damaged))
        return PasswordChange::NotSaved;
    KVLog(QStringLiteral("Settings"), QStringLiteral("Password Changed"));
    // No file is no wrong passwords.
    if (QFile::exists(PasswordLockout::standardFile()) && !QFile::remove(PasswordLockout::standardFile()))
        KVLog(QStringLiteral("Error"), QStringLiteral("Password lock-out not cleared: %@"), PasswordLockout::standardFile());
    return PasswordChange::Changed;
}

bool AdminPassword::showsFactoryHint(const KVSettings& settings)
{
    return settings.allowedWebsites.isEmpty() && settings.allowedWebsitesCategories.isEmpty()
           && PasswordStore::isFactoryPasswordInUse();
}

}  // namespace korvel

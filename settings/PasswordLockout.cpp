#include "settings/PasswordLockout.h"

#include "platform/Paths.h"
#include "platform/PropertyList.h"

#include <QFileInfo>
#include <QVariantMap>

#include <algorithm>

namespace korvel {

namespace {

const QString failuresKey = QStringLiteral("Failures");
const QString lastFailureKey = QStringLiteral("LastFailure");

}  // namespace

std::chrono::seconds PasswordLockout::pauseAfter(int failures)
{
    if (failures < failuresBeforePause)
        return std::chrono::seconds(0);
    // Doubling stops long before the shift could overflow.
    const int doublings = std::min(failures - failuresBeforePause, 10);
    return std::min(std::chrono::seconds(firstPause.count() << doublings), longestPause);
}

std::chrono::seconds PasswordLockout::refusal(const QDateTime& now)
{
    const std::chrono::milliseconds pause = pauseAfter(m_failures);
    if (pause.count() == 0 || !m_lastFailure.isValid())
        return std::chrono::seconds(0);
    if (now < m_lastFailure)
        m_lastFailure = now;
    const std::chrono::milliseconds left = pause - std::chrono::milliseconds(m_lastFailure.msecsTo(now));
    if (left.count() <= 0)
        return std::chrono::seconds(0);
    return std::chrono::ceil<std::chrono::seconds>(left);
}

void PasswordLockout::recordFailure(const QDateTime& now)
{
    ++m_failures;
    m_lastFailure = now;
}

void PasswordLockout::recordSuccess()
{
    m_failures = 0;
    m_lastFailure = QDateTime();
}

PasswordLockout PasswordLockout::load(const QString& file, const QDateTime& now)
{
    PasswordLockout lockout;
    if (!QFileInfo::exists(file))
        return lockout;
    const PropertyListParse parsed = PropertyList::readFile(file);
    const QVariantMap state = parsed.ok() ? parsed.value.toMap() : QVariantMap();
    const QVariant failures = state.value(failuresKey);
    const QVariant last = state.value(lastFailureKey);
    if (!parsed.ok() || failures.metaType().id() != QMetaType::LongLong
        || (last.isValid() && last.metaType().id() != QMetaType::QDateTime)) {
        lockout.recordFailure(now);
        lockout.m_failures = failuresBeforePause;
        return lockout;
    }
    lockout.m_failures = int(std::clamp<qint64>(failures.toLongLong(), 0, 1000));
    lockout.m_lastFailure = last.toDateTime();
    return lockout;
}

bool PasswordLockout::save(const QString& file) const
{
    QVariantMap state{{failuresKey, qint64(m_failures)}};
    if (m_lastFailure.isValid())
        state.insert(lastFailureKey, m_lastFailure.toUTC());
    return PropertyList::writeFile(file, state, nullptr, FileAccess::OwnerOnly);
}

QString PasswordLockout::standardFile()
{
    return QFileInfo(Paths::keychainFile()).absolutePath() + QStringLiteral("/password-lockout.plist");
}

}  // namespace korvel

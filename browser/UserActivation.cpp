#include "browser/UserActivation.h"

namespace korvel {

bool UserActivation::within(const QDateTime& from, const QDateTime& to, std::chrono::milliseconds window)
{
    if (!from.isValid() || !to.isValid())
        return false;
    const qint64 elapsed = from.msecsTo(to);
    return elapsed >= 0 && elapsed <= window.count();
}

void UserActivation::navigationStarted(const QDateTime& now, const QDateTime& lastInput)
{
    if (within(lastInput, now, inputWindow))
        m_askedNavigation = now;
}

void UserActivation::navigationAsked(const QDateTime& now)
{
    m_askedNavigation = now;
}

void UserActivation::pageShown()
{
    m_askedNavigation = QDateTime();
}

bool UserActivation::active(const QDateTime& now, const QDateTime& lastInput) const
{
    return within(lastInput, now, inputWindow) || within(m_askedNavigation, now, navigationWindow);
}

}  // namespace korvel

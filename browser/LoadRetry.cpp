#include "browser/LoadRetry.h"

#include <algorithm>

namespace korvel {

std::chrono::seconds LoadRetry::wait(int failures)
{
    // 5, 10, 20, ... capped; the shift is bounded so that a long outage cannot overflow it.
    const int doublings = std::clamp(failures - 1, 0, 16);
    return std::min(longestWait, firstWait * (1 << doublings));
}

void LoadRetry::failed(const QUrl& url, const QDateTime& now)
{
    if (m_failures > 0 && url != m_url)
        m_failures = 0;
    m_url = url;
    ++m_failures;
    m_next = now.addSecs(wait(m_failures).count());
}

void LoadRetry::loaded()
{
    m_failures = 0;
    m_url = QUrl();
    m_next = QDateTime();
    m_hostSeenDown = false;
}

LoadRetry::Action LoadRetry::due(const QDateTime& now)
{
    if (!retrying() || now < m_next)
        return Action::Wait;
    m_next = now.addSecs(wait(m_failures + 1).count());
    return Action::Reload;
}

LoadRetry::Action LoadRetry::probed(bool answered, const QDateTime& now)
{
    if (!retrying())
        return Action::Wait;
    if (!answered) {
        m_hostSeenDown = true;
        return Action::Wait;
    }
    if (!m_hostSeenDown)
        return Action::Wait;
    m_hostSeenDown = false;
    m_next = now.addSecs(wait(m_failures).count());
    return Action::Reload;
}

void LoadRetry::triedByHand(const QDateTime& now)
{
    if (retrying())
        m_next = now.addSecs(wait(m_failures).count());
}

int LoadRetry::secondsLeft(const QDateTime& now) const
{
    if (!retrying() || now >= m_next)
        return 0;
    // Rounded up: the countdown shows 1 until the try itself.
    return int((now.msecsTo(m_next) + 999) / 1000);
}

}  // namespace korvel

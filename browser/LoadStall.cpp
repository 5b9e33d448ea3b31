#include "browser/LoadStall.h"

#include <algorithm>

namespace korvel {

std::chrono::seconds LoadStall::wait(int tries)
{
    std::chrono::seconds w = firstWait;
    for (int i = 0; i < tries && w < longestWait; ++i)
        w *= 2;
    return std::min(w, longestWait);
}

void LoadStall::started(const QUrl& url, const QDateTime& now)
{
    if (!std::exchange(m_loadingAgain, false))
        m_tries = 0;
    m_url = url;
    m_startedAt = now;
}

LoadStall::Action LoadStall::tick(const QDateTime& now)
{
    if (m_url.isEmpty() || !m_startedAt.isValid() || m_startedAt.secsTo(now) < wait(m_tries).count())
        return Action::Wait;
    ++m_tries;
    m_loadingAgain = true;
    m_startedAt = now;
    return Action::LoadAgain;
}

}  // namespace korvel

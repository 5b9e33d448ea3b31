#include "browser/DialogGuard.h"

namespace korvel {

qint64 DialogGuard::pageTime(const QDateTime& now) const
{
    return now.toMSecsSinceEpoch() - m_onScreenMs;
}

DialogGuard::Verdict DialogGuard::request(const QDateTime& now)
{
    if (m_suppressed)
        return Verdict::Suppress;
    const qint64 t = pageTime(now);
    const qint64 span = std::chrono::milliseconds(window).count();
    while (!m_shown.empty() && t - m_shown.front() >= span)
        m_shown.pop_front();
    if (int(m_shown.size()) >= limit) {
        m_suppressed = true;
        return Verdict::SuppressFromNow;
    }
    m_shown.push_back(t);
    m_shownAt = now;
    return Verdict::Show;
}

void DialogGuard::finished(const QDateTime& now)
{
    if (!m_shownAt.isValid())
        return;
    m_onScreenMs += std::max<qint64>(0, m_shownAt.msecsTo(now));
    m_shownAt = QDateTime();
}

void DialogGuard::navigated()
{
    m_shown.clear();
    m_suppressed = false;
}

}  // namespace korvel

#include "browser/HangWatch.h"

namespace korvel {

HangWatch::Action HangWatch::tick(const QDateTime& now, bool watched)
{
    if (!watched) {
        reset();
        return Action::Wait;
    }
    if (m_outstanding) {
        if (m_sentAt.msecsTo(now) < std::chrono::milliseconds(limit).count())
            return Action::Wait;
        reset();
        return Action::Hung;
    }
    m_outstanding = true;
    m_sentAt = now;
    ++m_id;
    return Action::Probe;
}

void HangWatch::answered(quint64 id)
{
    if (id == m_id)
        m_outstanding = false;
}

}  // namespace korvel

#include "browser/RendererRecovery.h"

namespace korvel {

RendererRecovery::Action RendererRecovery::terminated(const QDateTime& now)
{
    if (m_loadedAt.isValid() && m_loadedAt.msecsTo(now) >= std::chrono::milliseconds(settle).count())
        m_deaths = 0;
    m_loadedAt = QDateTime();
    if (++m_deaths > 1) {
        // Home shows another page: counting starts again there.
        m_deaths = 0;
        return Action::GoHome;
    }
    return Action::Reload;
}

void RendererRecovery::loaded(const QDateTime& now)
{
    m_loadedAt = now;
}

}  // namespace korvel

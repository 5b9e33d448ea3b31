#include "browser/RendererRecovery.h"

namespace korvel {

RendererRecovery::Action RendererRecovery::ended(const QString& website, const QDateTime& now)
{
    const QDateTime since = now.addSecs(-std::chrono::seconds(span).count());
    // Websites with nothing left in the hour are forgotten: a kiosk sent to ever new hosts (a
    // website's sub-domains) would otherwise keep one record for each for as long as it runs.
    m_events.removeIf([&since](const QHash<QString, QList<QDateTime>>::iterator it) { return it.value().last() <= since; });
    QList<QDateTime>& events = m_events[website];
    events.removeIf([&since](const QDateTime& t) { return t <= since; });
    events.append(now);
    if (events.size() >= restartAt) {
        m_events.remove(website);
        return Action::Restart;
    }
    return events.size() == homeAt ? Action::GoHome : Action::Reload;
}

RendererRecovery& RendererRecovery::shared()
{
    static RendererRecovery recovery;
    return recovery;
}

}  // namespace korvel

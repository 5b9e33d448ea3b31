#include "browser/RendererRecovery.h"

namespace korvel {

RendererRecovery::Action RendererRecovery::ended(const QString& website, const QDateTime& now)
{
    QList<QDateTime>& events = m_events[website];
    const QDateTime since = now.addSecs(-std::chrono::seconds(span).count());
    events.removeIf([&since](const QDateTime& t) { return t <= since; });
    events.append(now);
    if (events.size() >= restartAt) {
        events.clear();
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

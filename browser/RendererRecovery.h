#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <chrono>

namespace korvel {

// What the kiosk does when the process drawing a website's pages dies (a crash, running out of
// memory, a kill) or was ended because it stopped answering: the page is reloaded; the 5th such
// event on the same website within an hour goes Home instead, and the 10th restarts Korvel, so a
// website that keeps breaking its renderer can neither hold the screen nor wear the kiosk down.
// One record for the whole kiosk: going Home and coming back starts no new count.
class RendererRecovery {
public:
    static constexpr std::chrono::hours span{1};
    static constexpr int homeAt = 5;
    static constexpr int restartAt = 10;

    enum class Action { Reload, GoHome, Restart };

    // A renderer of `website` (its host) ended at `now`.
    Action ended(const QString& website, const QDateTime& now);

    static RendererRecovery& shared();

private:
    QHash<QString, QList<QDateTime>> m_events;
};

}  // namespace korvel

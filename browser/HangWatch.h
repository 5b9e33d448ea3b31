#pragma once

#include <QDateTime>

#include <chrono>

namespace korvel {

// Whether the page on screen still answers: each tick sends a small script unless one is on its
// way; one left unanswered for 10 seconds means its renderer hangs (a script in an endless loop).
// Time the page is not watched (hidden, a page dialog up, a navigation under way) does not count:
// a probe sent then may be lost without the renderer being at fault.
class HangWatch {
public:
    static constexpr std::chrono::seconds limit{10};

    enum class Action { Probe, Wait, Hung };

    Action tick(const QDateTime& now, bool watched);
    // The probe numbered `id` came back.
    void answered(quint64 id);
    // Whatever is on its way is forgotten (a navigation, a new renderer).
    void reset() { m_outstanding = false; }
    quint64 probeId() const { return m_id; }

private:
    QDateTime m_sentAt;
    quint64 m_id = 0;
    bool m_outstanding = false;
};

}  // namespace korvel

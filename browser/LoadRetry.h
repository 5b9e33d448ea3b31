#pragma once

#include <QDateTime>
#include <QUrl>

#include <chrono>

namespace korvel {

// When a page that failed to load is tried again: after 5 s, then each wait doubles up to 5
// minutes; at once when its host, found not answering, answers a probe again; never once the page
// has loaded. Time is given by the caller.
class LoadRetry {
public:
    static constexpr std::chrono::seconds firstWait{5};
    static constexpr std::chrono::seconds longestWait{300};
    static constexpr std::chrono::seconds probeInterval{3};

    enum class Action { Wait, Reload };

    // A main-frame load of `url` failed at `now`: the next try is scheduled. A failure of another
    // address starts a new series.
    void failed(const QUrl& url, const QDateTime& now);
    // A page loaded: no more tries.
    void loaded();
    bool retrying() const { return m_failures > 0; }
    const QUrl& url() const { return m_url; }
    int failures() const { return m_failures; }

    // Reload when the scheduled try is due at `now`. The try after it is scheduled at once, so a
    // reload that never reports back is tried again too.
    Action due(const QDateTime& now);
    // A probe of the host answered or not. Only a change from not answering to answering reloads:
    // a host that answers but whose page still fails is left to the schedule.
    Action probed(bool answered, const QDateTime& now);
    // The person's "Try again": the schedule starts over from `now` at its current wait.
    void triedByHand(const QDateTime& now);
    // Whole seconds until the scheduled try (0 when due or not retrying).
    int secondsLeft(const QDateTime& now) const;
    // The wait after the `failures`-th failure in a row.
    static std::chrono::seconds wait(int failures);

private:
    QUrl m_url;
    int m_failures = 0;
    QDateTime m_next;
    bool m_hostSeenDown = false;
};

}  // namespace korvel

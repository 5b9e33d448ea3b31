#pragma once

#include <QDateTime>
#include <QUrl>

#include <chrono>

namespace korvel {

// Whether a main-frame load has stalled before its first answer: started, but neither committed
// nor ended. The engine holds a navigation back while its disk cache is emptied (the end of a
// visit) and may then never send it; a new load of the same address goes through at once. The
// load is tried again after 10 s without an answer, each further wait twice the last, so a server
// that is merely slow to answer still gets all the time it needs. Time is given by the caller.
class LoadStall {
public:
    static constexpr std::chrono::seconds firstWait{10};
    static constexpr std::chrono::seconds longestWait{160};

    enum class Action { Wait, LoadAgain };

    // A main-frame load of `url` started at `now`. A load the kiosk itself began again continues
    // its series; any other starts a new one.
    void started(const QUrl& url, const QDateTime& now);
    // The page answered (it committed) or the load ended, successfully or not: nothing to watch.
    void answered() { m_url.clear(); }
    // LoadAgain when the load has waited too long for an answer at `now`: the caller loads url()
    // again, which comes back through started().
    Action tick(const QDateTime& now);
    const QUrl& url() const { return m_url; }
    int tries() const { return m_tries; }
    static std::chrono::seconds wait(int tries);

private:
    QUrl m_url;
    QDateTime m_startedAt;
    int m_tries = 0;
    bool m_loadingAgain = false;
};

}  // namespace korvel

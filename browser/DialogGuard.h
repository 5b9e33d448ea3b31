#pragma once

#include <QDateTime>

#include <chrono>
#include <deque>

namespace korvel {

// How many dialogs (alert, confirm, prompt) one page may put up. A page that asks for more than
// `limit` within `window` of its own time is not asked again until its next navigation, so a loop
// of dialogs cannot hold the kiosk: the time a dialog stands on screen waiting for the person is
// not the page's time, else a slow answer would let every dialog through.
class DialogGuard {
public:
    static constexpr int limit = 3;
    static constexpr std::chrono::seconds window{10};

    enum class Verdict {
        Show,
        Suppress,          // the page is suppressed already
        SuppressFromNow,   // this request starts the suppression (the one to log)
    };

    // The page asks for a dialog at `now`; a Show is to be followed by finished() when it goes.
    Verdict request(const QDateTime& now);
    // The dialog shown went at `now`.
    void finished(const QDateTime& now);
    // The page navigated: its dialogs are counted afresh.
    void navigated();
    bool isSuppressed() const { return m_suppressed; }

private:
    // Page time: wall time less the time dialogs stood on screen.
    qint64 pageTime(const QDateTime& now) const;

    std::deque<qint64> m_shown;  // page times of the recent dialogs, oldest first
    qint64 m_onScreenMs = 0;
    QDateTime m_shownAt;         // invalid while no dialog is up
    bool m_suppressed = false;
};

}  // namespace korvel

#pragma once

#include <QDateTime>
#include <QString>

#include <chrono>
#include <optional>

namespace korvel {

// Whether a print may run. A page's own print call counts only right after a real touch, click or
// key of the person at the device (a script alone cannot print); prints are at least `interval`
// apart; and a print that becomes a file in Documents never runs while that disk has less than
// `minimumFreeBytes` free or the visit has used its quota (see VisitQuota).
class PrintGuard {
public:
    // Chromium's own transient user activation lasts as long.
    static constexpr std::chrono::seconds gestureWindow{5};
    static constexpr std::chrono::seconds interval{10};
    static constexpr qint64 minimumFreeBytes = 100LL * 1024 * 1024;

    enum class Source { Person, Page };  // the toolbar or menu; the page's window.print()
    enum class Verdict { Print, NoUserGesture, TooSoon, DiskFull, QuotaUsed };

    struct Request {
        Source source = Source::Page;
        QDateTime now;
        QDateTime lastUserInput;            // invalid: none yet
        std::optional<qint64> freeBytes;    // free space of Documents' disk; none when no file is written
        std::optional<qint64> quotaLeft;    // what the visit may still save; none when no file is written
    };

    struct Decision {
        Verdict verdict = Verdict::Print;
        // The first refusal of a run is logged, not each one of a print loop.
        bool log = false;
    };

    // Decides, and on Print counts the print for the interval.
    Decision request(const Request& request);

    // The reason in the log's words.
    static QString describe(Verdict verdict);

private:
    QDateTime m_lastPrint;
    std::optional<Verdict> m_lastRefusal;
};

}  // namespace korvel

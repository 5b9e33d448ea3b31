#include "browser/PrintGuard.h"

namespace korvel {

PrintGuard::Decision PrintGuard::request(const Request& r)
{
    Verdict verdict = Verdict::Print;
    const qint64 sinceInput = r.lastUserInput.isValid() ? r.lastUserInput.msecsTo(r.now) : -1;
    if (r.source == Source::Page
        && (sinceInput < 0 || sinceInput > std::chrono::milliseconds(gestureWindow).count()))
        verdict = Verdict::NoUserGesture;
    else if (m_lastPrint.isValid() && m_lastPrint.msecsTo(r.now) < std::chrono::milliseconds(interval).count())
        verdict = Verdict::TooSoon;
    else if (r.freeBytes && *r.freeBytes < minimumFreeBytes)
        verdict = Verdict::DiskFull;
    else if (r.quotaLeft && *r.quotaLeft <= 0)
        verdict = Verdict::QuotaUsed;

    Decision decision{verdict, false};
    if (verdict == Verdict::Print) {
        m_lastPrint = r.now;
        m_lastRefusal.reset();
    } else {
        decision.log = m_lastRefusal != verdict;
        m_lastRefusal = verdict;
    }
    return decision;
}

QString PrintGuard::describe(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Print:
        return QStringLiteral("allowed");
    case Verdict::NoUserGesture:
        return QStringLiteral("no user gesture");
    case Verdict::TooSoon:
        return QStringLiteral("too soon after the last print");
    case Verdict::DiskFull:
        return QStringLiteral("too little free space in Documents");
    case Verdict::QuotaUsed:
        return QStringLiteral("the visit's quota is used up");
    }
    return {};
}

}  // namespace korvel

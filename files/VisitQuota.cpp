#include "files/VisitQuota.h"

#include "settings/KVBrowserPrefSettings.h"

#include <algorithm>

namespace korvel {

VisitQuota& VisitQuota::shared()
{
    static VisitQuota quota;
    return quota;
}

qint64 VisitQuota::limit(const KVBrowserPrefSettings& p)
{
    // Megabytes as the history shows sizes: decimal.
    return qint64(p.downloadQuota > 0 ? p.downloadQuota : defaultMegabytes) * 1000 * 1000;
}

qint64 VisitQuota::left(const KVBrowserPrefSettings& p) const
{
    return std::max<qint64>(0, limit(p) - m_used);
}

bool VisitQuota::take(qint64 bytes, const KVBrowserPrefSettings& p)
{
    if (bytes < 0 || bytes > left(p))
        return false;
    m_used += bytes;
    return true;
}

void VisitQuota::giveBack(qint64 bytes)
{
    m_used = std::max<qint64>(0, m_used - std::max<qint64>(0, bytes));
}

void VisitQuota::touched(const QDateTime& now)
{
    const qint64 pause = m_lastTouch.isValid() ? m_lastTouch.msecsTo(now) : 0;
    if (pause >= std::chrono::milliseconds(visitGap).count())
        endVisit();
    m_lastTouch = now;
}

void VisitQuota::endVisit()
{
    m_used = 0;
}

}  // namespace korvel

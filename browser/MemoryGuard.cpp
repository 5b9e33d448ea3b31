#include "browser/MemoryGuard.h"

#include "browser/IdleMoment.h"

#include <QFile>

#include <algorithm>

#include <unistd.h>

namespace korvel {

qint64 MemoryGuard::limitBytes(qint32 preferenceMB, qint64 physicalBytes)
{
    if (preferenceMB > 0)
        return qint64(preferenceMB) * mebibyte;
    const qint64 gib = 1024 * mebibyte;
    return physicalBytes > 0 ? std::min(gib, physicalBytes / 2) : gib;
}

MemoryGuard::Action MemoryGuard::sample(qint64 residentBytes, qint64 limit, const QDateTime& lastInput, const QDateTime& now,
                                        std::chrono::seconds quiet)
{
    m_over = residentBytes > limit;
    if (!m_over)
        return Action::Keep;
    if (m_reloadedAt.isValid() && m_reloadedAt.secsTo(now) < std::chrono::seconds(rest).count())
        return Action::Keep;
    if (!IdleMoment::reached(lastInput, now, quiet))
        return Action::Keep;
    m_over = false;
    m_reloadedAt = now;
    return Action::Reload;
}

qint64 MemoryGuard::residentBytes(qint64 pid)
{
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    if (pid <= 0 || !statm.open(QIODevice::ReadOnly))
        return 0;
    // "size resident shared ...", in pages.
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return 0;
    return fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

qint64 MemoryGuard::physicalBytes()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long size = sysconf(_SC_PAGESIZE);
    return pages > 0 && size > 0 ? qint64(pages) * size : 0;
}

}  // namespace korvel

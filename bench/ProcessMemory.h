#pragma once

// This process's memory as Linux reports it in /proc/self/status.
#include <QByteArray>
#include <QFile>

namespace korvel::bench {

// A field of /proc/self/status such as "VmRSS:" or "VmHWM:" (the peak), in KiB; -1 when unreadable.
inline qint64 statusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak (VmHWM) afresh from the present resident size.
inline void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

}  // namespace korvel::bench

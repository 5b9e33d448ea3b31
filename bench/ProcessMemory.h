#pragma once

// This process's memory as Linux reports it in /proc/self/status.
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <vector>

#include <unistd.h>

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

// A field of /proc/PID/FILE ("status" "VmRSS", "smaps_rollup" "Pss") in KiB; 0 when the process
// is gone.
inline qint64 processKiB(qint64 pid, const char* file, const char* field)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(file)));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Every live process below this one (the engine's zygote starts the renderers, so they are
// grandchildren rather than children); zombies have given their memory back and are left out.
inline std::vector<qint64> engineProcesses()
{
    std::vector<std::pair<qint64, qint64>> parents;  // pid, parent pid
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        QFile f(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!numeric || !f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray stat = f.readAll();
        const QList<QByteArray> rest = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (rest.size() > 1 && rest[0] != "Z")
            parents.emplace_back(pid, rest[1].toLongLong());
    }
    std::vector<qint64> found{getpid()};
    for (size_t i = 0; i < found.size(); ++i) {
        for (const auto& [pid, parent] : parents) {
            if (parent == found[i])
                found.push_back(pid);
        }
    }
    found.erase(found.begin());
    return found;
}

}  // namespace korvel::bench

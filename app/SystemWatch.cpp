#include "app/SystemWatch.h"

#include <QList>

#include <cstdlib>

namespace korvel {

namespace {

std::optional<qint64> meminfoField(const QByteArray& meminfo, const QByteArray& name)
{
    for (const QByteArray& line : meminfo.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon <= 0 || line.left(colon) != name)
            continue;
        bool ok = false;
        const qint64 value = line.mid(colon + 1).simplified().split(' ').value(0).toLongLong(&ok);
        return ok ? std::optional<qint64>(value) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> MemoryPressure::availableShare(const QByteArray& meminfo)
{
    const auto total = meminfoField(meminfo, "MemTotal");
    const auto available = meminfoField(meminfo, "MemAvailable");
    if (!total || !available || *total <= 0 || *available < 0)
        return std::nullopt;
    return double(*available) / double(*total);
}

bool MemoryPressure::update(double availableShare)
{
    if (!m_warned && availableShare < low) {
        m_warned = true;
        return true;
    }
    if (m_warned && availableShare > recovered)
        m_warned = false;
    return false;
}

bool TimeChange::update(const QDateTime& wall, qint64 steadyMs)
{
    const std::optional<QDateTime> previous = m_wall;
    const qint64 steadyElapsed = steadyMs - m_steadyMs;
    m_wall = wall;
    m_steadyMs = steadyMs;
    if (!previous)
        return false;
    if (previous->date() != wall.date() || previous->offsetFromUtc() != wall.offsetFromUtc())
        return true;
    const qint64 wallElapsed = previous->msecsTo(wall);
    return std::llabs(wallElapsed - steadyElapsed) > toleranceMs;
}

}  // namespace korvel

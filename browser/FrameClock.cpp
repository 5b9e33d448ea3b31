#include "browser/FrameClock.h"

namespace korvel {

namespace {
QList<const FrameClock*>& clocks()
{
    static QList<const FrameClock*> list;
    return list;
}
}  // namespace

FrameClock::FrameClock(QString window)
    : m_window(std::move(window))
{
    clocks().append(this);
}

FrameClock::~FrameClock()
{
    clocks().removeOne(this);
}

qint64 FrameClock::ageMs(const QDateTime& now) const
{
    return m_lastFrameAt.isValid() ? m_lastFrameAt.msecsTo(now) : -1;
}

QList<const FrameClock*> FrameClock::all()
{
    return clocks();
}

}  // namespace korvel

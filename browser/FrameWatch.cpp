#include "browser/FrameWatch.h"

#include <algorithm>

namespace korvel {

namespace {
QDateTime later(const QDateTime& a, const QDateTime& b)
{
    if (!a.isValid())
        return b;
    if (!b.isValid())
        return a;
    return std::max(a, b);
}
}  // namespace

FrameWatch::Action FrameWatch::tick(const QDateTime& now, bool shouldDraw, const QDateTime& lastFrameAt)
{
    if (!shouldDraw) {
        m_drawingSince = QDateTime();
        return Action::Wait;
    }
    // A clock set back starts the wait afresh rather than making the last frame ancient or future.
    if (!m_drawingSince.isValid() || now < m_drawingSince || (m_reshownAt.isValid() && now < m_reshownAt)) {
        m_drawingSince = now;
        m_reshownAt = QDateTime();
        m_pokedAt = QDateTime();
    }
    const QDateTime from = later(later(m_drawingSince, m_reshownAt), lastFrameAt <= now ? lastFrameAt : QDateTime());
    const qint64 silent = from.msecsTo(now);
    if (silent >= std::chrono::milliseconds(limit).count()) {
        m_reshownAt = now;
        m_pokedAt = QDateTime();
        return Action::Reshow;
    }
    const qint64 pokeMs = std::chrono::milliseconds(pokeEvery).count();
    if (silent >= pokeMs && (!m_pokedAt.isValid() || now < m_pokedAt || m_pokedAt.msecsTo(now) >= pokeMs)) {
        m_pokedAt = now;
        return Action::Poke;
    }
    return Action::Wait;
}

}  // namespace korvel

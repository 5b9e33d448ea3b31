#pragma once

#include <QDateTime>

#include <chrono>

namespace korvel {

// Whether a window that should be drawing still puts frames on screen. A still page draws
// nothing, so while frames are old the window is asked for one (`Poke`) now and then; a window
// that has shown none for `limit` of drawing time (a frozen compositor, a lost surface) is shown
// afresh (`Reshow`), and not again before another `limit`. Time the window should not draw
// (hidden on purpose, minimised, the kiosk asleep) does not count.
class FrameWatch {
public:
    static constexpr std::chrono::seconds limit{30};
    static constexpr std::chrono::seconds pokeEvery{10};

    enum class Action { Wait, Poke, Reshow };

    Action tick(const QDateTime& now, bool shouldDraw, const QDateTime& lastFrameAt);

private:
    QDateTime m_drawingSince;
    QDateTime m_pokedAt;
    QDateTime m_reshownAt;
};

}  // namespace korvel

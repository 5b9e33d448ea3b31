#pragma once

#include "browser/FrameClock.h"
#include "browser/FrameWatch.h"
#include "platform/Timer.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;
class QWindow;

namespace korvel {

// Keeps the time of a window's last frame and shows the window afresh when it should be drawing
// (visible, not minimised, the kiosk awake) but has put no frame on screen for 30 s. A frame is an
// update the toolkit delivered to the window while the window system exposes it: every paint of
// the window, the web view's included, goes through one, and a compositor that stops answering
// (or a surface it lost) stops them.
class WindowFrames final : public QObject {
    Q_OBJECT
public:
    WindowFrames(QWidget* window, QString name, std::function<void()> reshow);

    const FrameClock& clock() const { return m_clock; }

    static constexpr std::chrono::seconds tickInterval{5};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tick();
    void watchHandle();
    bool shouldDraw() const;

    QPointer<QWidget> m_window;
    QPointer<QWindow> m_handle;
    std::function<void()> m_reshow;
    FrameClock m_clock;
    FrameWatch m_watch;
    Timer m_timer;
};

}  // namespace korvel

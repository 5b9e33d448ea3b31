#include "app/ui/WindowFrames.h"

#include "browser/PowerSaver.h"
#include "platform/Clock.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace korvel {

WindowFrames::WindowFrames(QWidget* window, QString name, std::function<void()> reshow)
    : QObject(window)
    , m_window(window)
    , m_reshow(std::move(reshow))
    , m_clock(std::move(name))
    , m_timer(this)
{
    connect(&m_timer, &Timer::timeout, this, &WindowFrames::tick);
    m_timer.start(tickInterval);
    window->installEventFilter(this);
    watchHandle();
}

void WindowFrames::watchHandle()
{
    QWindow* handle = m_window ? m_window->windowHandle() : nullptr;
    if (handle == m_handle)
        return;
    if (m_handle)
        m_handle->removeEventFilter(this);
    m_handle = handle;
    if (handle)
        handle->installEventFilter(this);
}

bool WindowFrames::eventFilter(QObject* watched, QEvent* event)
{
    // The window's surface is made when it is first shown, and made anew for another surface type.
    if (watched == m_window && (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange))
        watchHandle();
    if (watched == m_handle && (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Expose) && m_handle->isExposed())
        m_clock.framePainted(Clock::instance().now());
    return QObject::eventFilter(watched, event);
}

bool WindowFrames::shouldDraw() const
{
    if (!m_window || !m_window->isVisible() || (m_window->windowState() & Qt::WindowMinimized))
        return false;
    // A dark kiosk may rightly get no frames from a display that is off.
    const PowerSaver* saver = PowerSaver::current();
    return !saver || !saver->powerSaveOn();
}

void WindowFrames::tick()
{
    // A window re-created underneath (another surface type) is watched anew.
    watchHandle();
    switch (m_watch.tick(Clock::instance().now(), shouldDraw(), m_clock.lastFrameAt())) {
    case FrameWatch::Action::Wait:
        return;
    case FrameWatch::Action::Poke:
        // Nothing to paint is no fault: the window is asked for one update, which an exposed window
        // gets at once.
        if (m_handle)
            m_handle->requestUpdate();
        return;
    case FrameWatch::Action::Reshow:
        m_reshow();
        return;
    }
}

}  // namespace korvel

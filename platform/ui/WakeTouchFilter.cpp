#include "platform/ui/WakeTouchFilter.h"

#include <QCoreApplication>
#include <QEvent>

namespace korvel {

namespace {

bool isPointerEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return true;
    default:
        return false;
    }
}

}  // namespace

WakeTouchFilter::WakeTouchFilter(Hooks hooks, QObject* parent)
    : QObject(parent)
    , m_hooks(std::move(hooks))
{
}

WakeTouchFilter* WakeTouchFilter::install(Hooks hooks)
{
    auto* filter = new WakeTouchFilter(std::move(hooks), QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
    return filter;
}

bool WakeTouchFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (!isPointerEvent(type))
        return false;
    // Judged where the window system hands the event in, before any widget or page sees it.
    if (!m_swallowing && watched->isWindowType() && (type == QEvent::TouchBegin || type == QEvent::MouseButtonPress)
        && m_hooks.asleep && m_hooks.asleep()) {
        m_swallowing = true;
        m_hooks.wake();
    }
    if (!m_swallowing)
        return false;
    if (watched->isWindowType() && (type == QEvent::TouchEnd || type == QEvent::TouchCancel || type == QEvent::MouseButtonRelease))
        m_swallowing = false;
    // Taken: no mouse press is made up from a touch nobody took.
    event->accept();
    return true;
}

}  // namespace korvel

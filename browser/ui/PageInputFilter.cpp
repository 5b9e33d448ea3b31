#include "browser/ui/PageInputFilter.h"

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QTouchEvent>
#include <QWheelEvent>
#include <QWidget>

namespace korvel {

namespace {

bool isZoomKey(const QKeyEvent* key)
{
    if (!(key->modifiers() & Qt::ControlModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_Equal:
    case Qt::Key_0:
    case Qt::Key_ZoomIn:
    case Qt::Key_ZoomOut:
        return true;
    default:
        return false;
    }
}

}  // namespace

PageInputFilter::PageInputFilter(std::function<bool()> zoomAllowed, QObject* parent)
    : QObject(parent)
    , m_zoomAllowed(std::move(zoomAllowed))
{
}

void PageInputFilter::watch(QWidget* widget)
{
    if (!widget || widget == m_watched)
        return;
    if (m_watched)
        m_watched->removeEventFilter(this);
    m_watched = widget;
    widget->installEventFilter(this);
}

bool PageInputFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (m_forwarding)
        return false;
    const bool zoomAllowed = !m_zoomAllowed || m_zoomAllowed();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        m_lastUserInput = Clock::instance().now();
        break;
    case QEvent::KeyPress: {
        m_lastUserInput = Clock::instance().now();
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && m_escape && m_escape())
            return true;
        return !zoomAllowed && isZoomKey(key);
    }
    case QEvent::ShortcutOverride:
        return !zoomAllowed && isZoomKey(static_cast<QKeyEvent*>(event));
    case QEvent::Wheel:
        return !zoomAllowed && (static_cast<QWheelEvent*>(event)->modifiers() & Qt::ControlModifier);
    case QEvent::NativeGesture: {
        const Qt::NativeGestureType type = static_cast<QNativeGestureEvent*>(event)->gestureType();
        return !zoomAllowed && (type == Qt::ZoomNativeGesture || type == Qt::SmartZoomNativeGesture);
    }
    default:
        break;
    }
    if (event->type() == QEvent::TouchBegin || event->type() == QEvent::TouchUpdate || event->type() == QEvent::TouchEnd
        || event->type() == QEvent::TouchCancel) {
        auto* touch = static_cast<QTouchEvent*>(event);
        if (event->type() == QEvent::TouchBegin)
            m_finger = touch->points().isEmpty() ? -1 : touch->points().first().id();
        if (!zoomAllowed)
            return keepsOneFinger(watched, touch);
    }
    return false;
}

// The engine pinches whenever two fingers move apart; with only the first finger it sees a drag.
bool PageInputFilter::keepsOneFinger(QObject* watched, QTouchEvent* touch)
{
    const QEvent::Type type = touch->type();
    if (type == QEvent::TouchCancel) {
        m_finger = -1;
        return false;
    }
    QList<QEventPoint> kept;
    for (const QEventPoint& point : touch->points()) {
        if (point.id() == m_finger)
            kept.append(point);
    }
    if (kept.size() == touch->points().size())
        return false;
    if (kept.isEmpty())
        return true;  // fingers other than the first: nothing of them reaches the page
    QEvent::Type single = QEvent::TouchUpdate;
    if (kept.first().state() == QEventPoint::State::Released) {
        single = QEvent::TouchEnd;
        m_finger = -1;
    } else if (type == QEvent::TouchBegin) {
        single = QEvent::TouchBegin;
    }
    QTouchEvent forwarded(single, touch->pointingDevice(), touch->modifiers(), kept);
    m_forwarding = true;
    QCoreApplication::sendEvent(watched, &forwarded);
    m_forwarding = false;
    return true;
}

}  // namespace korvel

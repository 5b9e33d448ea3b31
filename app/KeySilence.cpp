#include "app/KeySilence.h"

#include "platform/NotificationCenter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace korvel {

namespace {

QPointer<KeySilence> current;

}  // namespace

KeySilence::KeySilence()
    : QObject(QCoreApplication::instance())
{
    QCoreApplication::instance()->installEventFilter(this);
    NotificationCenter::defaultCenter().addObserver(this, QStringLiteral("EventHasOccurred"), [](const Notification&) { end(); });
}

void KeySilence::begin()
{
    if (!current && QCoreApplication::instance())
        current = new KeySilence;
}

void KeySilence::end()
{
    // Deleted at once: a key that follows the touch in the same turn of the event loop goes through.
    delete current.data();
}

bool KeySilence::active()
{
    return !current.isNull();
}

bool KeySilence::silences(int eventType)
{
    switch (eventType) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    // Text composed by an input method from a keyboard's keys; the on-screen keyboard is touched
    // first, which ends the silence before it commits anything.
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

bool KeySilence::eventFilter(QObject* watched, QEvent* event)
{
    if (silences(event->type()))
        return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace korvel

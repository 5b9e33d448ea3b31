#include "app/ui/KVApplication.h"

#include "app/KVAppDelegate.h"
#include "browser/ui/Routes.h"
#include "files/VisitQuota.h"
#include "platform/Clock.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Translations.h"
#include "platform/Version.h"
#include "platform/ui/Accessibility.h"
#include "platform/ui/Theme.h"

#include <QEvent>
#include <QInputDevice>

namespace korvel {

ArgumentVector::ArgumentVector(const QStringList& arguments)
{
    for (const QString& argument : arguments)
        m_bytes.push_back(argument.toLocal8Bit());
    for (QByteArray& bytes : m_bytes)
        m_pointers.push_back(bytes.data());
    m_pointers.push_back(nullptr);
    m_argc = int(m_bytes.size());
}

namespace {

bool hasTouchScreen()
{
    for (const QInputDevice* device : QInputDevice::devices()) {
        if (device->type() == QInputDevice::DeviceType::TouchScreen)
            return true;
    }
    return false;
}

}  // namespace

KVApplication::KVApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("korvel"));
    setApplicationDisplayName(QString::fromUtf8(version::displayName));
    setApplicationVersion(QString::fromUtf8(version::shortVersion));
    // A kiosk has no "last window closed" moment of its own: only the system ends it.
    setQuitOnLastWindowClosed(false);
    // Words and looks before the first screen exists: no screen ever shows a raw key.
    Translations::install();
    Theme::apply(*this);
    Accessibility::install(*this);
}

bool KVApplication::notify(QObject* receiver, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool touch = type == QEvent::TouchBegin || type == QEvent::TouchUpdate || type == QEvent::TouchEnd;
    // Mouse presses stand in for touches only where there is no touch screen, and only once per
    // press (the event reaches several widgets on its way up): the top-level window's copy counts.
    static const bool touchScreen = hasTouchScreen();
    const bool mouse = !touchScreen && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)
                       && receiver->isWindowType();
    // A key from a keyboard or switch device is a visitor at the kiosk as much as a touch is.
    const bool key = type == QEvent::KeyPress && receiver->isWindowType();
    const bool handled = QApplication::notify(receiver, event);
    if ((touch && receiver->isWindowType()) || mouse || key) {
        KVAppDelegate* delegate = KVAppDelegate::getAppDelegate();
        const Routes& routes = Routes::current();
        if (delegate && delegate->powerSaveOn && routes.wakePowerSaver)
            routes.wakePowerSaver();
        if (routes.stopScreensaver)
            routes.stopScreensaver();
        if (type == QEvent::TouchBegin || type == QEvent::TouchEnd || mouse || key) {
            // A touch after a long pause is the next visitor's, with a quota of their own.
            VisitQuota::shared().touched(Clock::instance().now());
            NotificationCenter::defaultCenter().post(kEventHasOccurredNotification);
        }
    }
    return handled;
}

}  // namespace korvel

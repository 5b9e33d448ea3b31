#include "platform/KeepAwake.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace korvel {

namespace {

const QString screensaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString screensaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString logindService = QStringLiteral("org.freedesktop.login1");
const QString logindPath = QStringLiteral("/org/freedesktop/login1");
const QString logindManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString reason = QStringLiteral("The kiosk is set to keep the device awake");

}  // namespace

KeepAwake::KeepAwake(QDBusConnection screensaverBus, QDBusConnection logindBus, QObject* parent)
    : QObject(parent)
    , m_screensaverBus(std::move(screensaverBus))
    , m_logindBus(std::move(logindBus))
{
}

KeepAwake::~KeepAwake()
{
    releaseAll();
}

KeepAwake& KeepAwake::shared()
{
    static KeepAwake* keepAwake = new KeepAwake(QDBusConnection::sessionBus(), QDBusConnection::systemBus());
    return *keepAwake;
}

void KeepAwake::setPreventSuspend(Mode mode)
{
    m_mode = mode;
    switch (mode) {
    case Mode::Prevent:
        takeScreensaver();
        takeSleep();
        break;
    case Mode::Allow:
        releaseAll();
        break;
    }
}

void KeepAwake::takeScreensaver()
{
    if (m_cookie || m_screensaverAsked || !m_screensaverBus.isConnected())
        return;
    m_screensaverAsked = true;
    QDBusMessage call = QDBusMessage::createMethodCall(screensaverService, screensaverPath, screensaverService, QStringLiteral("Inhibit"));
    call << QStringLiteral("korvel") << reason;
    auto* watcher = new QDBusPendingCallWatcher(m_screensaverBus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        m_screensaverAsked = false;
        const QDBusPendingReply<quint32> reply = *w;
        if (reply.isError())
            return;
        m_cookie = reply.value();
        // Allowed again while the answer was on its way: given back at once.
        if (m_mode == Mode::Allow)
            releaseAll();
        Q_EMIT changed();
    });
}

void KeepAwake::takeSleep()
{
    if (m_sleepLock.isValid() || m_sleepAsked || !m_logindBus.isConnected())
        return;
    m_sleepAsked = true;
    QDBusMessage call = QDBusMessage::createMethodCall(logindService, logindPath, logindManager, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("korvel") << reason << QStringLiteral("block");
    auto* watcher = new QDBusPendingCallWatcher(m_logindBus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        m_sleepAsked = false;
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        if (reply.isError())
            return;
        // logind holds the block while this descriptor is open.
        m_sleepLock = reply.value();
        if (m_mode == Mode::Allow)
            releaseAll();
        Q_EMIT changed();
    });
}

void KeepAwake::releaseAll()
{
    bool released = false;
    if (m_cookie) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(screensaverService, screensaverPath, screensaverService, QStringLiteral("UnInhibit"));
        call << *m_cookie;
        m_screensaverBus.send(call);
        m_cookie.reset();
        released = true;
    }
    if (m_sleepLock.isValid()) {
        // Closing the only copy of the descriptor ends the block.
        m_sleepLock = QDBusUnixFileDescriptor();
        released = true;
    }
    if (released)
        Q_EMIT changed();
}

}  // namespace korvel

#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>

#include <optional>

namespace korvel {

// Keeps the display and the machine awake while the kiosk asks for it: an inhibition of the
// desktop's screensaver (org.freedesktop.ScreenSaver on the session bus) and a "sleep:idle" block
// of logind (on the system bus). Calls are asynchronous, so a slow or missing service never holds
// the kiosk up; where a service is missing, that part is simply not taken.
class KeepAwake final : public QObject {
    Q_OBJECT
public:
    enum class Mode { Allow, Prevent };

    KeepAwake(QDBusConnection screensaverBus, QDBusConnection logindBus, QObject* parent = nullptr);
    ~KeepAwake() override;

    // The process-wide one, on the session and the system bus.
    static KeepAwake& shared();

    void setPreventSuspend(Mode mode);
    Mode mode() const { return m_mode; }
    // What is held right now.
    bool holdsScreensaverInhibition() const { return m_cookie.has_value(); }
    bool holdsSleepInhibition() const { return m_sleepLock.isValid(); }

Q_SIGNALS:
    // A service answered (taken or released); for those who wait for it.
    void changed();

private:
    void takeScreensaver();
    void takeSleep();
    void releaseAll();

    QDBusConnection m_screensaverBus;
    QDBusConnection m_logindBus;
    Mode m_mode = Mode::Allow;
    std::optional<quint32> m_cookie;
    QDBusUnixFileDescriptor m_sleepLock;
    bool m_screensaverAsked = false;
    bool m_sleepAsked = false;
};

}  // namespace korvel

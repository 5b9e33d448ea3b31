// Runs on a private session bus (dbus-run-session), where the test stands in for the desktop's
// screensaver service and for logind.
#include "platform/KeepAwake.h"
#include "tests/support/EventLoop.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusUnixFileDescriptor>
#include <QSet>

#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

using namespace korvel;

class StandInScreenSaver final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public Q_SLOTS:
    uint Inhibit(const QString& application, const QString& reason)
    {
        Q_UNUSED(reason);
        applications << application;
        held.insert(++last);
        return last;
    }
    void UnInhibit(uint cookie) { held.remove(cookie); }

public:
    QSet<uint> held;
    QStringList applications;
    uint last = 0;
};

class StandInLogind final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public Q_SLOTS:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why, const QString& mode)
    {
        Q_UNUSED(who);
        Q_UNUSED(why);
        blocked << what + QLatin1Char('/') + mode;
        int ends[2];
        if (::pipe(ends) != 0)
            return {};
        readEnd = ends[0];
        const QDBusUnixFileDescriptor handed(ends[1]);
        ::close(ends[1]);
        return handed;
    }

public:
    // logind's view: the block lasts while the caller keeps its end of the pipe open.
    bool blockHeld() const
    {
        if (readEnd < 0)
            return false;
        pollfd p{readEnd, POLLIN, 0};
        return ::poll(&p, 1, 0) == 0;
    }

    QStringList blocked;
    int readEnd = -1;
};

TEST(KeepAwake, HoldsTheInhibitionsExactlyWhilePreventSuspendIsOn)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        GTEST_SKIP() << "no session bus (run under dbus-run-session)";
    QDBusConnection services = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("stand-ins"));
    StandInScreenSaver screensaver;
    StandInLogind logind;
    ASSERT_TRUE(services.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &screensaver, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(services.registerObject(QStringLiteral("/org/freedesktop/login1"), &logind, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(services.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
    ASSERT_TRUE(services.registerService(QStringLiteral("org.freedesktop.login1")));

    {
        KeepAwake keepAwake(bus, bus);
        keepAwake.setPreventSuspend(KeepAwake::Mode::Prevent);
        ASSERT_TRUE(test::processEventsUntil([&] { return keepAwake.holdsScreensaverInhibition() && keepAwake.holdsSleepInhibition(); }, 5000));
        EXPECT_EQ(screensaver.held.size(), 1);
        EXPECT_EQ(screensaver.applications, QStringList{QStringLiteral("korvel")});
        EXPECT_EQ(logind.blocked, QStringList{QStringLiteral("sleep:idle/block")});
        EXPECT_TRUE(logind.blockHeld());

        // Asking again while held takes nothing more.
        keepAwake.setPreventSuspend(KeepAwake::Mode::Prevent);
        test::processEventsUntil([] { return false; }, 200);
        EXPECT_EQ(screensaver.last, 1u);

        keepAwake.setPreventSuspend(KeepAwake::Mode::Allow);
        EXPECT_TRUE(test::processEventsUntil([&] { return screensaver.held.isEmpty(); }, 5000));
        EXPECT_FALSE(logind.blockHeld());

        // Turned on and off before the services answered: nothing stays held.
        keepAwake.setPreventSuspend(KeepAwake::Mode::Prevent);
        keepAwake.setPreventSuspend(KeepAwake::Mode::Allow);
        test::processEventsUntil([&] { return screensaver.last == 2u; }, 5000);
        test::processEventsUntil([] { return false; }, 300);
        EXPECT_TRUE(screensaver.held.isEmpty());
        EXPECT_FALSE(logind.blockHeld());
        EXPECT_FALSE(keepAwake.holdsScreensaverInhibition());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("stand-ins"));
}

#include "KeepAwakeTest.moc"

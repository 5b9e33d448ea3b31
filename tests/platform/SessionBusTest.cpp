#include "platform/SessionBus.h"
#include "tests/support/ScopedEnv.h"

#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace SessionBus = korvel::SessionBus;

namespace {

TEST(SessionBusTest, TakesTheSessionsAddressElseTheUsersBusElseNone)
{
    struct Case {
        const char* name;
        QByteArray given;
        std::optional<QString> userBus;
        std::optional<QByteArray> expected;  // nothing: the environment is left as it is
    };
    const Case cases[] = {
        {"a session's address stays", "unix:path=/run/user/1000/bus", QStringLiteral("/run/user/1000/bus"), std::nullopt},
        {"without one, the user's bus", "", QStringLiteral("/run/user/1000/bus"), "unix:path=/run/user/1000/bus"},
        {"set but blank counts as none", "  ", QStringLiteral("/run/user/1000/bus"), "unix:path=/run/user/1000/bus"},
        {"nothing at all: none, never autolaunch", "", std::nullopt, SessionBus::none},
        {"a path the address syntax must escape", "", QStringLiteral("/run/kiosk user,1/b=us"), "unix:path=/run/kiosk%20user%2c1/b%3dus"},
        {"bytes beyond ASCII are escaped one by one", "", QStringLiteral("/run/\u00e9/bus"), "unix:path=/run/%c3%a9/bus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SessionBus::addressToSet(c.given, c.userBus), c.expected);
    }
}

class SessionBusEnvironmentTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_runtime.isValid()); }
    QString busPath() const { return m_runtime.filePath(QStringLiteral("bus")); }

    QTemporaryDir m_runtime;
    const korvel::test::ScopedEnv m_address{"DBUS_SESSION_BUS_ADDRESS", std::nullopt};
    const korvel::test::ScopedEnv m_runtimeDir{"XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path())};
};

TEST_F(SessionBusEnvironmentTest, FindsTheUsersBusOnlyWhenItIsASocket)
{
    {
        SCOPED_TRACE("no bus under the runtime directory");
        SessionBus::prepareEnvironment();
        EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray(SessionBus::none));
    }
    {
        SCOPED_TRACE("a plain file named bus is no bus");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        QFile file(busPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        SessionBus::prepareEnvironment();
        EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray(SessionBus::none));
        ASSERT_TRUE(file.remove());
    }
    {
        SCOPED_TRACE("a listening socket is the user's bus");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        QLocalServer server;
        server.setSocketOptions(QLocalServer::UserAccessOption);
        ASSERT_TRUE(server.listen(busPath())) << server.errorString().toStdString();
        SessionBus::prepareEnvironment();
        EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=" + SessionBus::escapedPath(busPath()));
    }
    {
        SCOPED_TRACE("a session's address is never replaced");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:abstract=/tmp/dbus-session");
        SessionBus::prepareEnvironment();
        EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "unix:abstract=/tmp/dbus-session");
    }
}

}  // namespace

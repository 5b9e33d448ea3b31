#include "app/ServiceWatchdog.h"
#include "tests/support/EventLoop.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <gtest/gtest.h>

namespace korvel {
namespace {

// A stand-in for systemd's notify socket: a datagram socket that collects what it is told.
class NotifySocket {
public:
    explicit NotifySocket(const QString& path)
    {
        m_fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toUtf8();
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        if (name.startsWith('@'))
            address.sun_path[0] = '\0';
        const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(name.size()) + (name.startsWith('@') ? 0 : 1));
        m_bound = bind(m_fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
        qputenv("NOTIFY_SOCKET", name);
    }
    ~NotifySocket()
    {
        close(m_fd);
        qunsetenv("NOTIFY_SOCKET");
    }
    bool bound() const { return m_bound; }
    // What arrived since the last call.
    QList<QByteArray> received()
    {
        QList<QByteArray> messages;
        char buffer[512];
        for (ssize_t n; (n = recv(m_fd, buffer, sizeof buffer, 0)) > 0;)
            messages.append(QByteArray(buffer, int(n)));
        return messages;
    }

private:
    int m_fd = -1;
    bool m_bound = false;
};

TEST(ServiceWatchdog, TheMainLoopReportsWhileItTurnsAndReadinessOnce)
{
    QTemporaryDir dir;
    for (const QString& path : {dir.filePath(QStringLiteral("notify")), QStringLiteral("@korvel-test-%1").arg(getpid())}) {
        NotifySocket systemd(path);
        ASSERT_TRUE(systemd.bound()) << qPrintable(path);
        qputenv("WATCHDOG_USEC", "150000");
        ServiceWatchdog watchdog;
        watchdog.start();
        watchdog.ready();
        watchdog.ready();
        test::processEventsUntil([] { return false; }, 400);
        const QList<QByteArray> first = systemd.received();
        EXPECT_EQ(first.count("READY=1"), 1) << qPrintable(path);
        EXPECT_GE(first.count("WATCHDOG=1"), 4) << qPrintable(path);

        // A main loop that does not turn says nothing, so systemd would restart the kiosk.
        QThread::msleep(400);
        EXPECT_TRUE(systemd.received().isEmpty());
        qunsetenv("WATCHDOG_USEC");
    }
}

TEST(ServiceWatchdog, WithoutAWatchingServiceManagerNothingIsSent)
{
    QTemporaryDir dir;
    NotifySocket systemd(dir.filePath(QStringLiteral("notify")));
    qputenv("WATCHDOG_USEC", "150000");
    // The interval is meant for another process.
    qputenv("WATCHDOG_PID", QByteArray::number(getpid() + 1));
    ServiceWatchdog watchdog;
    watchdog.start();
    test::processEventsUntil([] { return false; }, 300);
    EXPECT_TRUE(systemd.received().isEmpty());
    qunsetenv("WATCHDOG_PID");
    qunsetenv("WATCHDOG_USEC");
}

// Starts `program` as systemd would start the kiosk, on `home`; returns once it said it is ready
// and reported from its main loop three times, or when it did not within half a minute.
bool startsAsAService(const QString& program, const QTemporaryDir& home, QString* heardText)
{
    NotifySocket systemd(home.filePath(QStringLiteral("notify")));
    if (!systemd.bound())
        return false;
    QProcess korvel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KORVEL_REACHABILITY_HOST"), QStringLiteral("127.0.0.1"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("xdg-data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("xdg-config")));
    env.insert(QStringLiteral("WATCHDOG_USEC"), QStringLiteral("300000"));
    korvel.setProcessEnvironment(env);
    korvel.setStandardOutputFile(QProcess::nullDevice());
    korvel.setStandardErrorFile(QProcess::nullDevice());
    korvel.start(program, {QStringLiteral("--home"), home.filePath(QStringLiteral("home"))});
    if (!korvel.waitForStarted(5000))
        return false;
    QList<QByteArray> heard;
    const bool ready = test::processEventsUntil([&] {
        heard += systemd.received();
        return heard.contains("READY=1") && heard.count("WATCHDOG=1") >= 3;
    }, 30000);
    *heardText = QString::fromLatin1(heard.join(' '));
    korvel.terminate();
    return korvel.waitForFinished(10000) && ready;
}

TEST(ServiceWatchdog, TheKioskSaysReadyAfterItsFirstPaintAndKeepsReporting)
{
    QTemporaryDir home;
    QString heard;
    EXPECT_TRUE(startsAsAService(QCoreApplication::applicationDirPath() + QStringLiteral("/korvel"), home, &heard)) << qPrintable(heard);
}

// Installed into a prefix, the programs find what they read there, not in the build tree.
TEST(Installation, TheInstalledProgramsRunFromTheirPrefix)
{
    QTemporaryDir root;
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(KORVEL_BINARY_DIR), QStringLiteral("--prefix"),
                                            root.filePath(QStringLiteral("usr"))});
    ASSERT_TRUE(install.waitForFinished(120000) && install.exitCode() == 0) << install.readAll().constData();
    const QString bin = root.filePath(QStringLiteral("usr/bin/"));
    for (const char* installed : {"share/korvel/resources/translations/korvel_en.qm", "share/applications/korvel.desktop",
                                  "share/man/man1/korvel.1.gz", "share/man/man1/korvelctl.1.gz", "lib/systemd/system/korvel-kiosk.service",
                                  "share/doc/korvel/examples/managed.plist.example", "libexec/korvel/korvel-pdf-render"})
        EXPECT_TRUE(QFileInfo::exists(root.filePath(QStringLiteral("usr/") + QLatin1String(installed)))) << installed;

    // The installed home page, marked, is the one the installed kiosk hands to its pages.
    QFile page(root.filePath(QStringLiteral("usr/share/korvel/resources/homeWebPage.html")));
    ASSERT_TRUE(page.open(QIODevice::Append));
    page.write("<!-- installed copy -->");
    page.close();

    QTemporaryDir home;
    QProcess ctl;
    ctl.start(bin + QStringLiteral("korvelctl"), {QStringLiteral("--home"), home.filePath(QStringLiteral("home")), QStringLiteral("sites"),
                                                  QStringLiteral("add"), QStringLiteral("https://installed.test/")});
    ASSERT_TRUE(ctl.waitForFinished(20000) && ctl.exitCode() == 0) << ctl.readAllStandardError().constData();
    QString heard;
    EXPECT_TRUE(startsAsAService(bin + QStringLiteral("korvel"), home, &heard)) << qPrintable(heard);
    QFile copied(home.filePath(QStringLiteral("home/Documents/homeWebPage.html")));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copied.readAll().endsWith("<!-- installed copy -->"));
}

}  // namespace
}  // namespace korvel

// korvel-notify-relay, the kiosk session's main process under systemd: what the kiosk tells the
// service manager arrives from the relay's own process, and nothing else does.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

namespace {

QString relay()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/korvel-notify-relay");
}

// A stand-in for systemd's notification socket that also learns who sent each message.
struct ServiceManager {
    explicit ServiceManager(const QString& path)
    {
        fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.toLocal8Bit().constData(), sizeof address.sun_path - 1);
        const int on = 1;
        setsockopt(fd, SOL_SOCKET, SO_PASSCRED, &on, sizeof on);
        bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~ServiceManager() { close(fd); }

    // The next message and its sender's process, or an empty message after `timeoutMs`.
    std::pair<QByteArray, pid_t> next(int timeoutMs)
    {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, timeoutMs) <= 0)
            return {};
        char buffer[4096];
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(ucred))];
        iovec part{buffer, sizeof buffer};
        msghdr header{};
        header.msg_iov = &part;
        header.msg_iovlen = 1;
        header.msg_control = control;
        header.msg_controllen = sizeof control;
        const ssize_t n = recvmsg(fd, &header, 0);
        ucred sender{};
        if (const cmsghdr* c = CMSG_FIRSTHDR(&header); c && c->cmsg_type == SCM_CREDENTIALS)
            std::memcpy(&sender, CMSG_DATA(c), sizeof sender);
        return {n > 0 ? QByteArray(buffer, int(n)) : QByteArray(), sender.pid};
    }

    int fd = -1;
    bool bound = false;
};

TEST(NotifyRelay, PassesTheKiosksMessagesOnAsItsOwnAndNothingElse)
{
    if (QStandardPaths::findExecutable(QStringLiteral("systemd-notify")).isEmpty())
        GTEST_SKIP() << "systemd-notify is not installed";
    QTemporaryDir dir;
    ServiceManager systemd(dir.filePath(QStringLiteral("notify")));
    ASSERT_TRUE(systemd.bound);
    QProcess session;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NOTIFY_SOCKET"), dir.filePath(QStringLiteral("notify")));
    session.setProcessEnvironment(env);
    // The kiosk (here systemd-notify) tries to name another main process as well.
    session.start(relay(), {QStringLiteral("systemd-notify"), QStringLiteral("MAINPID=1"), QStringLiteral("READY=1"),
                            QStringLiteral("FDSTORE=1"), QStringLiteral("STATUS=Home screen")});
    ASSERT_TRUE(session.waitForStarted(5000));
    const auto [message, sender] = systemd.next(10000);
    EXPECT_EQ(message, QByteArray("READY=1\nSTATUS=Home screen\n"));
    EXPECT_EQ(sender, pid_t(session.processId()));
    ASSERT_TRUE(session.waitForFinished(10000));
    EXPECT_EQ(session.exitCode(), 0);
}

TEST(NotifyRelay, EndsWithItsCommandAndStopsItOnTerm)
{
    const struct {
        QStringList command;
        bool terminate;
        int status;
    } cases[] = {
        {{QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("exit 3")}, false, 3},
        {{QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("kill -ABRT $$")}, false, 128 + SIGABRT},
        // A stop that was asked for succeeds, even when the command aborts on it (as cage does).
        {{QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("trap 'kill -ABRT $$' TERM; sleep 30 & wait")}, true, 0},
        {{QStringLiteral("/nonexistent/compositor")}, false, 127},
    };
    for (const auto& c : cases) {
        QProcess session;
        session.start(relay(), c.command);
        ASSERT_TRUE(session.waitForStarted(5000));
        if (c.terminate) {
            QThread::msleep(300);
            session.terminate();
        }
        QElapsedTimer took;
        took.start();
        ASSERT_TRUE(session.waitForFinished(10000)) << qPrintable(c.command.join(' '));
        EXPECT_EQ(session.exitStatus(), QProcess::NormalExit) << qPrintable(c.command.join(' '));
        EXPECT_EQ(session.exitCode(), c.status) << qPrintable(c.command.join(' '));
        EXPECT_LT(took.elapsed(), 5000) << qPrintable(c.command.join(' '));
    }
}

}  // namespace

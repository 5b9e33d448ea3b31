#include "control/ControlClient.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace korvel {

ControlClient::ControlClient(QString socketPath, QString lockPath)
    : m_socketPath(std::move(socketPath))
    , m_lock(std::move(lockPath))
{
}

ControlClient::~ControlClient()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int ControlClient::connectSocket()
{
    const QByteArray path = QFile::encodeName(m_socketPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path) {
        m_error = QStringLiteral("the control socket's path is too long: ") + m_socketPath;
        return -1;
    }
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

ControlClient::Way ControlClient::open(std::chrono::milliseconds patience)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        m_fd = connectSocket();
        if (m_fd >= 0)
            return Way::Korvel;
        if (m_lock.tryLock()) {
            // A Korvel may have started and begun to listen between the two looks: it would
            // have had to take the lock first, so holding it now means none runs.
            return Way::Here;
        }
        if (waited.elapsed() >= patience.count()) {
            m_error = QStringLiteral("a Korvel holds the home's lock but does not answer on ") + m_socketPath
                      + QStringLiteral(" (") + m_lock.errorString() + QLatin1Char(')');
            return Way::None;
        }
        QThread::msleep(50);
    }
}

std::optional<ControlReply> ControlClient::send(const ControlCommand& command, std::chrono::milliseconds timeout)
{
    if (m_fd < 0) {
        m_error = QStringLiteral("no running Korvel to send to");
        return std::nullopt;
    }
    const QByteArray line = command.toJson();
    for (qsizetype sent = 0; sent < line.size();) {
        const ssize_t n = ::send(m_fd, line.constData() + sent, size_t(line.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_error = QStringLiteral("the running Korvel did not take the command: ") + QString::fromLocal8Bit(std::strerror(errno));
            return std::nullopt;
        }
        sent += n;
    }
    QByteArray answer;
    QElapsedTimer waited;
    waited.start();
    while (!answer.contains('\n')) {
        const qint64 left = timeout.count() - waited.elapsed();
        pollfd p{m_fd, POLLIN, 0};
        const int ready = left > 0 ? ::poll(&p, 1, int(std::min<qint64>(left, 1000))) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0 && left > 0)
            continue;
        if (ready <= 0) {
            m_error = QStringLiteral("the running Korvel did not answer in time");
            return std::nullopt;
        }
        char buffer[4096];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        answer.append(buffer, n);
    }
    QString error;
    std::optional<ControlReply> reply = ControlReply::fromJson(answer.left(answer.indexOf('\n') + 1), &error);
    if (!reply)
        m_error = QStringLiteral("the running Korvel's answer could not be read: ") + error;
    return reply;
}

}  // namespace korvel

#include "platform/SystemdNotify.h"

#include <QString>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace korvel::SystemdNotify {

bool send(const QByteArray& state)
{
    const QByteArray path = qgetenv("NOTIFY_SOCKET");
    sockaddr_un address{};
    if (path.isEmpty() || size_t(path.size()) >= sizeof(address.sun_path) || (path[0] != '/' && path[0] != '@'))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    // An abstract socket's name starts with a zero byte and is not terminated.
    if (path[0] == '@')
        address.sun_path[0] = '\0';
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(path.size()) + (path[0] == '/' ? 1 : 0));
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const ssize_t sent = sendto(fd, state.constData(), size_t(state.size()), MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&address), length);
    close(fd);
    return sent == state.size();
}

std::chrono::microseconds watchdogInterval()
{
    bool ok = false;
    const qint64 usec = qEnvironmentVariable("WATCHDOG_USEC").toLongLong(&ok);
    if (!ok || usec <= 0)
        return std::chrono::microseconds(0);
    const QString pid = qEnvironmentVariable("WATCHDOG_PID");
    if (!pid.isEmpty() && pid.toLongLong() != qint64(getpid()))
        return std::chrono::microseconds(0);
    return std::chrono::microseconds(usec);
}

}  // namespace korvel::SystemdNotify

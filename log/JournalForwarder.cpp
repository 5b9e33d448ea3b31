#include "log/JournalForwarder.h"

#include "log/JournalPriority.h"

#include <QtEndian>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>

namespace korvel {

namespace {

std::atomic<int>& enabledState()
{
    // -1: not decided yet; the environment decides at the first use.
    static std::atomic<int> state{-1};
    return state;
}

std::mutex& pathMutex()
{
    static std::mutex mutex;
    return mutex;
}

QByteArray& socketPath()
{
    static QByteArray path = JournalForwarder::defaultSocket;
    return path;
}

void appendField(QByteArray& out, const char* name, const QByteArray& value)
{
    out += name;
    if (!value.contains('\n')) {
        out += '=';
        out += value;
        out += '\n';
        return;
    }
    out += '\n';
    const quint64 size = qToLittleEndian(quint64(value.size()));
    out.append(reinterpret_cast<const char*>(&size), sizeof size);
    out += value;
    out += '\n';
}

}  // namespace

bool JournalForwarder::isEnabled()
{
    int state = enabledState().load();
    if (state < 0) {
        state = qEnvironmentVariable("KORVEL_JOURNAL").compare(QLatin1String("off"), Qt::CaseInsensitive) == 0 ? 0 : 1;
        enabledState().store(state);
    }
    return state == 1;
}

void JournalForwarder::setEnabled(bool enabled)
{
    enabledState().store(enabled ? 1 : 0);
}

void JournalForwarder::setSocketPath(const QString& path)
{
    std::lock_guard<std::mutex> lock(pathMutex());
    socketPath() = path.isEmpty() ? QByteArray(defaultSocket) : path.toLocal8Bit();
}

QByteArray JournalForwarder::datagram(const QString& category, const QString& message, int priority)
{
    QByteArray out;
    appendField(out, "PRIORITY", QByteArray::number(priority));
    appendField(out, "SYSLOG_IDENTIFIER", "korvel");
    appendField(out, "KORVEL_CATEGORY", category.toUtf8());
    appendField(out, "MESSAGE", message.toUtf8());
    return out;
}

bool JournalForwarder::send(const QString& category, const QString& message)
{
    if (!isEnabled())
        return false;
    const std::optional<int> priority = JournalPriority::of(category, message);
    if (!priority)
        return false;
    sockaddr_un address{};
    {
        std::lock_guard<std::mutex> lock(pathMutex());
        const QByteArray& path = socketPath();
        if (size_t(path.size()) >= sizeof(address.sun_path))
            return false;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    }
    address.sun_family = AF_UNIX;
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const QByteArray bytes = datagram(category, message, *priority);
    // Non-blocking: a journal that falls behind loses a line rather than stalling the kiosk.
    const ssize_t sent = sendto(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    close(fd);
    return sent == bytes.size();
}

}  // namespace korvel

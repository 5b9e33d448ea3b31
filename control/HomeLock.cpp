#include "control/HomeLock.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace korvel {

HomeLock::HomeLock(QString file)
    : m_file(std::move(file))
{
}

HomeLock::~HomeLock()
{
    unlock();
}

bool HomeLock::tryLock()
{
    if (m_locked)
        return true;
    if (m_fd < 0) {
        m_fd = ::open(QFile::encodeName(m_file).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0) {
            m_error = m_file + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
    }
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        m_error = errno == EWOULDBLOCK ? QStringLiteral("another process holds %1").arg(m_file)
                                       : m_file + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_locked = true;
    m_error.clear();
    return true;
}

void HomeLock::unlock()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_locked = false;
}

}  // namespace korvel

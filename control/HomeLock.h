#pragma once

#include <QString>

namespace korvel {

// The lock that makes one process the writer of a home's settings, password store and lock-out
// file: an flock on Paths::lockFile(). Korvel holds it for its whole run, korvelctl while it writes
// without a running Korvel. The kernel drops it with the process, however the process ends, and
// no program it starts inherits it.
class HomeLock {
public:
    explicit HomeLock(QString file);
    ~HomeLock();
    HomeLock(const HomeLock&) = delete;
    HomeLock& operator=(const HomeLock&) = delete;

    // Takes the lock without waiting; false when another process holds it (or the file cannot
    // be opened: errorString() says which).
    bool tryLock();
    bool isLocked() const { return m_locked; }
    void unlock();
    QString errorString() const { return m_error; }

private:
    QString m_file;
    QString m_error;
    int m_fd = -1;
    bool m_locked = false;
};

}  // namespace korvel

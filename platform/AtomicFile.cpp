#include "platform/AtomicFile.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvel {

namespace {

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A name beside `path` that nobody else uses: hidden, and never one of the names it stands for.
QString besideName(const QString& path, const char* kind)
{
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') + QLatin1String(kind) + QLatin1Char('-')
           + QString::number(QRandomGenerator::global()->generate64(), 36);
}

}  // namespace

void AtomicFile::ignoreFileSizeSignal()
{
    // The default action of SIGXFSZ ends the process, which would leave nothing to report the
    // failure with.
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

int AtomicFile::sweepLeftovers(const QString& directory, Sweep depth)
{
    // Exactly what besideName() makes: a hidden ".NAME.KIND-" and a 64-bit number in base 36.
    static const QRegularExpression leftover(QStringLiteral(R"(^\..+\.(tmp|previous)-[0-9a-z]{1,13}$)"));
    int removed = 0;
    QDirIterator it(directory, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks,
                    depth == Sweep::WithSubfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        if (leftover.match(it.fileName()).hasMatch() && ::unlink(encoded(it.filePath()).constData()) == 0)
            ++removed;
    }
    return removed;
}

AtomicFile::AtomicFile(QString path, FileAccess access)
    : m_path(std::move(path))
    , m_access(access)
{
    ignoreFileSizeSignal();
}

AtomicFile::~AtomicFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temporary.isEmpty() && !m_committed)
        ::unlink(encoded(m_temporary).constData());
}

bool AtomicFile::fail(const QString& what)
{
    if (m_error.isEmpty())
        m_error = m_path + QStringLiteral(": ") + what;
    return false;
}

bool AtomicFile::open()
{
    if (m_fd >= 0 || !m_error.isEmpty())
        return m_fd >= 0;
    // Secrets are private from their first byte; other files get what the umask gives, or the
    // mode the file being replaced had.
    const mode_t mode = m_access == FileAccess::OwnerOnly ? 0600 : 0666;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString candidate = besideName(m_path, "tmp");
        const int fd = ::open(encoded(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            m_fd = fd;
            m_temporary = candidate;
            break;
        }
        if (errno != EEXIST)
            return fail(reason(errno));
    }
    if (m_fd < 0)
        return fail(QStringLiteral("no temporary file could be made"));
    struct stat previous {};
    if (m_access == FileAccess::Default && ::stat(encoded(m_path).constData(), &previous) == 0 && ::fchmod(m_fd, previous.st_mode & 07777) != 0)
        return fail(reason(errno));
    return true;
}

bool AtomicFile::write(QByteArrayView bytes)
{
    if (m_fd < 0 || m_staged || !m_error.isEmpty())
        return fail(QStringLiteral("the file is not open for writing"));
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, p, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(reason(errno));
        }
        if (written == 0)
            return fail(QStringLiteral("nothing could be written"));
        p += written;
        left -= written;
    }
    return true;
}

bool AtomicFile::stage()
{
    if (m_staged)
        return true;
    if (m_fd < 0 && m_error.isEmpty() && m_temporary.isEmpty())
        open();
    if (m_fd < 0 || !m_error.isEmpty())
        return fail(QStringLiteral("the file is not open for writing"));
    const int fd = std::exchange(m_fd, -1);
    if (::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return fail(reason(error));
    }
    if (::close(fd) != 0)
        return fail(reason(errno));
    m_staged = true;
    return true;
}

bool AtomicFile::commit()
{
    if (m_committed)
        return true;
    if (!stage())
        return false;
    if (::rename(encoded(m_temporary).constData(), encoded(m_path).constData()) != 0)
        return fail(reason(errno));
    m_committed = true;
    if (!syncDirectory(QFileInfo(m_path).path()))
        return fail(reason(errno));
    return true;
}

bool AtomicFile::writeFile(const QString& path, QByteArrayView bytes, QString* error, FileAccess access)
{
    AtomicFile file(path, access);
    if (file.open() && file.write(bytes) && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

bool AtomicFile::syncDirectory(const QString& directory)
{
    const int fd = ::open(encoded(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Some file systems cannot sync a directory at all; the rename is as safe there as it gets.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

FileTransaction::~FileTransaction()
{
    qDeleteAll(m_files);
}

bool FileTransaction::add(std::unique_ptr<AtomicFile> file)
{
    if (!file || !file->m_staged || file->m_committed)
        return false;
    m_files.append(file.release());
    return true;
}

bool FileTransaction::commit(QString* error)
{
    // The present contents of every target are kept under a second name (a hard link: no copy),
    // so that a rename that fails can be undone for the files renamed before it.
    QList<QString> previous(m_files.size());
    const auto dropBackups = [&] {
        for (const QString& backup : std::as_const(previous)) {
            if (!backup.isEmpty())
                ::unlink(encoded(backup).constData());
        }
    };
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        const QString& target = m_files.at(i)->m_path;
        if (!QFileInfo::exists(target))
            continue;
        const QString backup = besideName(target, "previous");
        if (::link(encoded(target).constData(), encoded(backup).constData()) != 0) {
            const QString why = target + QStringLiteral(": ") + reason(errno);
            dropBackups();
            if (error)
                *error = why;
            return false;
        }
        previous[i] = backup;
    }
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        AtomicFile* file = m_files.at(i);
        if (::rename(encoded(file->m_temporary).constData(), encoded(file->m_path).constData()) == 0) {
            file->m_committed = true;
            continue;
        }
        const QString why = file->m_path + QStringLiteral(": ") + reason(errno);
        for (qsizetype j = i - 1; j >= 0; --j) {
            const QByteArray target = encoded(m_files.at(j)->m_path);
            if (previous.at(j).isEmpty())
                ::unlink(target.constData());
            else if (::rename(encoded(previous.at(j)).constData(), target.constData()) == 0)
                previous[j].clear();
        }
        dropBackups();
        if (error)
            *error = why;
        return false;
    }
    dropBackups();
    QSet<QString> directories;
    for (const AtomicFile* file : std::as_const(m_files))
        directories.insert(QFileInfo(file->m_path).path());
    for (const QString& directory : std::as_const(directories)) {
        if (!AtomicFile::syncDirectory(directory)) {
            if (error)
                *error = directory + QStringLiteral(": ") + reason(errno);
            return false;
        }
    }
    return true;
}

}  // namespace korvel

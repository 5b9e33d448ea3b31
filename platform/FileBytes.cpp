#include "platform/FileBytes.h"

#include <QFile>

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace korvel {

namespace {

qsizetype pageSize()
{
    static const qsizetype size = qsizetype(sysconf(_SC_PAGESIZE));
    return size;
}

}  // namespace

std::optional<FileBytes> FileBytes::read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    const qsizetype size = file.size();
    // One page at least, so that an empty file still has an address.
    const qsizetype capacity = std::max(pageSize(), (size + pageSize() - 1) / pageSize() * pageSize());
    void* memory = mmap(nullptr, size_t(capacity), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    FileBytes result(static_cast<char*>(memory), 0, capacity);
    // A file that shrinks meanwhile yields what it still has; one that grows, what it had.
    while (result.m_size < size) {
        const qint64 got = file.read(result.m_data + result.m_size, size - result.m_size);
        if (got < 0) {
            *error = file.errorString();
            return std::nullopt;
        }
        if (got == 0)
            break;
        result.m_size += got;
    }
    return result;
}

std::optional<FileBytes> FileBytes::map(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    const qsizetype size = file.size();
    if (size == 0)
        return FileBytes(nullptr, 0, 0);
    void* memory = mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE, file.handle(), 0);
    if (memory == MAP_FAILED) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    // Read front to back and given back behind the reader: only a window of it is ever resident.
    madvise(memory, size_t(size), MADV_SEQUENTIAL);
    return FileBytes(static_cast<char*>(memory), size, size);
}

FileBytes::FileBytes(char* data, qsizetype size, qsizetype capacity)
    : m_data(data)
    , m_size(size)
    , m_capacity(capacity)
{
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_size(std::exchange(other.m_size, 0))
    , m_capacity(std::exchange(other.m_capacity, 0))
    , m_released(std::exchange(other.m_released, 0))
{
}

FileBytes::~FileBytes()
{
    if (m_data)
        munmap(m_data, size_t(m_capacity));
}

QByteArray FileBytes::bytes() const
{
    return QByteArray::fromRawData(m_data, m_size);
}

void FileBytes::release(const char* upTo)
{
    const qsizetype offset = std::clamp<qsizetype>(upTo - m_data, 0, m_size);
    const qsizetype end = offset / pageSize() * pageSize();
    if (end <= m_released)
        return;
    madvise(m_data + m_released, size_t(end - m_released), MADV_DONTNEED);
    m_released = end;
}

}  // namespace korvel

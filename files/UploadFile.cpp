#include "files/UploadFile.h"

#include "log/KVLogger.h"

#include <fcntl.h>

namespace korvel {

namespace {

// Dirty pages are handed to the disk in steps of this size, so the final sync of commit() finds
// little left to write and a large upload does not pile up unwritten pages.
constexpr qint64 writebackStep = qint64(8) << 20;

}  // namespace

UploadFile::UploadFile(const QString& target, DocumentOrigins origins, DocumentOrigin origin)
    : m_file(target)
    , m_origins(std::move(origins))
    , m_origin(origin)
{
}

bool UploadFile::open()
{
    m_pending.reserve(pieceSize);
    return m_file.open(QIODevice::WriteOnly);
}

bool UploadFile::write(const char* data, qint64 length)
{
    if (m_failed)
        return false;
    if (m_pending.isEmpty() && length >= directSize)
        return writeThrough(data, length);
    m_pending.append(data, length);
    return m_pending.size() < pieceSize || writePending();
}

bool UploadFile::writePending()
{
    const bool written = m_pending.isEmpty() || writeThrough(m_pending.constData(), m_pending.size());
    m_pending.clear();
    return written;
}

bool UploadFile::writeThrough(const char* data, qint64 length)
{
    if (m_file.write(data, length) != length) {
        m_failed = true;
        m_file.cancelWriting();
        return false;
    }
    appended(length);
    return true;
}

int UploadFile::appendingDescriptor()
{
    if (m_failed || !writePending())
        return -1;
    if (!m_file.flush()) {
        m_failed = true;
        m_file.cancelWriting();
        return -1;
    }
    return m_file.handle();
}

void UploadFile::appended(qint64 length)
{
    m_written += length;
    if (m_written - m_handedToDisk >= writebackStep)
        handToDisk();
}

void UploadFile::handToDisk()
{
    // Starts the write-back without waiting for it; commit() still syncs the whole file.
    sync_file_range(m_file.handle(), m_handedToDisk, m_written - m_handedToDisk, SYNC_FILE_RANGE_WRITE);
    m_handedToDisk = m_written;
}

bool UploadFile::commit()
{
    if (m_failed || !writePending() || !m_file.commit())
        return false;
    QString notRecorded;
    if (!m_origins.record(m_file.fileName(), m_origin, &notRecorded)) {
        if (KVLogger* logger = KVLogger::sharedLogger())
            logger->kvBridgeLog(QStringLiteral("KVServerConnection"), QStringLiteral("Origin of an upload not recorded: ") + notRecorded);
    }
    return true;
}

}  // namespace korvel

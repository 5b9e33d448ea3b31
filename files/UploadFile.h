#pragma once

#include "platform/DocumentOrigins.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace korvel {

// One file arriving over the network: written in large pieces into a temporary file beside its
// target, handed to the disk while it grows, and put in place only by commit(). Destroyed without
// a commit, it leaves nothing behind. Once in place it is recorded as coming from `origin`.
class UploadFile {
public:
    // Writes are gathered up to this size; pieces of directSize or more go straight through.
    static constexpr qsizetype pieceSize = qsizetype(1) << 20;
    static constexpr qsizetype directSize = qsizetype(64) << 10;

    UploadFile(const QString& target, DocumentOrigins origins, DocumentOrigin origin);
    UploadFile(const UploadFile&) = delete;
    UploadFile& operator=(const UploadFile&) = delete;

    // Makes the temporary file; false (see errorString) when it cannot be made.
    bool open();
    // False once a write has failed; the file is then dropped and later writes are ignored.
    bool write(const char* data, qint64 length);
    // The descriptor to append to directly, at its end (what write() took before is flushed to it
    // first), or -1 once the file failed; appended() must hear of every byte added there.
    int appendingDescriptor();
    void appended(qint64 length);
    // Puts the file in place and records its origin; false when anything failed, leaving the target
    // as it was. A file in place whose origin could not be recorded is kept (it reads as of unknown
    // origin) and the failure is logged.
    bool commit();
    QString errorString() const { return m_file.errorString(); }

private:
    bool writeThrough(const char* data, qint64 length);
    bool writePending();
    void handToDisk();

    QSaveFile m_file;
    DocumentOrigins m_origins;
    DocumentOrigin m_origin;
    QByteArray m_pending;
    qint64 m_written = 0;
    qint64 m_handedToDisk = 0;
    bool m_failed = false;
};

}  // namespace korvel

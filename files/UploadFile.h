#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace korvel {

// One file arriving over the network: written in large pieces into a temporary file beside its
// target, handed to the disk while it grows, and put in place only by commit(). Destroyed without
// a commit, it leaves nothing behind.
class UploadFile {
public:
    // Writes are gathered up to this size; pieces of directSize or more go straight through.
    static constexpr qsizetype pieceSize = qsizetype(1) << 20;
    static constexpr qsizetype directSize = qsizetype(64) << 10;

    explicit UploadFile(const QString& target);
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
    // Puts the file in place; false when anything failed, leaving the target as it was.
    bool commit();
    QString errorString() const { return m_file.errorString(); }

private:
    bool writeThrough(const char* data, qint64 length);
    bool writePending();
    void handToDisk();

    QSaveFile m_file;
    QByteArray m_pending;
    qint64 m_written = 0;
    qint64 m_handedToDisk = 0;
    bool m_failed = false;
};

}  // namespace korvel

#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <memory>

namespace korvel {

enum class FileAccess {
    Default,    // as the umask allows; an existing file keeps its mode
    OwnerOnly,  // mode 0600, for secrets
};

// The one way Korvel writes a file: into a temporary file beside the target, every write checked,
// the file synced, renamed over the target, the directory synced. A reader sees the old file or
// the whole new one whatever happens meanwhile (a kill, a power cut, a full disk, a file-size
// limit), and a failure always reaches the caller with its reason. SIGXFSZ is ignored by the
// process from the first use on, so a file-size limit fails a write (EFBIG) instead of ending it.
class AtomicFile {
public:
    explicit AtomicFile(QString path, FileAccess access = FileAccess::Default);
    // Whatever was not committed is removed; the target stays as it was.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file. False, with the reason in errorString(), when it cannot.
    bool open();
    // Writes all of `bytes`; false on the first failure, after which nothing more is written.
    bool write(QByteArrayView bytes);
    // Syncs and closes the temporary file, keeping it for commit() (or a FileTransaction).
    bool stage();
    // stage() if not yet done, then renames over the target and syncs the directory.
    bool commit();

    QString path() const { return m_path; }
    QString temporaryPath() const { return m_temporary; }
    // "<path>: <reason>" of the first failure; empty while there is none.
    QString errorString() const { return m_error; }

    // The whole write in one call: `bytes` become `path`. False with the reason in `error`.
    static bool writeFile(const QString& path, QByteArrayView bytes, QString* error = nullptr,
                          FileAccess access = FileAccess::Default);
    // Syncs a directory, so that a rename in it survives a power cut. False with errno kept.
    static bool syncDirectory(const QString& directory);
    // Makes a file-size limit fail writes (EFBIG) instead of ending the process; done by the first
    // AtomicFile, and by the programs' mains before anything else writes (the event log).
    static void ignoreFileSizeSignal();
    // Removes, in `directory` (and its subfolders when asked), the temporary files and backups
    // that writes interrupted by a kill or a power cut left behind; only their own names are
    // touched. Call it only while holding the home's lock, so that no write is under way.
    // Returns how many went.
    enum class Sweep { ThisFolder, WithSubfolders };
    static int sweepLeftovers(const QString& directory, Sweep depth);

private:
    friend class FileTransaction;
    bool fail(const QString& what);

    QString m_path;
    FileAccess m_access;
    QString m_temporary;
    QString m_error;
    int m_fd = -1;
    bool m_staged = false;
    bool m_committed = false;
};

// Several files replaced together: every file is staged first (written and synced beside its
// target); commit() then renames them in order. When a rename fails, the files already renamed
// get their previous contents back, so a failure leaves every target as it was. A crash in the
// middle of the renames leaves each file whole, old or new; the last file is the commit point.
class FileTransaction {
public:
    FileTransaction() = default;
    ~FileTransaction();
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;

    // Takes a staged file; false (keeping the transaction as it was) when it is not staged.
    bool add(std::unique_ptr<AtomicFile> file);
    bool isEmpty() const { return m_files.isEmpty(); }
    // False with the reason in `error` when any rename failed; every target is then as before.
    bool commit(QString* error = nullptr);

private:
    QList<AtomicFile*> m_files;
};

}  // namespace korvel

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>
#include <vector>

namespace korvel {

class AtomicFile;
class FileTransaction;

// The files a settings document carries under "Files", restored in two steps so that an import can
// be all or nothing: each accepted entry is written to a temporary file beside its target, and only
// commit() (or the import's FileTransaction) renames them over their targets. Names are checked as every name from outside is: no
// absolute path, no "..", no control character, none of the program's own files, nothing that
// resolves (through symbolic links) outside the documents directory. Main thread only.
class EmbeddedFiles {
public:
    enum class OnFailure {
        GoOn,  // restore what can be restored (the managed configuration, korvelctl's file hook)
        Stop,  // the first entry that cannot be written ends staging (an import that must not half-apply)
    };

    explicit EmbeddedFiles(QString documentsDirectory);
    // Whatever was staged and not committed is removed.
    ~EmbeddedFiles();
    EmbeddedFiles(const EmbeddedFiles&) = delete;
    EmbeddedFiles& operator=(const EmbeddedFiles&) = delete;

    // Stages the entries of `document`'s "Files", in order, logging as the restore does. Returns
    // false when an accepted entry could not be written (with OnFailure::Stop nothing after it is
    // tried). Refused names are logged and skipped; refusedAny() tells of them.
    bool stage(const QVariantMap& document, OnFailure onFailure);
    bool refusedAny() const { return m_refused; }
    // Renames every staged file over its target and logs each. Returns false when one could not
    // be renamed; the others are still renamed.
    bool commit();
    // Hands every staged file to `transaction`, which renames them with the rest of an import;
    // returns their targets, for logWritten() once the transaction is through.
    QStringList moveInto(FileTransaction& transaction);
    static void logWritten(const QStringList& targets);
    // Removes every staged file; the targets stay as they were.
    void discard();

private:
    bool stageEntry(const QString& name, const QString& fileData);

    QString m_documents;
    std::vector<std::unique_ptr<AtomicFile>> m_staged;
    bool m_refused = false;
};

}  // namespace korvel

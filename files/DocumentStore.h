#pragma once

#include "platform/DocumentName.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace korvel {

// What may reach the documents directory from outside (the upload server, korvelctl): the checks on
// a name, the file list, deletion. Plain file-system code, safe to use from any thread.
class DocumentStore {
public:
    // The checks themselves live in platform/DocumentName, where the settings documents use them too.
    using Refusal = DocumentName::Refusal;
    // A short English reason for the log.
    static QString refusalText(Refusal refusal) { return DocumentName::refusalText(refusal); }

    explicit DocumentStore(QString documentsDirectory);

    const QString& directory() const { return m_directory; }

    // The absolute path of `relative` (a "/"-separated path below the documents directory), or the
    // reason it is refused. A path that does not exist yet is checked as written. With
    // LastLink::Follow a symbolic link as the last component is resolved (writing goes to its target,
    // which must lie inside too); with LastLink::Keep the link itself is named (deleting removes the
    // link, never its target).
    enum class LastLink { Follow, Keep };
    struct Checked {
        QString path;
        std::optional<Refusal> refusal;
    };
    Checked checkedPath(const QString& relative, LastLink lastLink) const;
    // The refusal of a name as written, before the file system is asked; nullopt when it may go on.
    static std::optional<Refusal> nameRefusal(const QString& relative) { return DocumentName::nameRefusal(relative); }

    // Where an uploaded part goes: its file name's last component, below the file name's directory
    // part for a part named "addfolder" (that directory is made), else directly in the documents
    // directory. The directory is only made once the whole target has passed the checks.
    Checked uploadTarget(const QString& partName, const QString& fileName) const;
    // The name, relative to the directory, that an uploaded part is stored under (before checks).
    static QString uploadName(const QString& partName, const QString& fileName);

    // The program's own files, by file name, which are never listed, replaced or deleted from outside.
    static bool isSystemFile(const QString& fileName) { return DocumentName::isSystemFile(fileName); }

    // Files that hold the administrator password or the log: settings documents (".plist", in any
    // case), the text export for Pellmor, copies of the log ("KV_LOG_..."), and `settingsNames`,
    // the names (relative to the directory) the automatic and the file import read. The network
    // reaches them only with the access code.
    static bool holdsSecret(const QString& relative, const QStringList& settingsNames = {});

    // The files that may be listed, relative to the directory, sorted without regard to case; the
    // program's own files, names without an extension and symbolic links are left out.
    QStringList names() const;
    // The file list: "[{'name':'a.png', 'id':0},{'name':'sub/b\'c.pdf', 'id':1}]", sorted without
    // regard to case; the program's own files and names without an extension are left out.
    QString fileList() const { return fileList(names()); }
    // The same text for `names`, in their order.
    static QString fileList(const QStringList& names);

    // Removes one file named relative to the documents directory. Returns the refusal, or the file
    // system's error text in `error` when removal failed; nullopt and an empty error on success.
    struct Removal {
        bool removed = false;
        std::optional<Refusal> refusal;
        QString error;
        bool missing = false;
    };
    Removal remove(const QString& relative) const;
    // Deletes a file by its exact name as a request names it (percent-decoding is the caller's):
    // the outcome the server replies with and logs, "No File", "file Delete Success" or
    // "file Delete Failed " and the reason. `refused` tells a name refused by the checks, `missing`
    // a file that is not there.
    struct Deletion {
        QString outcome;
        bool refused = false;
        bool missing = false;
    };
    Deletion deleteNamed(const QString& name) const;

private:
    QString m_directory;
};

}  // namespace korvel

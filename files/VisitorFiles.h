#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace korvel {

// The files of the documents directory that visitors produced (their downloads and printouts). A
// page's file input is offered those of the visit under way only: what a previous visitor left is
// not the next one's to send anywhere. The record is kept in a file of its own, so a restart (which
// ends every visit) does not hand the files over either.
class VisitorFiles {
public:
    // The record kept in `file`, as a start of Korvel reads it: every file in it is a previous
    // visitor's.
    explicit VisitorFiles(QString file);
    // The record of the home in use (its file beside the settings).
    static VisitorFiles& shared();
    static QString recordFile();

    // Notes `path` as produced by the visit under way. False, with the reason logged, when the
    // record could not be written (the file is then withheld from the next visit all the same
    // while Korvel runs).
    bool record(const QString& path);
    // The visit's files become a previous visitor's.
    void endVisit();
    // Whether a page may not be offered `path` (a resolved path): a previous visitor produced it,
    // or the record cannot be read, in which case every file is withheld.
    bool withheld(const QString& path) const;

private:
    void load();
    bool save(QString* error) const;

    QString m_file;
    QSet<QString> m_produced;  // every visitor's files still in the documents directory
    QSet<QString> m_thisVisit;
    bool m_unreadable = false;
};

}  // namespace korvel

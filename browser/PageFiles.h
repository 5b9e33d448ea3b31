#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace korvel {

// How many files a page's file input takes.
enum class FileSelection { Single, Multiple };

// What a page's file input asks for: one file or several, and the kinds its accept list names
// (".pdf", "image/*", "image/png"); an empty list takes every kind.
struct PageFileRequest {
    FileSelection selection = FileSelection::Single;
    QStringList accepted;
    // Files (resolved paths) no page may receive now, although they are in the documents directory.
    std::function<bool(const QString& path)> withheld;
};

// Which files of the documents directory a page's file input may receive.
namespace PageFiles {

// Whether a file named `name` is of a kind in `accepted`: an extension matched on the end of the
// name ignoring case, a MIME type or a "type/*" family matched on the type the name's extension
// gives. True for an empty list; false when no entry matches.
bool accepts(const QString& name, const QStringList& accepted);

// The files of `chosen` that the page receives: each resolved (symbolic links included) and
// strictly inside `documents`, an existing regular file, of an accepted kind, not withheld; at most the first
// unless the page asked for several. The resolved paths, in the order chosen; empty when none.
QStringList forPage(const QStringList& chosen, const QString& documents, const PageFileRequest& request);

}  // namespace PageFiles

}  // namespace korvel

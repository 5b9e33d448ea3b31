#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "downloads list" prints the download history, oldest first; "downloads clear" empties it (the
// downloaded files stay in the documents directory; "files delete" removes them).
// Returns the exit status: 0 done, 1 the settings could not be written, 2 bad usage.
int runDownloadsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

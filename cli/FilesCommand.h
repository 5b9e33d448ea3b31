#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "files list", "files put FILE [--folder DIR]" and "files delete NAME": the documents directory
// as the upload server shows and changes it, with the server's own checks and messages.
// Returns the exit status: 0 done, 1 the file could not be written or removed, 2 bad usage or a
// refused name.
int runFilesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "blocked list | add | update | remove": the blocked websites, edited through the same operations as
// the blocked-website editor. Returns the exit status: 0 done, 1 the settings could not be saved,
// 2 bad usage or a refused edit (nothing is written then).
int runBlockedCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "log [--category NAME]... [--desc] [--search TEXT]" prints the event log as the log viewer shows
// it; "log clear" empties it. Returns the exit status: 0 done, 1 the log could not be cleared,
// 2 bad usage.
int runLogCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

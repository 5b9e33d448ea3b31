#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "advanced show | set": allow all websites and keyword content blocking, with the advanced-settings
// screen's rules. Returns the exit status: 0 done, 1 the settings could not be saved, 2 bad usage or
// a setting the screen would not let the administrator leave (nothing is written then).
int runAdvancedCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

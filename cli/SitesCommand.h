#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "sites list | add | update | remove": the allowed websites, edited through the same operations as
// the website editor. Returns the exit status: 0 done, 1 the settings could not be saved, 2 bad usage
// or a refused edit (nothing is written then).
int runSitesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

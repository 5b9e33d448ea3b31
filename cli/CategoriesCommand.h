#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "categories list | add | rename | remove": the folders of allowed websites, edited through the same
// operations as the category editor. Returns the exit status: 0 done, 1 the settings could not be
// saved, 2 bad usage or a refused edit (nothing is written then).
int runCategoriesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

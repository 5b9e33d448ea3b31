#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "icons reset": puts the home screen's icons back into their default arrangement. Returns the exit
// status: 0 done, 1 the settings could not be saved, 2 bad usage.
int runIconsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "pref get KEY", "pref set KEY VALUE", "pref list" over the shared settings container.
// Returns the exit status: 0 done, 1 the settings could not be saved, 2 bad usage, key or value
// (nothing is written then).
int runPrefCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "selftest [--json]" asks the Korvel running on the home for its lockdown report, or starts one
// without a display for the time of the test when none runs. Prints the table (or the JSON
// object) and returns 0 when every probe passed, 1 on warnings, 2 on failures or bad usage.
int runSelftestCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

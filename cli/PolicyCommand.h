#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "policy check [--tabbed] [--type link|other] [--new-window] URL": the browser's decision for a
// fresh window, printed as the verdict and one line per effect. Nothing is written to the log.
// Returns the exit status: 0 decided, 2 bad usage.
int runPolicyCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

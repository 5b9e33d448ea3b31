#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "learn start|stop|show|apply [--yes]": learn mode and what it recorded. Returns the exit status.
int runLearnCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

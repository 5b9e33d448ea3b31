#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "settings history" and "settings rollback [N]": the last settings applied to the kiosk and the
// way back to one of them. Returns the exit status of the command set.
int runSettingsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

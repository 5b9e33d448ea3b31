#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "power status [--at "YYYY-MM-DD HH:MM"]" prints what the power-saver schedule decides now (or at
// the given local time) and when it next changes, with the same decision the kiosk uses. Returns
// 0, or 2 for bad usage.
int runPowerCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

#pragma once

#include <QString>

#include <functional>

namespace korvel {

// Ends Korvel so that the service manager starts it afresh (the kiosk units restart it whatever
// its exit): the last way out of a state the kiosk could not mend by itself.
namespace KioskRestart {

// EX_TEMPFAIL: an end that asks to be started again, told apart from a crash in the journal.
constexpr int exitCode = 75;

// Logs `reason` and leaves the main loop with exitCode (once it is back in the loop).
void request(const QString& reason);
// Tests replace the exit; nullptr puts it back.
void setHandler(std::function<void(const QString& reason)> handler);

}  // namespace KioskRestart

}  // namespace korvel

#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "remote token" makes this kiosk's remote control token (printed once, as the last line; only
// its hash is kept); "remote fingerprint" prints the certificate fingerprint the API presents;
// "remote --url URL --token-file FILE [--fingerprint FP | --insecure] COMMAND ..." sends a command
// to another kiosk's API. Returns an ExitStatus.
int runRemoteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

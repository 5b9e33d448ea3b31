#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "keys new NAME [--dir DIR]" and "sign FILE --key NAME.key": the signing keys of a fleet and the
// signatures of its settings documents. Neither touches a Korvel home: they run where the
// administrator keeps the secret key, not on the kiosks. Returns the exit status: 0 done, 1 a file
// could not be written, 2 bad usage or input.
int runKeysCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runSignCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

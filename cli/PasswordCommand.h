#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "password set" stores a new administrator password, "password check" tells whether a password is
// the stored one. The password is read from standard input (asked for, without echo, on a
// terminal), never from the command line, where every user's ps would show it.
// Returns the exit status: set: 0 done, 1 not saved, 2 bad usage or refused (empty, or the two
// entries differ); check: 0 right, 1 wrong or none set, 2 bad usage, 3 the store is damaged.
int runPasswordCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

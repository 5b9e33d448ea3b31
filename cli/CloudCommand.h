#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "cloud export [--id ID] [--service URL]", "cloud import ID [--service URL]" and "cloud history":
// the cloud screens' exchanges and history, with their messages. Returns the exit status: 0 done,
// 2 bad usage, refused or failed (the reason on `err`).
int runCloudCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel

#pragma once

#include <QLoggingCategory>

namespace korvel {

// What the program tells whoever runs it (the terminal, or the journal through the service's
// stderr), as "korvel: ...". Library code writes here, never to stderr itself, so that a test or an
// embedding program can quiet or catch it with Qt's logging rules. The event log is elsewhere
// (log/KVLog.h): this is for the person at the console.
Q_DECLARE_LOGGING_CATEGORY(console)

}  // namespace korvel

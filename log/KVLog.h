#pragma once

#include "log/KVLogger.h"
#include "platform/FormatString.h"

namespace korvel {

// Records an event in the log: `format` takes the printf-style directives of formatString(). Before
// the log is opened the call does nothing (not even the formatting).
template <typename... Arguments>
void KVLog(const QString& category, const QString& format, const Arguments&... arguments)
{
    if (KVLogger* logger = KVLogger::sharedLogger())
        logger->insertUpdateRow(formatString(format, arguments...), category);
}

}  // namespace korvel

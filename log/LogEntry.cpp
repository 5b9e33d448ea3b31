#include "log/LogEntry.h"

#include "platform/FormatString.h"

#include <QDateTime>

namespace korvel {

QString LogEntry::displayLine() const
{
    const QDateTime stamp = QDateTime::fromString(date, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // A date written by something else is shown as it is stored rather than lost.
    const QString day = stamp.isValid() ? stamp.toString(QStringLiteral("yyyy-MM-dd")) : date;
    const QString time = stamp.isValid() ? stamp.toString(QStringLiteral("HH:mm:ss")) : QString();
    return formatString(QStringLiteral("%@ %@: %@: %@"), day, time, category, event);
}

}  // namespace korvel

#include "log/LogEntry.h"

#include "platform/FormatString.h"

#include <QDateTime>

namespace korvel {

QString LogEntry::displayLine() const
{
    // The log's own stamps are already in the shown form; parsing five thousand of them would
    // make the viewer's search lag.
    if (date.size() == 19 && date.at(10) == QLatin1Char(' ') && date.at(4) == QLatin1Char('-') && date.at(13) == QLatin1Char(':'))
        return formatString(QStringLiteral("%@ %@: %@: %@"), date.left(10), date.mid(11), category, event);
    const QDateTime stamp = QDateTime::fromString(date, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // A date written by something else is shown as it is stored rather than lost.
    const QString day = stamp.isValid() ? stamp.toString(QStringLiteral("yyyy-MM-dd")) : date;
    const QString time = stamp.isValid() ? stamp.toString(QStringLiteral("HH:mm:ss")) : QString();
    return formatString(QStringLiteral("%@ %@: %@: %@"), day, time, category, event);
}

}  // namespace korvel

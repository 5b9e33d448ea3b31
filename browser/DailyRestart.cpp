#include "browser/DailyRestart.h"

#include "browser/IdleMoment.h"

#include <QRegularExpression>

namespace korvel {

std::optional<QTime> DailyRestart::parse(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([01][0-9]|2[0-3]):([0-5][0-9])$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return QTime(m.captured(1).toInt(), m.captured(2).toInt());
}

QDateTime DailyRestart::nextAfter(const QTime& at, const QDateTime& started)
{
    QDateTime next(started.date(), at, started.timeSpec());
    if (next <= started)
        next = QDateTime(started.date().addDays(1), at, started.timeSpec());
    return next;
}

DailyRestart::Action DailyRestart::decide(const std::optional<QTime>& at, const QDateTime& started, const QDateTime& now,
                                          const QDateTime& lastInput, std::chrono::seconds quiet)
{
    if (!at || now < nextAfter(*at, started))
        return Action::Wait;
    return IdleMoment::reached(lastInput, now, quiet) ? Action::Restart : Action::Wait;
}

}  // namespace korvel

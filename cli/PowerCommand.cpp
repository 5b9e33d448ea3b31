#include "cli/PowerCommand.h"

#include "browser/PowerSaverSchedule.h"
#include "cli/CommandOptions.h"
#include "control/ControlCommand.h"
#include "platform/Clock.h"
#include "settings/KVSettings.h"

#include <QTextStream>

namespace korvel {

namespace {

const char* const usage = "korvelctl: usage: power status [--at \"YYYY-MM-DD HH:MM\"]; see korvelctl --help\n";

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QString moment(const QDateTime& time)
{
    return PowerSaverSchedule::dayKey(time.date()) + QLatin1Char(' ') + time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

}  // namespace

int runPowerCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.value(0) != QLatin1String("status")) {
        err << usage;
        return ExitStatus::Refused;
    }
    const std::optional<CommandOptions> options =
        CommandOptions::parse(arguments.mid(1), {{"--at", CommandOptions::Kind::Value}}, err);
    if (!options)
        return ExitStatus::Refused;
    if (!options->positional().isEmpty()) {
        err << usage;
        return ExitStatus::Refused;
    }
    QDateTime now = Clock::instance().now();
    if (const std::optional<QString> at = options->value("--at")) {
        now = QDateTime::fromString(*at, QStringLiteral("yyyy-MM-dd HH:mm"));
        if (!now.isValid()) {
            err << "korvelctl: --at takes a local time as \"YYYY-MM-DD HH:MM\"\n";
            return ExitStatus::Refused;
        }
    }
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    const PowerSaverDecision decision = PowerSaverSchedule::decide(p, now);
    out << "time: " << moment(now) << '\n';
    out << "always save power on idle: " << onOff(p.alwaysSavePower) << '\n';
    out << "schedule: " << onOff(p.enableScheduleSuspend);
    if (p.enableScheduleSuspend) {
        QStringList days;
        for (const char* day : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}) {
            if (p.daysSelected && p.daysSelected->value(QString::fromLatin1(day)).toBool())
                days << QString::fromLatin1(day);
        }
        out << ", " << p.startTime.toString(QStringLiteral("HH:mm")) << " to " << p.endTime.toString(QStringLiteral("HH:mm")) << ", "
            << (days.isEmpty() ? QStringLiteral("no day") : days.join(QLatin1Char(',')));
    }
    out << '\n';
    // What the schedule makes of an idle screen right now.
    out << "schedule says: power saving " << onOff(decision.on) << '\n';
    if (decision.nextCheck)
        out << "next change: " << moment(now.addSecs(decision.nextCheck->count())) << " (in " << decision.nextCheck->count() << " s)\n";
    else
        out << "next change: none before the next midnight or clock change\n";
    out << "prevent suspend: " << onOff(p.preventSuspend) << '\n';
    return ExitStatus::Done;
}

}  // namespace korvel

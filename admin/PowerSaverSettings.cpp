#include "admin/PowerSaverSettings.h"

#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

void PowerSaverSettings::setAlwaysSavePower(KVBrowserPrefSettings& p, bool on)
{
    p.alwaysSavePower = on;
    if (on)
        p.enableScheduleSuspend = false;
}

void PowerSaverSettings::setScheduleSuspend(KVBrowserPrefSettings& p, bool on)
{
    p.enableScheduleSuspend = on;
    if (on)
        p.alwaysSavePower = false;
}

QTime PowerSaverSettings::timeOfStep(int step)
{
    const int bounded = qBound(0, step, 95);
    return QTime(bounded / 4, (bounded % 4) * 15);
}

int PowerSaverSettings::stepOfTime(const QTime& time)
{
    if (!time.isValid())
        return 0;
    return time.hour() * 4 + time.minute() / 15;
}

QString PowerSaverSettings::timeText(const QTime& time)
{
    return time.isValid() ? time.toString(QStringLiteral("HH:mm")) : QStringLiteral("--:--");
}

}  // namespace korvel

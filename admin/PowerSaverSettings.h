#pragma once

#include <QString>
#include <QTime>

namespace korvel {

class KVBrowserPrefSettings;

// The choices of the power-saver settings screen, as plain rules.
namespace PowerSaverSettings {

// "AlwaysSavePower" and "EnableSchedulePowerSaver" exclude each other: turning one on turns the
// other off.
void setAlwaysSavePower(KVBrowserPrefSettings& p, bool on);
void setScheduleSuspend(KVBrowserPrefSettings& p, bool on);
// The time of a step of the start and end rows: steps of a quarter of an hour from midnight (0 to 95).
QTime timeOfStep(int step);
int stepOfTime(const QTime& time);
// How a time of the schedule is shown: "22:00" (no locale).
QString timeText(const QTime& time);

}  // namespace PowerSaverSettings

}  // namespace korvel

#include "browser/ui/DailyRestartPerformer.h"

#include "browser/DailyRestart.h"
#include "browser/IdleMoment.h"
#include "browser/KioskRestart.h"
#include "log/KVLog.h"
#include "platform/FormatString.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "settings/KVSettings.h"

namespace korvel {

DailyRestartPerformer::DailyRestartPerformer(QObject* parent)
    : QObject(parent)
    , m_timer(this)
    , m_started(Clock::instance().now())
{
    NotificationCenter::defaultCenter().addObserver(this, kEventHasOccurredNotification,
                                                    [this](const Notification&) { m_lastInput = Clock::instance().now(); });
    connect(&m_timer, &Timer::timeout, this, &DailyRestartPerformer::check);
    m_timer.start(std::chrono::seconds(30));
}

void DailyRestartPerformer::check()
{
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    const std::optional<QTime> at = DailyRestart::parse(p.restartDailyAt);
    if (!at && !p.restartDailyAt.isEmpty() && p.restartDailyAt != m_refusedSetting) {
        m_refusedSetting = p.restartDailyAt;
        KVLog(QStringLiteral("App General"), QStringLiteral("RestartDailyAt \"%@\" is no time of day (HH:MM); no daily restart"), p.restartDailyAt);
    }
    const QDateTime now = Clock::instance().now();
    if (DailyRestart::decide(at, m_started, now, m_lastInput, IdleMoment::quiet(p.idleTimeout)) == DailyRestart::Action::Restart) {
        m_timer.stop();
        KioskRestart::request(formatString(QStringLiteral("daily restart at %@"), p.restartDailyAt));
    }
}

}  // namespace korvel

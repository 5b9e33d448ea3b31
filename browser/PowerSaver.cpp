#include "browser/PowerSaver.h"

#include "browser/PowerSaverSchedule.h"
#include "log/KVLog.h"
#include "platform/Device.h"
#include "settings/KVSettings.h"

namespace korvel {

namespace {

PowerSaver* installed = nullptr;

}  // namespace

PowerSaver::PowerSaver(QObject* parent)
    : QObject(parent)
{
    connect(&m_check, &Timer::timeout, this, &PowerSaver::powerSaverModeSwitch);
    installed = this;
}

PowerSaver::~PowerSaver()
{
    if (installed == this)
        installed = nullptr;
}

PowerSaver* PowerSaver::current()
{
    return installed;
}

void PowerSaver::setOn(bool on)
{
    const bool changed = m_on != on;
    m_on = on;
    if (changed)
        Q_EMIT powerSaveChanged(on);
}

void PowerSaver::powerStateOn()
{
    // Without a backlight Korvel may set, the screen is darkened by an overlay instead.
    const bool backlight = Device::current().setScreenBrightness(0.0);
    if (!backlight && m_dimmer) {
        m_dimmer(true);
        m_softwareDimmed = true;
    }
    KVLog(QStringLiteral("App General"), QStringLiteral("Power Saver On"));
    setOn(true);
}

void PowerSaver::powerStateOff()
{
    Device::current().setScreenBrightness(KVSettings::getSettingsObject().kvBrowPref.brightness);
    if (m_softwareDimmed && m_dimmer)
        m_dimmer(false);
    m_softwareDimmed = false;
    KVLog(QStringLiteral("App General"), QStringLiteral("Power Saver Off"));
    setOn(false);
}

void PowerSaver::powerSaverModeSwitch()
{
    m_check.stop();
    const PowerSaverDecision decision =
        PowerSaverSchedule::decide(KVSettings::getSettingsObject().kvBrowPref, Clock::instance().now());
    if (decision.on)
        powerStateOn();
    else
        powerStateOff();
    if (decision.nextCheck)
        m_check.start(*decision.nextCheck, TimerMode::SingleShot);
}

}  // namespace korvel

#pragma once

#include "platform/Timer.h"

#include <QObject>

#include <functional>

namespace korvel {

// The power saver: the dimmed screen and the weekly schedule that switches it. The shell makes
// one; the home screen, the browser windows, the event hook and the lifecycle all reach it.
class PowerSaver final : public QObject {
    Q_OBJECT
public:
    explicit PowerSaver(QObject* parent = nullptr);
    ~PowerSaver() override;

    // The power saver made last; nullptr when none is alive.
    static PowerSaver* current();

    bool powerSaveOn() const { return m_on; }
    // Brightness 0, "Power Saver On".
    void powerStateOn();
    // Brightness back to the preference, "Power Saver Off".
    void powerStateOff();
    // Applies the schedule now and plans its next look; at most one look is pending.
    void powerSaverModeSwitch();
    bool checkPending() const { return m_check.isActive(); }
    // The settings are open: the schedule does not dim the screen under the administrator.
    void cancelPendingCheck() { m_check.stop(); }

    // Darkens the screen in software where the backlight cannot be set (the screen's owner installs
    // it: an overlay over everything). Called with true to darken and false to clear.
    void setSoftwareDimmer(std::function<void(bool dark)> dimmer) { m_dimmer = std::move(dimmer); }
    bool softwareDimmed() const { return m_softwareDimmed; }

Q_SIGNALS:
    void powerSaveChanged(bool on);

private:
    void setOn(bool on);

    Timer m_check;
    bool m_on = false;
    bool m_softwareDimmed = false;
    std::function<void(bool)> m_dimmer;
};

}  // namespace korvel

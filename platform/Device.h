#pragma once

#include <QString>

namespace korvel {

// Facts about the machine Korvel runs on. Tests install a double with setCurrent().
class Device {
public:
    virtual ~Device() = default;

    // The machine's model name ("Linux device" when the firmware does not say).
    virtual QString model() const;
    // The operating system's name and version, from /etc/os-release.
    virtual QString systemName() const;
    virtual QString systemVersion() const;
    // A random identifier made on first use and kept in the home directory.
    virtual QString identifierForVendor() const;
    // The backlight's brightness from 0 to 1; 1 when the machine has no readable backlight.
    virtual double screenBrightness() const;
    // Sets the first backlight to `value` (0 to 1, clamped), through sysfs or else logind; false
    // when there is none or neither may set it.
    virtual bool setScreenBrightness(double value);

    // Whether a mobile data modem names a network operator (ModemManager on the system bus); false
    // without ModemManager or a registered modem.
    virtual bool isCellularDevice() const;

    static Device& current();
    // Installs `device` (not owned); nullptr goes back to the real machine.
    static void setCurrent(Device* device);
};

}  // namespace korvel

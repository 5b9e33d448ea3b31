#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvel::SessionBus {

// What a process without a session bus address does, left to the D-Bus library: it falls back to
// "autolaunch", forking dbus-launch for every connection it tries. The web engine in this process
// tries one for each video it plays (to keep the screen on), so a kiosk without a desktop session
// forked thousands of times a day, and the library kept about a kilobyte of each failed attempt
// for good. All that autolaunch could bring is a new bus of its own with nobody on it (no
// screensaver, nothing the kiosk talks to), so a kiosk takes the session's bus, else the user's
// bus of the service manager, else none.

// The address that says there is no session bus: the library refuses it at once, without a fork.
inline constexpr char none[] = "disabled:";

// The address to put in the environment: nothing when the session gave one (`given`); the user's
// bus when `userBus` (its socket's path) is there; else `none`.
std::optional<QByteArray> addressToSet(const QByteArray& given, const std::optional<QString>& userBus);

// The path in D-Bus address syntax: bytes other than letters, digits and -_/.\* are %-escaped.
QByteArray escapedPath(const QString& path);

// Sets DBUS_SESSION_BUS_ADDRESS by the rule above, from the environment and XDG_RUNTIME_DIR/bus
// (taken when it is a socket of this user's). Before the first connection to the bus and before
// any thread starts, as the library reads the variable once.
void prepareEnvironment();

}  // namespace korvel::SessionBus

#pragma once

#include "browser/DisplayRotation.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>

namespace korvel {

// Turns an X display and its touch screens together (xrandr and xinput), so that the picture and
// the touches agree. Under Wayland the compositor turns the output: the kiosk session starts cage
// with the turn (scripts of the package), and nothing is done here.
class DisplayRotator {
public:
    // Runs a program and gives its standard output, or nothing when it failed.
    using Run = std::function<std::optional<QByteArray>(const QString& program, const QStringList& arguments)>;
    explicit DisplayRotator(Run run = {});

    // `forced` (the --rotate option) wins over the preference. Returns the turn applied, or nothing
    // with the reason in `error`.
    std::optional<DisplayRotation::Rotation> apply(qint32 browserOrientation, std::optional<DisplayRotation::Rotation> forced,
                                                   QString* error);

private:
    Run m_run;
};

}  // namespace korvel

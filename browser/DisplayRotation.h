#pragma once

#include <QSize>
#include <QString>

#include <array>
#include <optional>

namespace korvel {

// How the display and the touch input are turned so that the kiosk shows in the orientation the
// "Browser Orientation" preference asks for (or the session's --rotate option names).
namespace DisplayRotation {

enum class Rotation { Normal, Left, Right, Inverted };

// "normal", "left", "right", "inverted" (as xrandr names them); nothing for anything else.
std::optional<Rotation> parse(const QString& text);
QString name(Rotation rotation);

// The turn for the preference (0 any, 1 landscape, 2 portrait) on an output whose unrotated size
// is `native`: none when the output already has the asked shape, or when any shape will do.
Rotation forPreference(qint32 browserOrientation, const QSize& native);

// The touch input's coordinate transformation matrix for `rotation` (row by row), so that a touch
// lands where the turned picture shows it.
std::array<double, 9> touchMatrix(Rotation rotation);

// What `xrandr --query` says of the connected output to turn (the primary one, else the first):
// its name, the size it has now and its current rotation.
struct Output {
    QString name;
    QSize size;
    Rotation rotation = Rotation::Normal;

    // The size before any rotation.
    QSize native() const { return rotation == Rotation::Left || rotation == Rotation::Right ? size.transposed() : size; }
};
std::optional<Output> outputFromQuery(const QString& xrandrQuery);

}  // namespace DisplayRotation
}  // namespace korvel

#pragma once

#include <QString>

namespace korvel {

// A rectangle in screen points: the position of a home-screen icon. All zero means "not placed".
struct Frame {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool isZero() const { return x == 0 && y == 0 && width == 0 && height == 0; }

    // "{{x, y}, {width, height}}" with the shortest exact numbers.
    QString toString() const;
    // Reads that form and the short "{0,0,0,0}"; anything without four numbers is the zero frame.
    static Frame fromString(const QString& text);

    bool operator==(const Frame&) const = default;
};

}  // namespace korvel

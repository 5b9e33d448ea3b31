#pragma once

#include <QString>
#include <QStringList>

namespace korvel {

// Walks the accessibility tree of every visible window, as a screen reader or a switch device
// sees the screen, and finds what such a visitor cannot use: a control without a name, a widget
// the finger can use that says it is no control, a control the keyboard cannot reach, a home icon
// not named after its website, a Tab key that does not go through the screen in reading order.
struct AccessibilityWalk {
    // One line per offender, "<screen>: <widget>: <what>".
    static QStringList offenders(const QString& screen);
};

}  // namespace korvel

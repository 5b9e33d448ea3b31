#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

class QWidget;

namespace korvel {

// Finds what a finger or an eye cannot use on the screen as it stands: interactive controls
// smaller than minimumTarget in either direction, text whose contrast against what it stands on
// is under minimumContrast, and text that does not fit its control (cut off, or shortened with
// "…" where the control does not shorten by design; long words of other languages show it).
// Judged from the widgets' geometry and palettes of every visible window, so it names the widget
// rather than a cluster of pixels.
struct LookCheck {
    static constexpr int minimumTarget = 44;
    // 4.5:1, or 7:1 while the high-contrast colours are on.
    static double minimumContrast();

    // WCAG relative-luminance contrast of two opaque colours, 1 to 21.
    static double contrast(const QColor& a, const QColor& b);
    // One line per offender, "<screen>: <widget>: <what>", for every visible top-level window.
    // fitOnly judges only whether the texts fit, which is what changes with the language.
    static QStringList offenders(const QString& screen, bool fitOnly = false);
    // Why `w`'s text does not fit it ("needs 212x20 px, has 180x20"); empty when it fits, or when
    // it shortens its text by design (the property "elidesByDesign").
    static QString overflow(const QWidget* w);
};

}  // namespace korvel

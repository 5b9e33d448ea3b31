#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QApplication;
class QWidget;

namespace korvel {

enum class Appearance { Light, Dark };

// The one place for the kiosk's look: sizes in logical pixels (Qt scales them for high-DPI
// screens), fonts and colours. Every screen takes its measures from here, so a finger-sized
// target or a colour changes everywhere at once.
struct Theme {
    // Nothing a finger must hit is smaller than this, on any screen.
    static constexpr int touchTarget = 50;
    static constexpr int rowHeight = 56;
    static constexpr int navigationBarHeight = 56;
    static constexpr int toolbarHeight = 64;
    static constexpr int margin = 16;
    static constexpr int spacing = 8;
    static constexpr int cornerRadius = 12;
    static constexpr int rowImageSize = 32;
    static constexpr int toolbarImageSize = 28;
    static constexpr int sectionGap = 28;
    static constexpr int widestPanel = 440;  // alerts and sheets on wide screens

    // Point sizes: readable at arm's length on a 7 to 15 inch panel.
    static constexpr int bodyPointSize = 14;
    static constexpr int detailPointSize = 11;
    static constexpr int titlePointSize = 15;
    static constexpr int headerPointSize = 10;
    static constexpr int largeTitlePointSize = 22;

    QColor background;          // plain screens
    QColor groupedBackground;   // behind grouped tables
    QColor cell;                // rows, panels, bars
    QColor label;
    QColor secondaryLabel;
    QColor separator;
    QColor tint;                // buttons, links, switches
    QColor destructive;
    QColor selection;           // a row under the finger
    QColor dim;                 // layer behind alerts and pop-ups
    QColor toastBackground;
    QColor toastText;

    static const Theme& current();
    static Appearance appearance();
    // Switches every colour; screens built afterwards use the new ones.
    static void setAppearance(Appearance appearance);

    static QFont bodyFont();
    static QFont detailFont();
    static QFont titleFont();
    static QFont headerFont();
    static QFont largeTitleFont();

    // The application's palette, font and the few style rules that make standard widgets
    // touch-sized. Called once, before any screen exists. KORVEL_APPEARANCE=dark selects the
    // dark colours.
    static void apply(QApplication& application);
    // Style rules of the standard widgets (buttons, text fields, sliders) for the current colours.
    static QString styleSheet();
};

}  // namespace korvel

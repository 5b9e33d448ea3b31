#pragma once

#include <QColor>

namespace korvel {

// The text scale and the contrast the theme draws with: Theme's fonts grow by the scale, and its
// colours become the high-contrast ones. Set before the screens are made (Theme::apply then gives
// the application the palette, font and style rules that follow).
struct ThemeLegibility {
    static void set(double textScale, bool highContrast);
    static double textScale();
    static bool highContrast();
    // A height or width that holds text, in logical pixels, grown with the text.
    static int scaled(int logicalPixels);

    // Text colours of the standard buttons: a plain button's (on the theme's `selection`), a
    // primary button's fill (behind white text) and a flat button's (on the row or bar below).
    struct ButtonColours {
        QColor plainText;
        QColor filled;
        QColor flatText;
    };
    static ButtonColours buttonColours();
};

}  // namespace korvel

#pragma once

#include <QtGlobal>

namespace korvel {

// How large and how contrasted the kiosk's own screens are drawn, and how far pages are zoomed to
// match: the "Larger Text" value (0 normal, 1 125 %, 2 150 %) and the high-contrast switch.
struct Legibility {
    // Contrast text must reach against what it stands on (WCAG AA; AAA with high contrast).
    static constexpr double normalContrast = 4.5;
    static constexpr double highContrast = 7.0;

    // 1.0, 1.25 or 1.5; a value from elsewhere (a document of a newer kiosk) reads as 1.0. Pages
    // are zoomed by the same factor, on top of the zoom they would have had.
    static double textScale(qint32 largerText);
    // A measure in logical pixels that holds text, grown with the text and rounded.
    static int scaled(int logicalPixels, double textScale);
    static double minimumContrast(bool highContrast);
    // WCAG relative-luminance contrast of two opaque 0xRRGGBB colours, 1 to 21.
    static double contrast(quint32 rgbA, quint32 rgbB);
};

}  // namespace korvel

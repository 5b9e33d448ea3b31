#include "platform/ui/ThemeLegibility.h"

#include "platform/Legibility.h"
#include "platform/ui/Theme.h"

namespace korvel {

namespace {

double currentTextScale = 1.0;
bool currentHighContrast = false;

}  // namespace

void ThemeLegibility::set(double textScale, bool highContrast)
{
    currentTextScale = textScale;
    currentHighContrast = highContrast;
    Theme::setAppearance(Theme::appearance());
}

double ThemeLegibility::textScale()
{
    return currentTextScale;
}

bool ThemeLegibility::highContrast()
{
    return currentHighContrast;
}

int ThemeLegibility::scaled(int logicalPixels)
{
    return Legibility::scaled(logicalPixels, currentTextScale);
}

ThemeLegibility::ButtonColours ThemeLegibility::buttonColours()
{
    const Theme& t = Theme::current();
    const bool dark = Theme::appearance() == Appearance::Dark;
    // Button texts reach 4.5:1: the tint on a button's grey falls short (4.1:1 light, 3.5:1 dark),
    // so plain buttons take a shade further from the grey; in the dark the tint is lightened for
    // text and darkened behind white text. The pale tint of dark high contrast is text-ready as
    // it is, and a deep blue stands behind white text.
    const auto mixed = [](const QColor& a, const QColor& b, float f) {
        return QColor::fromRgbF(a.redF() * (1 - f) + b.redF() * f, a.greenF() * (1 - f) + b.greenF() * f, a.blueF() * (1 - f) + b.blueF() * f);
    };
    const QColor readableTint = dark && !currentHighContrast ? mixed(t.tint, Qt::white, 0.4f) : t.tint;
    const QColor plainText = dark ? readableTint : t.tint.darker(currentHighContrast ? 140 : 118);
    const QColor filled = dark ? (currentHighContrast ? QColor(0x0A, 0x3D, 0x7A) : t.tint.darker(135)) : t.tint;
    return {plainText, filled, readableTint};
}

}  // namespace korvel

#include "platform/Legibility.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

QColor over(const QColor& top, const QColor& below)
{
    const double a = top.alphaF();
    return QColor::fromRgbF(float(top.redF() * a + below.redF() * (1 - a)), float(top.greenF() * a + below.greenF() * (1 - a)),
                            float(top.blueF() * a + below.blueF() * (1 - a)));
}

double contrast(const QColor& a, const QColor& b)
{
    return Legibility::contrast(a.rgb() & 0xFFFFFF, b.rgb() & 0xFFFFFF);
}

// Every text colour of the high-contrast palettes on everything it is drawn on.
TEST(Theme, HighContrastTextReachesSevenToOneInBothAppearances)
{
    for (const Appearance appearance : {Appearance::Light, Appearance::Dark}) {
        Theme::setAppearance(appearance);
        ThemeLegibility::set(1.0, true);
        const Theme& t = Theme::current();
        const ThemeLegibility::ButtonColours buttons = ThemeLegibility::buttonColours();
        const struct {
            const char* text;
            QColor foreground;
            QList<QColor> backgrounds;
        } pairs[] = {
            {"label", t.label, {t.background, t.groupedBackground, t.cell, t.selection}},
            {"secondary and disabled text", t.secondaryLabel, {t.background, t.groupedBackground, t.cell, t.selection}},
            {"tint (links, flat buttons, switches' labels)", t.tint, {t.background, t.groupedBackground, t.cell}},
            {"destructive", t.destructive, {t.background, t.groupedBackground, t.cell}},
            {"toast", t.toastText, {over(t.toastBackground, t.background)}},
            {"plain button", buttons.plainText, {t.selection}},
            {"flat button", buttons.flatText, {t.background, t.cell}},
            {"primary button", QColor(Qt::white), {buttons.filled}},
        };
        for (const auto& p : pairs)
            for (const QColor& background : p.backgrounds)
                EXPECT_GE(contrast(p.foreground, background), Legibility::highContrast)
                    << (appearance == Appearance::Dark ? "dark: " : "light: ") << p.text << " " << p.foreground.name().toStdString()
                    << " on " << background.name().toStdString();
    }
    ThemeLegibility::set(1.0, false);
    Theme::setAppearance(Appearance::Light);
    EXPECT_LT(contrast(Theme::current().secondaryLabel, Theme::current().groupedBackground), Legibility::highContrast)
        << "the ordinary palette is left as designed";
}

}  // namespace
}  // namespace korvel

#include "platform/Legibility.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(Legibility, LargerTextScalesTextAndTheHeightsThatHoldIt)
{
    const struct {
        qint32 largerText;
        double scale;
        int rowHeight;  // of a 56 px row
    } cases[] = {
        {0, 1.0, 56}, {1, 1.25, 70}, {2, 1.5, 84},
        {3, 1.0, 56}, {-1, 1.0, 56},  // from a newer kiosk or a damaged document: as designed
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Legibility::textScale(c.largerText), c.scale) << c.largerText;
        EXPECT_EQ(Legibility::scaled(56, Legibility::textScale(c.largerText)), c.rowHeight) << c.largerText;
    }
    EXPECT_EQ(Legibility::scaled(11, 1.25), 14) << "rounded, not cut";
}

TEST(Legibility, ContrastIsTheWcagRatio)
{
    const struct {
        quint32 a, b;
        double ratio;
    } cases[] = {
        {0x000000, 0xFFFFFF, 21.0}, {0xFFFFFF, 0x000000, 21.0}, {0x777777, 0x777777, 1.0},
        {0x767676, 0xFFFFFF, 4.54}, {0x595959, 0xFFFFFF, 7.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Legibility::contrast(c.a, c.b), c.ratio, 0.01) << std::hex << c.a << " on " << c.b;
    EXPECT_EQ(Legibility::minimumContrast(false), 4.5);
    EXPECT_EQ(Legibility::minimumContrast(true), 7.0);
}

}  // namespace
}  // namespace korvel

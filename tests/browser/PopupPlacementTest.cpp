#include "browser/PopupPlacement.h"

#include <gtest/gtest.h>

using namespace korvel;

TEST(PopupPlacement, APagesPopupIsKeptInsideTheKioskWindow)
{
    // A kiosk window of 800 x 600 at (100, 50) on a larger screen.
    const QRect window(100, 50, 800, 600);
    const struct {
        const char* name;
        QRect popup;
        QRect expected;
    } cases[] = {
        {"inside stays where it is", {110, 190, 200, 202}, {110, 190, 200, 202}},
        {"touching the bottom-right corner stays", {700, 448, 200, 202}, {700, 448, 200, 202}},
        {"below a low field moves up to the bottom edge", {660, 550, 218, 281}, {660, 369, 218, 281}},
        {"past the right edge moves left", {850, 100, 218, 281}, {682, 100, 218, 281}},
        {"past the bottom-right corner moves up and left", {850, 600, 218, 281}, {682, 369, 218, 281}},
        {"above and left of the window moves in", {20, 0, 200, 100}, {100, 50, 200, 100}},
        {"taller than the window is cut to it", {110, 300, 200, 900}, {110, 50, 200, 600}},
        {"wider than the window is cut to it", {0, 100, 1000, 100}, {100, 100, 800, 100}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PopupPlacement::keepInside(c.popup, window), c.expected) << c.name;
    EXPECT_EQ(PopupPlacement::keepInside(QRect(10, 20, 30, 40), QRect()), QRect(10, 20, 30, 40)) << "without a window it is left alone";
}

#include "app/DisplayRotator.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

using DisplayRotation::Rotation;

TEST(DisplayRotation, ThePreferenceTurnsOnlyAScreenOfTheOtherShape)
{
    const QSize landscape(1920, 1080), portrait(800, 1280);
    const struct {
        qint32 preference;
        QSize native;
        Rotation expected;
    } cases[] = {
        {0, landscape, Rotation::Normal}, {0, portrait, Rotation::Normal}, {1, landscape, Rotation::Normal},
        {1, portrait, Rotation::Left},    {2, landscape, Rotation::Left},  {2, portrait, Rotation::Normal},
        {7, landscape, Rotation::Normal},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DisplayRotation::forPreference(c.preference, c.native), c.expected) << c.preference << " " << c.native.width();
}

// Turning left then right, or left twice against inverted: a wrong sign in a matrix shows here.
TEST(DisplayRotation, TouchMatricesComposeLikeTheTurns)
{
    const auto times = [](const std::array<double, 9>& a, const std::array<double, 9>& b) {
        std::array<double, 9> c{};
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < 3; ++k)
                for (int j = 0; j < 3; ++j)
                    c[r * 3 + k] += a[r * 3 + j] * b[j * 3 + k];
        return c;
    };
    using DisplayRotation::touchMatrix;
    EXPECT_EQ(times(touchMatrix(Rotation::Left), touchMatrix(Rotation::Right)), touchMatrix(Rotation::Normal));
    EXPECT_EQ(times(touchMatrix(Rotation::Left), touchMatrix(Rotation::Left)), touchMatrix(Rotation::Inverted));
    EXPECT_EQ(times(touchMatrix(Rotation::Inverted), touchMatrix(Rotation::Inverted)), touchMatrix(Rotation::Normal));
}

// xrandr and xinput stood in for by what they print; what the rotator asked of them is recorded.
class DisplayRotatorTest : public ::testing::Test {
protected:
    DisplayRotator rotator{[this](const QString& program, const QStringList& arguments) -> std::optional<QByteArray> {
        const QString call = (QStringList{program} + arguments).join(QLatin1Char(' '));
        calls << call;
        if (call == QLatin1String("xrandr --query"))
            return query;
        if (call == QLatin1String("xinput list --id-only"))
            return QByteArray("2\n9\n11\n");
        if (call == QLatin1String("xinput list-props 9"))  // a mouse
            return QByteArray("Device 'Mouse':\n\tCoordinate Transformation Matrix (155):\t1.0, 0.0, ...\n\tlibinput Accel Speed (290):\t0.0\n");
        if (call == QLatin1String("xinput list-props 11"))  // the panel's touch screen
            return QByteArray("Device 'Touch':\n\tCoordinate Transformation Matrix (155):\t1.0, ...\n\tlibinput Calibration Matrix (300):\t1.0, ...\n");
        if (call.startsWith(QLatin1String("xinput list-props")))
            return QByteArray();
        return QByteArray();
    }};
    QByteArray query = "Screen 0: minimum 8 x 8, current 3200 x 1080\n"
                       "DP-1 connected 1280x1024+1920+0 (normal left inverted right x axis y axis) 338mm x 270mm\n"
                       "HDMI-1 connected primary 1920x1080+0+0 (normal left inverted right x axis y axis) 527mm x 296mm\n";
    QStringList calls;
};

TEST_F(DisplayRotatorTest, APortraitKioskOnALandscapePanelTurnsThePrimaryOutputAndItsTouchScreen)
{
    QString error;
    EXPECT_EQ(rotator.apply(2, std::nullopt, &error), Rotation::Left) << qPrintable(error);
    EXPECT_TRUE(calls.contains(QStringLiteral("xrandr --output HDMI-1 --rotate left")));
    EXPECT_TRUE(calls.contains(QStringLiteral("xinput set-prop 11 Coordinate Transformation Matrix 0 -1 1 1 0 0 0 0 1")));
    for (const QString& call : calls)
        EXPECT_FALSE(call.startsWith(QLatin1String("xinput set-prop 9"))) << "the mouse was turned";
}

TEST_F(DisplayRotatorTest, AnOutputAlreadyTurnedIsLeftAndTheSessionsTurnWins)
{
    query = "HDMI-1 connected primary 1080x1920+0+0 left (normal left inverted right x axis y axis) 527mm x 296mm\n";
    QString error;
    EXPECT_EQ(rotator.apply(2, std::nullopt, &error), Rotation::Left);
    EXPECT_FALSE(calls.join(QLatin1Char('\n')).contains(QLatin1String("--rotate")));

    calls.clear();
    EXPECT_EQ(rotator.apply(2, Rotation::Inverted, &error), Rotation::Inverted);
    EXPECT_TRUE(calls.contains(QStringLiteral("xrandr --output HDMI-1 --rotate inverted")));

    query = "Screen 0: minimum 8 x 8\nHDMI-1 disconnected\n";
    EXPECT_EQ(rotator.apply(1, std::nullopt, &error), std::nullopt);
    EXPECT_EQ(error, QStringLiteral("xrandr names no connected output"));
}

}  // namespace
}  // namespace korvel

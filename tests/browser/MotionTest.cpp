#include "browser/MotionClassifier.h"

#include <QString>

#include <gtest/gtest.h>

using namespace korvel;

namespace {

// The classifier after one second of these samples at `speed`.
MotionClass classify(double speed, double strongestSample)
{
    MotionClassifier classifier;
    for (int i = 0; i < 100; ++i) {
        classifier.setAcceleration(i == 40 ? Acceleration{strongestSample, 0, 0} : Acceleration{0, 0, 1});
        classifier.detectShaking();
    }
    classifier.setSpeed(speed);
    return classifier.motionType();
}

}  // namespace

TEST(MotionClassifier, ClassifiesBySpeedAndShaking)
{
    using M = MotionClass;
    struct Case {
        double speed;
        double strongest;  // magnitude of the strongest sample of the last second
        MotionClass expected;
    } cases[] = {
        {0.2, 6.0, M::NotMoving},  {-1.0, 1.0, M::NotMoving}, {0.3, 1.0, M::Walking},
        {1.5, 3.6, M::Running},    {1.5, 3.4, M::Walking},    {1.9, 1.0, M::Walking},
        {5.0, 1.0, M::Automotive}, {5.0, 3.5, M::Running},    {7.5, 4.0, M::Running},
        {10.0, 6.0, M::Automotive},
    };
    for (const Case& c : cases)
        EXPECT_EQ(classify(c.speed, c.strongest), c.expected) << c.speed << " m/s, " << c.strongest << " g";
}

TEST(MotionClassifier, AClassIsReportedOnlyWhenItChanges)
{
    MotionClassifier classifier;
    EXPECT_EQ(classifier.setSpeed(1.0), MotionClass::Walking);
    EXPECT_EQ(classifier.setSpeed(1.2), std::nullopt);
    EXPECT_EQ(classifier.setAcceleration({0, 0, 1}), std::nullopt);
    EXPECT_EQ(classifier.setSpeed(0.1), MotionClass::NotMoving);
    // A shake only counts once its second is over, and is forgotten a quiet second later.
    classifier.setAcceleration({4, 0, 0});
    for (int i = 0; i < 99; ++i)
        classifier.detectShaking();
    EXPECT_FALSE(classifier.isShaking());
    classifier.detectShaking();
    EXPECT_TRUE(classifier.isShaking());
    classifier.setAcceleration({0, 0, 1});
    for (int i = 0; i < 100; ++i)
        classifier.detectShaking();
    EXPECT_FALSE(classifier.isShaking());
}

TEST(MotionLock, EachSettingLocksOnItsClassAndOnlyRestUnlocks)
{
    using M = MotionClass;
    struct Case {
        qint32 setting;
        QList<MotionClass> reports;
        QString lockedAfterEach;  // L locked, - unlocked
    } cases[] = {
        {0, {M::Walking, M::Running, M::Automotive, M::NotMoving}, "LLL-"},
        {0, {M::Running, M::Automotive, M::Walking, M::NotMoving}, "--L-"},
        {1, {M::Walking, M::Automotive, M::Running, M::Walking, M::NotMoving}, "--LL-"},
        {2, {M::Walking, M::Running, M::Automotive, M::NotMoving, M::Running}, "--L--"},
        {3, {M::Walking, M::Running, M::Automotive}, "---"},
    };
    for (const Case& c : cases) {
        bool locked = false;
        QString seen;
        for (const MotionClass report : c.reports) {
            switch (MotionClassifier::lockChange(c.setting, report, locked)) {
            case MotionLockChange::Lock:
                EXPECT_FALSE(locked);
                locked = true;
                break;
            case MotionLockChange::Unlock:
                EXPECT_TRUE(locked);
                locked = false;
                break;
            case MotionLockChange::None:
                break;
            }
            seen += locked ? QLatin1Char('L') : QLatin1Char('-');
        }
        EXPECT_EQ(seen, c.lockedAfterEach) << "setting " << c.setting;
    }
}

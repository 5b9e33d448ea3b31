#pragma once

#include <QList>

#include <optional>

namespace korvel {

// The classes the motion classifier reports.
enum class MotionClass { NotMoving = 1, Walking = 2, Running = 3, Automotive = 4 };

struct Acceleration {
    double x = 0;  // in units of gravity
    double y = 0;
    double z = 0;
};

// Shared by every classifier; nothing in the kiosk changes them.
struct MotionThresholds {
    double minimumSpeed = 0.3;                // m/s
    double maximumWalkingSpeed = 1.9;         // m/s
    double maximumRunningSpeed = 7.5;         // m/s
    double minimumRunningAcceleration = 3.5;  // g
};

// What the motion lock does on a report.
enum class MotionLockChange { None, Lock, Unlock };

// The classification of the motion detector, without threads or sensors: the caller serialises
// every call (one queue) and feeds it speeds, samples and the 0.01-second ticks of the shake window.
class MotionClassifier {
public:
    static MotionClass calculateMotionType(double speed, bool isShaking, const MotionThresholds& thresholds);
    // The lock rule for the "MotionType" setting (0 walking, 1 running, 2 automotive, anything
    // else never locks): the chosen class locks, not moving unlocks, any other class keeps the state.
    static MotionLockChange lockChange(qint32 motionTypeSetting, MotionClass reported, bool locked);

    explicit MotionClassifier(const MotionThresholds& thresholds = {}) : m_thresholds(thresholds) {}

    // A location's speed; a negative speed (none known) counts as 0. Returns the new class when it
    // differs from the last one reported.
    std::optional<MotionClass> setSpeed(double speed);
    // An accelerometer sample; returns the new class when it differs from the last one reported.
    std::optional<MotionClass> setAcceleration(const Acceleration& sample);
    // One 0.01-second step of the shake window: for a second the samples are collected, then
    // isShaking says whether one of them was at least the running acceleration.
    void detectShaking();

    MotionClass motionType() const { return m_motionType; }
    double currentSpeed() const { return m_currentSpeed; }
    bool isShaking() const { return m_isShaking; }

private:
    std::optional<MotionClass> recalculate();

    MotionThresholds m_thresholds;
    MotionClass m_motionType = MotionClass::NotMoving;
    MotionClass m_previouseMotionType = MotionClass::NotMoving;
    double m_currentSpeed = 0;
    Acceleration m_acceleration;
    bool m_isShaking = false;
    int m_ticks = 0;  // counted in hundredths, so a second is exact
    QList<Acceleration> m_window;
};

}  // namespace korvel

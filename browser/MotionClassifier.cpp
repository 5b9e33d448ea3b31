#include "browser/MotionClassifier.h"

#include <cmath>

namespace korvel {

MotionClass MotionClassifier::calculateMotionType(double speed, bool isShaking, const MotionThresholds& t)
{
    if (speed < t.minimumSpeed)
        return MotionClass::NotMoving;
    if (speed <= t.maximumWalkingSpeed)
        return isShaking ? MotionClass::Running : MotionClass::Walking;
    if (speed <= t.maximumRunningSpeed)
        return isShaking ? MotionClass::Running : MotionClass::Automotive;
    return MotionClass::Automotive;
}

MotionLockChange MotionClassifier::lockChange(qint32 motionTypeSetting, MotionClass reported, bool locked)
{
    if (reported == MotionClass::NotMoving)
        return locked ? MotionLockChange::Unlock : MotionLockChange::None;
    std::optional<MotionClass> locking;
    switch (motionTypeSetting) {
    case 0:
        locking = MotionClass::Walking;
        break;
    case 1:
        locking = MotionClass::Running;
        break;
    case 2:
        locking = MotionClass::Automotive;
        break;
    default:
        break;
    }
    return !locked && locking == reported ? MotionLockChange::Lock : MotionLockChange::None;
}

std::optional<MotionClass> MotionClassifier::recalculate()
{
    m_motionType = calculateMotionType(m_currentSpeed, m_isShaking, m_thresholds);
    if (m_motionType == m_previouseMotionType)
        return std::nullopt;
    m_previouseMotionType = m_motionType;
    return m_motionType;
}

std::optional<MotionClass> MotionClassifier::setSpeed(double speed)
{
    m_currentSpeed = std::max(0.0, speed);
    return recalculate();
}

std::optional<MotionClass> MotionClassifier::setAcceleration(const Acceleration& sample)
{
    m_acceleration = sample;
    return recalculate();
}

void MotionClassifier::detectShaking()
{
    ++m_ticks;
    if (m_ticks < 100) {
        m_window.append(m_acceleration);
        return;
    }
    m_isShaking = false;
    for (const Acceleration& a : m_window) {
        if (std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z) >= m_thresholds.minimumRunningAcceleration) {
            m_isShaking = true;
            break;
        }
    }
    m_window.clear();
    m_ticks = 0;
}

}  // namespace korvel

#pragma once

#include "browser/MotionClassifier.h"
#include "platform/Timer.h"

#include <QObject>
#include <QPointer>
#include <QThread>

class QAccelerometer;

namespace korvel {

class MotionDetector;

// Receives the detector's reports, always on the main thread. Each has a default that ignores it.
class MotionDetectorDelegate {
public:
    virtual ~MotionDetectorDelegate() = default;
    virtual void motionTypeChanged(MotionDetector* detector, MotionClass motionType) { Q_UNUSED(detector); Q_UNUSED(motionType); }
    virtual void locationChanged(MotionDetector* detector, double speed) { Q_UNUSED(detector); Q_UNUSED(speed); }
    virtual void accelerationChanged(MotionDetector* detector, const Acceleration& acceleration)
    {
        Q_UNUSED(detector);
        Q_UNUSED(acceleration);
    }
};

// The motion detector: speed from LocationManager, acceleration from the accelerometer (Qt
// Sensors), a one-second shake window, and the classification. Everything that touches the
// classification runs on one thread of its own, in arrival order, so samples, locations and the
// shake window never race; the reports come back to the main thread.
class MotionDetector final : public QObject {
    Q_OBJECT
public:
    MotionDetector(QObject* parent = nullptr);
    ~MotionDetector() override;

    static MotionDetector& sharedInstance();

    void setDelegate(MotionDetectorDelegate* delegate) { m_delegate = delegate; }
    MotionDetectorDelegate* delegate() const { return m_delegate; }
    void startDetection();
    void stopDetection();
    bool isDetecting() const { return m_shakeDetectingTimer.isActive(); }

    static void setMinimumSpeed(double speed);
    static void setMaximumWalkingSpeed(double speed);
    static void setMaximumRunningSpeed(double speed);
    static void setMinimumRunningAcceleration(double acceleration);

    // A sample in units of gravity, as the accelerometer delivers it (tests feed their own).
    void accelerationReceived(const Acceleration& sample);

private:
    void onLocationChanged(double speed);
    void report(std::optional<MotionClass> changed);

    MotionDetectorDelegate* m_delegate = nullptr;
    QThread m_queue;
    QObject* m_worker = nullptr;  // lives on m_queue; owns the classification
    MotionClassifier* m_classifier = nullptr;
    Timer m_shakeDetectingTimer;
    QPointer<QAccelerometer> m_motionManager;
};

}  // namespace korvel

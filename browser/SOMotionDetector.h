#pragma once

#include "browser/MotionClassifier.h"
#include "platform/Timer.h"

#include <QObject>
#include <QPointer>
#include <QThread>

class QAccelerometer;

namespace korvel {

class SOMotionDetector;

// Receives the detector's reports, always on the main thread. Each has a default that ignores it.
class SOMotionDetectorDelegate {
public:
    virtual ~SOMotionDetectorDelegate() = default;
    virtual void motionTypeChanged(SOMotionDetector* detector, MotionClass motionType) { Q_UNUSED(detector); Q_UNUSED(motionType); }
    virtual void locationChanged(SOMotionDetector* detector, double speed) { Q_UNUSED(detector); Q_UNUSED(speed); }
    virtual void accelerationChanged(SOMotionDetector* detector, const Acceleration& acceleration)
    {
        Q_UNUSED(detector);
        Q_UNUSED(acceleration);
    }
};

// The motion detector: speed from SOLocationManager, acceleration from the accelerometer (Qt
// Sensors), a one-second shake window, and the classification. Everything that touches the
// classification runs on one thread of its own, in arrival order, so samples, locations and the
// shake window never race; the reports come back to the main thread.
class SOMotionDetector final : public QObject {
    Q_OBJECT
public:
    SOMotionDetector(QObject* parent = nullptr);
    ~SOMotionDetector() override;

    static SOMotionDetector& sharedInstance();

    void setDelegate(SOMotionDetectorDelegate* delegate) { m_delegate = delegate; }
    SOMotionDetectorDelegate* delegate() const { return m_delegate; }
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

    SOMotionDetectorDelegate* m_delegate = nullptr;
    QThread m_queue;
    QObject* m_worker = nullptr;  // lives on m_queue; owns the classification
    MotionClassifier* m_classifier = nullptr;
    Timer m_shakeDetectingTimer;
    QPointer<QAccelerometer> m_motionManager;
};

}  // namespace korvel

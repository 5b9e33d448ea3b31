#include "browser/MotionDetector.h"

#include "browser/LocationManager.h"
#include "platform/NotificationCenter.h"

#include <QAccelerometer>
#include <QCoreApplication>

namespace korvel {

namespace {

MotionThresholds& thresholds()
{
    static MotionThresholds shared;
    return shared;
}

constexpr double standardGravity = 9.80665;  // m/s² in one g

}  // namespace

MotionDetector::MotionDetector(QObject* parent)
    : QObject(parent)
    , m_shakeDetectingTimer(this)
{
    m_queue.setObjectName(QStringLiteral("motion classification"));
    m_worker = new QObject;
    m_classifier = new MotionClassifier(thresholds());
    m_worker->moveToThread(&m_queue);
    connect(&m_queue, &QThread::finished, m_worker, &QObject::deleteLater);
    m_queue.start();
    connect(&m_shakeDetectingTimer, &Timer::timeout, this, [this] {
        MotionClassifier* classifier = m_classifier;
        QMetaObject::invokeMethod(m_worker, [classifier] { classifier->detectShaking(); }, Qt::QueuedConnection);
    });
}

MotionDetector::~MotionDetector()
{
    stopDetection();
    m_queue.quit();
    m_queue.wait();
    delete m_classifier;
}

MotionDetector& MotionDetector::sharedInstance()
{
    static MotionDetector* detector = new MotionDetector;
    return *detector;
}

void MotionDetector::setMinimumSpeed(double speed)
{
    thresholds().minimumSpeed = speed;
}

void MotionDetector::setMaximumWalkingSpeed(double speed)
{
    thresholds().maximumWalkingSpeed = speed;
}

void MotionDetector::setMaximumRunningSpeed(double speed)
{
    thresholds().maximumRunningSpeed = speed;
}

void MotionDetector::setMinimumRunningAcceleration(double acceleration)
{
    thresholds().minimumRunningAcceleration = acceleration;
}

void MotionDetector::startDetection()
{
    if (isDetecting())
        return;
    LocationManager::sharedInstance().start();
    NotificationCenter::defaultCenter().addObserver(this, QStringLiteral("LOCATION_DID_CHANGED_NOTIFICATION"), [this](const Notification& n) {
        onLocationChanged(n.userInfo.value(QStringLiteral("location")).toDouble());
    });
    m_shakeDetectingTimer.start(std::chrono::milliseconds(10), TimerMode::Repeating);
    if (!m_motionManager) {
        m_motionManager = new QAccelerometer(this);
        m_motionManager->setAccelerationMode(QAccelerometer::Combined);
        connect(m_motionManager, &QAccelerometer::readingChanged, this, [this] {
            if (const QAccelerometerReading* r = m_motionManager->reading())
                accelerationReceived({r->x() / standardGravity, r->y() / standardGravity, r->z() / standardGravity});
        });
    }
    m_motionManager->start();
}

void MotionDetector::stopDetection()
{
    m_shakeDetectingTimer.stop();
    LocationManager::sharedInstance().stop();
    NotificationCenter::defaultCenter().removeObserver(this, QStringLiteral("LOCATION_DID_CHANGED_NOTIFICATION"));
    if (m_motionManager)
        m_motionManager->stop();
}

void MotionDetector::accelerationReceived(const Acceleration& sample)
{
    MotionClassifier* classifier = m_classifier;
    QPointer<MotionDetector> self(this);
    QMetaObject::invokeMethod(m_worker, [self, classifier, sample] {
        const std::optional<MotionClass> changed = classifier->setAcceleration(sample);
        QMetaObject::invokeMethod(qApp, [self, changed, sample] {
            if (!self)
                return;
            if (self->m_delegate)
                self->m_delegate->accelerationChanged(self, sample);
            self->report(changed);
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void MotionDetector::onLocationChanged(double speed)
{
    if (m_delegate)
        m_delegate->locationChanged(this, std::max(0.0, speed));
    MotionClassifier* classifier = m_classifier;
    QPointer<MotionDetector> self(this);
    QMetaObject::invokeMethod(m_worker, [self, classifier, speed] {
        const std::optional<MotionClass> changed = classifier->setSpeed(speed);
        QMetaObject::invokeMethod(qApp, [self, changed] {
            if (self)
                self->report(changed);
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void MotionDetector::report(std::optional<MotionClass> changed)
{
    if (changed && m_delegate)
        m_delegate->motionTypeChanged(this, *changed);
}

}  // namespace korvel

#include "browser/LocationManager.h"

#include "platform/NotificationCenter.h"

#include <QGeoPositionInfoSource>

namespace korvel {

LocationManager& LocationManager::sharedInstance()
{
    static LocationManager* manager = new LocationManager;
    return *manager;
}

QGeoPositionInfoSource* LocationManager::source()
{
    if (!m_sourceTried) {
        m_sourceTried = true;
        m_source = QGeoPositionInfoSource::createDefaultSource(this);
        if (m_source) {
            m_source->setPreferredPositioningMethods(QGeoPositionInfoSource::AllPositioningMethods);
            connect(m_source, &QGeoPositionInfoSource::positionUpdated, this, &LocationManager::locationUpdated);
            connect(m_source, &QGeoPositionInfoSource::errorOccurred, this, [](QGeoPositionInfoSource::Error error) {
                NotificationCenter::defaultCenter().post(QStringLiteral("LOCATION_DID_FAILED_NOTIFICATION"), nullptr,
                                                         {{QStringLiteral("error"), int(error)}});
            });
        }
    }
    return m_source;
}

void LocationManager::start()
{
    m_locationType |= standardUpdates;
    // The best accuracy the source offers, every update.
    if (QGeoPositionInfoSource* s = source()) {
        s->setUpdateInterval(0);
        s->startUpdates();
    }
}

void LocationManager::stop()
{
    m_locationType &= significantChanges;
    if (m_source && !(m_locationType & significantChanges))
        m_source->stopUpdates();
}

void LocationManager::startSignificant()
{
    m_locationType |= significantChanges;
    if (QGeoPositionInfoSource* s = source())
        s->startUpdates();
}

void LocationManager::stopSignificant()
{
    m_locationType &= standardUpdates;
    if (m_source && !(m_locationType & standardUpdates))
        m_source->stopUpdates();
}

double LocationManager::speedOf(const QGeoPositionInfo& location)
{
    return location.hasAttribute(QGeoPositionInfo::GroundSpeed) ? location.attribute(QGeoPositionInfo::GroundSpeed) : -1.0;
}

void LocationManager::locationUpdated(const QGeoPositionInfo& location)
{
    m_lastLocation = location;
    NotificationCenter::defaultCenter().post(QStringLiteral("LOCATION_DID_CHANGED_NOTIFICATION"), this,
                                             {{QStringLiteral("location"), speedOf(location)}});
}

}  // namespace korvel

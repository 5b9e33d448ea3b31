#include "browser/SOLocationManager.h"

#include "platform/NotificationCenter.h"

#include <QGeoPositionInfoSource>

namespace korvel {

SOLocationManager& SOLocationManager::sharedInstance()
{
    static SOLocationManager* manager = new SOLocationManager;
    return *manager;
}

QGeoPositionInfoSource* SOLocationManager::source()
{
    if (!m_sourceTried) {
        m_sourceTried = true;
        m_source = QGeoPositionInfoSource::createDefaultSource(this);
        if (m_source) {
            m_source->setPreferredPositioningMethods(QGeoPositionInfoSource::AllPositioningMethods);
            connect(m_source, &QGeoPositionInfoSource::positionUpdated, this, &SOLocationManager::locationUpdated);
            connect(m_source, &QGeoPositionInfoSource::errorOccurred, this, [](QGeoPositionInfoSource::Error error) {
                NotificationCenter::defaultCenter().post(QStringLiteral("LOCATION_DID_FAILED_NOTIFICATION"), nullptr,
                                                         {{QStringLiteral("error"), int(error)}});
            });
        }
    }
    return m_source;
}

void SOLocationManager::start()
{
    m_locationType |= standardUpdates;
    // The best accuracy the source offers, every update.
    if (QGeoPositionInfoSource* s = source()) {
        s->setUpdateInterval(0);
        s->startUpdates();
    }
}

void SOLocationManager::stop()
{
    m_locationType &= significantChanges;
    if (m_source && !(m_locationType & significantChanges))
        m_source->stopUpdates();
}

void SOLocationManager::startSignificant()
{
    m_locationType |= significantChanges;
    if (QGeoPositionInfoSource* s = source())
        s->startUpdates();
}

void SOLocationManager::stopSignificant()
{
    m_locationType &= standardUpdates;
    if (m_source && !(m_locationType & standardUpdates))
        m_source->stopUpdates();
}

double SOLocationManager::speedOf(const QGeoPositionInfo& location)
{
    return location.hasAttribute(QGeoPositionInfo::GroundSpeed) ? location.attribute(QGeoPositionInfo::GroundSpeed) : -1.0;
}

void SOLocationManager::locationUpdated(const QGeoPositionInfo& location)
{
    m_lastLocation = location;
    NotificationCenter::defaultCenter().post(QStringLiteral("LOCATION_DID_CHANGED_NOTIFICATION"), this,
                                             {{QStringLiteral("location"), speedOf(location)}});
}

}  // namespace korvel

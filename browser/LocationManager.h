#pragma once

#include <QGeoPositionInfo>
#include <QObject>
#include <QPointer>

class QGeoPositionInfoSource;

namespace korvel {

// The device's location over Qt Positioning (GeoClue on a desktop Linux, NMEA receivers): each
// update is posted as "LOCATION_DID_CHANGED_NOTIFICATION" (user info "location": the speed in m/s,
// negative when the source gives none), each failure as "LOCATION_DID_FAILED_NOTIFICATION".
class LocationManager final : public QObject {
    Q_OBJECT
public:
    static constexpr int standardUpdates = 16;
    static constexpr int significantChanges = 1;

    static LocationManager& sharedInstance();

    void start();
    void stop();
    void startSignificant();
    void stopSignificant();

    int locationType() const { return m_locationType; }
    const QGeoPositionInfo& lastLocation() const { return m_lastLocation; }
    // The speed of a location in m/s; negative when it carries none.
    static double speedOf(const QGeoPositionInfo& location);

    // Hands an update in as the platform would (what the source delivers goes the same way).
    void locationUpdated(const QGeoPositionInfo& location);

private:
    LocationManager() = default;
    QGeoPositionInfoSource* source();

    QPointer<QGeoPositionInfoSource> m_source;
    bool m_sourceTried = false;
    int m_locationType = 0;
    QGeoPositionInfo m_lastLocation;
};

}  // namespace korvel

#pragma once

#include "platform/Timer.h"

#include <QDateTime>
#include <QObject>
#include <QString>

namespace korvel {

// Restarts the kiosk as the "RestartDailyAt" preference asks: looks every 30 seconds whether the
// time has come and nobody has touched the kiosk for the idle timeout.
class DailyRestartPerformer final : public QObject {
    Q_OBJECT
public:
    explicit DailyRestartPerformer(QObject* parent = nullptr);

private:
    void check();

    Timer m_timer;
    QDateTime m_started;
    QDateTime m_lastInput;
    QString m_refusedSetting;  // a setting that is no time, logged once
};

}  // namespace korvel

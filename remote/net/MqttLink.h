#pragma once

#include "control/ControlCommand.h"
#include "remote/MqttRules.h"

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>

#include <functional>

struct mosquitto;
struct mosquitto_message;

namespace korvel {

class Timer;

// The kiosk as a client of an MQTT broker (libmosquitto, driven by this thread's event loop):
// publishes its status retained on change and every minute, with "offline" as its last will;
// takes commands on its command topic and performs them through the same performer as the
// remote control API, answering on its reply topic; announces itself to Home Assistant. When the
// broker goes away it connects again by itself, waiting longer after each failure.
class MqttLink final : public QObject {
public:
    struct Settings {
        QString host;
        int port = 1883;
        bool tls = false;
        QString user;
        QString prefix;
        MqttRules::Device device;
        // TLS: the broker's certificate is checked against these (the system's authorities when empty).
        QString caFile;
    };
    using Done = std::function<void(const ControlReply&)>;
    using Performer = std::function<void(const ControlCommand&, const QString& who, Done)>;
    using Status = std::function<QJsonObject()>;

    static const QString logCategory;
    // The most commands taken in one second; the rest are dropped (and counted in the log).
    static constexpr int commandsPerSecond = 20;

    MqttLink(Performer performer, Status status, QObject* parent = nullptr);
    ~MqttLink() override;

    // Starts connecting (and keeps at it). False, with the reason, for settings it cannot use.
    bool start(const Settings& settings, QString* error);
    // Says "offline" and disconnects.
    void stop();
    bool isConnected() const { return m_connected; }

private:
    void connectNow();
    void watchSocket();
    void service();
    void lost(const QString& why);
    void connected(int result);
    void received(const mosquitto_message& message);
    void publish(const QString& topic, const QByteArray& payload, bool retain);
    void publishStatus(bool always);
    bool admit();

    Performer m_performer;
    Status m_status;
    Settings m_settings;
    MqttRules::Topics m_topics;
    mosquitto* m_mosq = nullptr;
    QSocketNotifier* m_read = nullptr;
    QSocketNotifier* m_write = nullptr;
    Timer* m_misc = nullptr;       // keep-alive and the status check
    Timer* m_reconnect = nullptr;
    bool m_connected = false;
    bool m_everConnected = false;
    int m_failures = 0;
    QByteArray m_lastStatus;
    QDateTime m_lastStatusAt;
    QDateTime m_windowStart;
    int m_windowCount = 0;
    int m_dropped = 0;
};

}  // namespace korvel

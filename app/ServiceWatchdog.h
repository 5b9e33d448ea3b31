#pragma once

#include <QObject>

namespace korvel {

class Timer;

// Tells systemd that the kiosk is up and that its main loop still turns: "READY=1" once the first
// screen is painted, "WATCHDOG=1" from a timer of the main loop at a third of the interval the
// service asks for. A hung interface stops the messages, and systemd restarts the kiosk.
class ServiceWatchdog final : public QObject {
    Q_OBJECT
public:
    explicit ServiceWatchdog(QObject* parent = nullptr);

    // Nothing happens when the service manager does not watch this process.
    void start();
    // Sent once, however often it is called.
    void ready();

private:
    Timer* m_timer = nullptr;
    bool m_ready = false;
};

}  // namespace korvel

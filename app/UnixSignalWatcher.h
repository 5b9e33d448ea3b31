#pragma once

#include <QObject>

#include <initializer_list>

class QSocketNotifier;

namespace korvel {

// Turns SIGTERM and SIGINT into a Qt signal on the main thread, so a kiosk run as a service stops
// through the normal shutdown path. Only the async-signal-safe write() runs in the handler.
class UnixSignalWatcher final : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalWatcher(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

Q_SIGNALS:
    void received(int signalNumber);

private:
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace korvel

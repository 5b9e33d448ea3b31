#pragma once

#include <QObject>

class QSocketNotifier;

namespace korvel {

// Tells when the kernel's network configuration changes: a link goes up or down, an address or a
// route comes or goes. The kernel sends these (route netlink), so nothing wakes an idle kiosk to
// look; a burst of messages is reported as one change.
class NetworkChangeWatch final : public QObject {
    Q_OBJECT
public:
    explicit NetworkChangeWatch(QObject* parent = nullptr);
    ~NetworkChangeWatch() override;

    // False where the kernel refused the subscription; then changed() never comes.
    bool isWatching() const { return m_fd >= 0; }

Q_SIGNALS:
    void changed();

private:
    void drain();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace korvel

#pragma once

#include <QWidget>

class QLabel;

namespace korvel {

class Reachability;
class Timer;

// A thin bar with the clock and the network state, shown above the kiosk when it is maximised
// rather than full screen. It follows the installed Clock and the given monitor (which may be null).
class KVStatusBar final : public QWidget {
    Q_OBJECT
public:
    explicit KVStatusBar(Reachability* reachability, QWidget* parent = nullptr);

    QString clockText() const;
    QString networkText() const;

private:
    void refresh();
    void scheduleMinute();

    Reachability* m_reachability;
    QLabel* m_clock;
    QLabel* m_network;
    Timer* m_minute;
};

}  // namespace korvel

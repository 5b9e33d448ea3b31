#pragma once

#include <QRgb>
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

    // The size and colours of the present text scale and contrast. The bar belongs to the window,
    // which no screen rebuild makes again, so it is told when they change.
    void applyLook();

private:
    struct Look {
        int height = 0;
        int fontPixels = 0;
        QRgb background = 0;
        QRgb text = 0;
        bool operator==(const Look&) const = default;
    };
    void refresh();
    void scheduleMinute();

    Reachability* m_reachability;
    QLabel* m_clock;
    QLabel* m_network;
    Timer* m_minute;
    Look m_look;
};

}  // namespace korvel

#pragma once

#include <QObject>

#include <functional>

namespace korvel {

// While the kiosk sleeps (dimmed, or a screensaver over it), the touch that wakes it does only
// that: the whole touch, from press to release, is kept from every window, so it never presses
// the page or button under the finger.
class WakeTouchFilter final : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> asleep;
        std::function<void()> wake;
    };

    explicit WakeTouchFilter(Hooks hooks, QObject* parent = nullptr);
    // Filters the application's events while `filter` lives.
    static WakeTouchFilter* install(Hooks hooks);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Hooks m_hooks;
    bool m_swallowing = false;
};

}  // namespace korvel

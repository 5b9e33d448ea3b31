#pragma once

#include "browser/LoadError.h"
#include "browser/LoadRetry.h"
#include "platform/Timer.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QTcpSocket;

namespace korvel {

// Carries out a window's load retries: a tick each second while a page has failed counts down on
// the error page, reloads when the try is due, and every few seconds knocks at the failed page's
// host (a TCP connection, closed at once) to reload as soon as it answers again.
class LoadRetryPerformer final : public QObject {
    Q_OBJECT
public:
    struct Window {
        std::function<bool()> inUse;                   // on screen and not under the settings
        std::function<void(const QUrl&)> reload;       // loads the page that failed
        std::function<void(int seconds)> showCountdown;  // on the error page, if it shows
    };
    LoadRetryPerformer(Window window, QObject* parent);

    // A main-frame load of `url` failed with `error` (a cancelled load is no failure).
    void failed(const QUrl& url, const LoadError& error);
    // A page other than an error page loaded.
    void loaded();
    // The person pressed "Try again".
    void triedByHand();
    bool retrying() const { return m_rule.retrying(); }
    int secondsLeft() const;

private:
    void tick();
    void probe();
    void probeAnswered(bool answered);
    void act(LoadRetry::Action action, const char* why);

    Window m_window;
    LoadRetry m_rule;
    Timer m_tick;
    int m_ticks = 0;
    QPointer<QTcpSocket> m_probe;
};

}  // namespace korvel

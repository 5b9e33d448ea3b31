#pragma once

#include <QDateTime>

#include <chrono>

namespace korvel {

// Whether what a page asks for now (a download) was asked for by the person at the device: they
// touched, clicked or typed on the page shortly before, or the navigation that led to it started
// shortly after such an input and has not shown a page since (a server may take a while to answer
// a tapped link with a file). A script on its own never counts.
class UserActivation {
public:
    // As long as the engine's own transient activation.
    static constexpr std::chrono::seconds inputWindow{5};
    // How long a navigation the person started may take to turn into a download.
    static constexpr std::chrono::seconds navigationWindow{60};

    // A navigation starts at `now`; `lastInput` is the person's last input on the page (invalid: none).
    void navigationStarted(const QDateTime& now, const QDateTime& lastInput);
    // The kiosk starts a navigation the person chose elsewhere (a website's icon, a tab) at `now`.
    void navigationAsked(const QDateTime& now);
    // A page was shown: earlier navigations led there, not to a download.
    void pageShown();
    bool active(const QDateTime& now, const QDateTime& lastInput) const;

private:
    static bool within(const QDateTime& from, const QDateTime& to, std::chrono::milliseconds window);

    QDateTime m_askedNavigation;
};

}  // namespace korvel

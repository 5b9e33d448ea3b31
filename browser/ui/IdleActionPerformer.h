#pragma once

#include "browser/IdleRules.h"

#include <functional>

class QObject;

namespace korvel {

class IdleTimer;
class Screen;

// Carries out the idle actions (IdleRules) of a screen whose idle timer ran out. What only the
// screen can do it is asked for; a screen without such an action is never given it by the rule.
class IdleActionPerformer {
public:
    struct ScreenActions {
        std::function<void()> home;           // the Home action
        std::function<void()> pauseMedia;
        std::function<void()> goHomeUI;       // a presented alert away, then Home
        std::function<void()> leaveCategory;  // the home screen's open folder
    };

    // The idle timer of a screen: its interval is "IdleTimeout", a new timer starts when
    // `state()` wants one (IdleRules::wantsTimer), and `exceeded` runs when it runs out.
    static IdleTimer* makeTimer(std::function<IdleState()> state, std::function<void()> exceeded, QObject* parent);

    static void perform(const QList<IdleAction>& actions, WindowMode mode, const ScreenActions& screen);
    // The rule's actions for `state` under the preferences of now, performed.
    static void timerExceeded(const IdleState& state, const ScreenActions& screen);

    static void stopScreensaver();
    // `touched` runs when the screensaver's playback is broken off by a touch while `screen` is on
    // top: the screen then counts as used again.
    static void onScreensaverAborted(Screen* screen, std::function<void()> touched);
};

}  // namespace korvel

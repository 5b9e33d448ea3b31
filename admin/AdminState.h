#pragma once

#include <QtGlobal>

#include <functional>

namespace korvel {

// What the administration screens tell the shell. The screens sit below the application shell, so
// they cannot reach its delegate; the shell installs these hooks at launch instead.
class AdminState {
public:
    struct Hooks {
        // The delegate's state: 1 while the settings menu or a screen above it is shown, else 0.
        std::function<void(qint32 state)> stateChanged;
        // Settings opened: no power-saver switch and no motion lock while the administrator works.
        std::function<void()> suspendKiosk;
        // "Done": start the automatic import when it is idle, restart motion detection.
        std::function<void()> resumeKiosk;
    };

    static void setHooks(Hooks hooks);

    // The last state reported, readable without a hook (0 before any report).
    static qint32 state();
    static void setState(qint32 state);
    static void suspendKiosk();
    static void resumeKiosk();
};

}  // namespace korvel

#pragma once

#include <memory>

namespace korvel {

class KVAppDelegate;
class KVMainWindow;

// The running kiosk: the launch sequence, the window with its navigation stack, the welcome screen
// at the root, and the way from the hidden gesture through the password to the settings menu.
class KorvelShell {
public:
    KorvelShell();
    ~KorvelShell();

    KVAppDelegate& delegate() { return *m_delegate; }
    KVMainWindow& window() { return *m_window; }
    // Shows the window as the preferences say (full screen or maximised).
    void show();

private:
    std::unique_ptr<KVAppDelegate> m_delegate;
    std::unique_ptr<KVMainWindow> m_window;
    bool m_inBackground = false;
};

}  // namespace korvel

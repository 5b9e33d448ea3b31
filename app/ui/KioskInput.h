#pragma once

namespace korvel {

// How a person types and picks on the kiosk, set up once the application object exists: the
// on-screen keyboard (when it was chosen) offers one English layout and nothing else, and the
// pickers pages open stay inside the kiosk window.
class KioskInput {
public:
    static void install();
    // Limits the on-screen keyboard to American English: no language key, no list of languages.
    // Returns false when its settings could not be reached (the keyboard's modules are missing).
    static bool restrictKeyboardToEnglish();
    // The keyboard's full-screen mode (the typed text shown above the keys), for a field the
    // keyboard would cover. Nothing happens before restrictKeyboardToEnglish() succeeded.
    static void setKeyboardFullScreen(bool fullScreen);
    static bool keyboardFullScreen();
};

}  // namespace korvel

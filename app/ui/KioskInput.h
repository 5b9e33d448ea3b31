#pragma once

namespace korvel {

// Where the on-screen keyboard shows the text being typed.
enum class KeyboardMode {
    InPlace,     // the field stays in sight above the keys
    FullScreen,  // the typed text is shown above the keys, for a field the keyboard covers
};

// How a person types and picks on the kiosk, set up once the application object exists: the
// on-screen keyboard (when it was chosen) offers one English layout and nothing else, and the
// pickers pages open stay inside the kiosk window.
class KioskInput {
public:
    static void install();
    // Limits the on-screen keyboard to American English: no language key, no list of languages.
    // Returns false when its settings could not be reached (the keyboard's modules are missing).
    static bool restrictKeyboardToEnglish();
    // Nothing happens before restrictKeyboardToEnglish() succeeded.
    static void setKeyboardMode(KeyboardMode mode);
    static KeyboardMode keyboardMode();
    // Takes the keyboard away with the focus of whatever was being typed into, so that nothing
    // brings it back once a prompt over that field has gone.
    static void dismissKeyboard();
};

}  // namespace korvel

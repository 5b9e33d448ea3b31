#pragma once

#include <QStringList>

namespace korvel {

// Where the on-screen keyboard shows the text being typed.
enum class KeyboardMode {
    InPlace,     // the field stays in sight above the keys
    FullScreen,  // the typed text is shown above the keys, for a field the keyboard covers
};

// How a person types and picks on the kiosk, set up once the application object exists: the
// on-screen keyboard (when it was chosen) offers the layouts of the kiosk's language and no others,
// and the pickers pages open stay inside the kiosk window.
class KioskInput {
public:
    static void install();
    // Limits the on-screen keyboard to `layouts` ("de_DE", "en_US"), the first shown: with one
    // there is no language key and no list of languages. Returns false when its settings could not
    // be reached (the keyboard's modules are missing, or it was not chosen).
    static bool offerKeyboardLayouts(const QStringList& layouts);
    // Nothing happens before the on-screen keyboard was set up.
    static void setKeyboardMode(KeyboardMode mode);
    static KeyboardMode keyboardMode();
    // Takes the keyboard away with the focus of whatever was being typed into, so that nothing
    // brings it back once a prompt over that field has gone.
    static void dismissKeyboard();
};

}  // namespace korvel

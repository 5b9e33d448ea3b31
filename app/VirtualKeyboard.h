#pragma once

#include <QByteArray>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvel {

// The on-screen keyboard of touch-only devices (Qt Virtual Keyboard). Which input method the
// program uses is decided once, before the application object exists, from the administrator's
// option and the input devices the kernel lists; these are the rules, and the step that applies them.
class VirtualKeyboard {
public:
    enum class Option { On, Off, Auto };
    enum class InputMethod { VirtualKeyboard, Platform };

    struct OptionChoice {
        Option option = Option::Auto;
        // Empty when the option was read cleanly; else why it fell back to Auto.
        QString warning;
    };

    // The input method module of Qt Virtual Keyboard (the value of QT_IM_MODULE).
    static constexpr const char* moduleName = "qtvirtualkeyboard";

    // "on", "off" or "auto" (any case, surrounding blanks ignored); nothing for any other text.
    static std::optional<Option> parseOption(const QString& text);
    // "--virtual-keyboard=VALUE" (the last one given) wins over the environment value; neither gives
    // Auto. A value that is not an option gives Auto and a warning.
    static OptionChoice optionFrom(const QStringList& arguments, const QString& environmentValue);

    // True when the text of /proc/bus/input/devices lists a keyboard someone can type on: a device
    // with the "kbd" handler that reports keys with auto-repeat (EV_KEY and EV_REP) and has the
    // main block of a keyboard (Escape, the digits and the first letter rows). Power and sleep
    // buttons, the video bus, lid switches, hot-key and media-key devices lack one or the other.
    static bool hasPhysicalKeyboard(const QByteArray& inputDevices);
    // `inputDevices` is nothing when the device list could not be read: Auto then keeps the
    // platform's input method, since nothing shows the device to be touch-only.
    static InputMethod chooseInputMethod(Option option, const std::optional<QByteArray>& inputDevices);

    // Before the application object: reads the option (--virtual-keyboard, KORVEL_VIRTUAL_KEYBOARD)
    // and the device list, and sets or clears QT_IM_MODULE. Returns what was chosen; a bad option
    // is reported on standard error.
    static InputMethod prepareEnvironment(const QStringList& arguments);
    // True once prepareEnvironment chose the on-screen keyboard (QT_IM_MODULE names it).
    static bool isChosen();

    // The layouts built into Qt Virtual Keyboard 6.4 as Debian 12 ships it, by locale ("ar_AR" is
    // its own name for Arabic). The keyboard lists them only once its panel exists.
    static QStringList builtInLayouts();

    // The keyboard's rectangle on `screen` before it has shown itself: the width of the screen, a
    // height of 0.3125 of it (the default style's proportion), at the bottom.
    static QRectF expectedKeyboard(const QRect& screen);
    // True when the keyboard at `keyboard` would hide part of the text field at `field` (screen
    // coordinates): the person could not see what they type. An empty field hides nothing.
    static bool hidesField(const QRectF& field, const QRectF& keyboard);
};

}  // namespace korvel

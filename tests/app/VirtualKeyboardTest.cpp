#include "app/VirtualKeyboard.h"
#include "tests/support/ScopedEnv.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <optional>

using namespace korvel;

namespace {

using Option = VirtualKeyboard::Option;
using Method = VirtualKeyboard::InputMethod;

// Device blocks as the kernel lists them in /proc/bus/input/devices (64-bit words unless noted); the
// laptop keyboard in full, the others without the bus, path and serial lines nothing reads.
const QByteArray lidSwitch = R"dev(N: Name="Lid Switch"
H: Handlers=event0 
B: PROP=0
B: EV=21
B: SW=1
)dev";

const QByteArray powerButton = R"dev(N: Name="Power Button"
H: Handlers=kbd event2 
B: PROP=0
B: EV=3
B: KEY=10000000000000 0
)dev";

const QByteArray touchScreen = R"dev(N: Name="ILITEK ILITEK-TP"
H: Handlers=mouse0 event6 
B: PROP=2
B: EV=1b
B: KEY=400 0 0 0 0 0
B: ABS=260800000000003
B: MSC=20
)dev";

const QByteArray laptopKeyboard = R"dev(I: Bus=0011 Vendor=0001 Product=0001 Version=ab54
N: Name="AT Translated Set 2 keyboard"
P: Phys=isa0060/serio0/input0
S: Sysfs=/devices/platform/i8042/serio0/input/input3
U: Uniq=
H: Handlers=sysrq kbd leds event3 
B: PROP=0
B: EV=120013
B: KEY=402000000 3803078f800d001 feffffdfffefffff fffffffffffffffe
B: MSC=10
B: LED=7
)dev";

// Hot keys of a laptop: kbd handler, no auto-repeat, no letters.
const QByteArray extraButtons = R"dev(N: Name="ThinkPad Extra Buttons"
H: Handlers=rfkill kbd event5 
B: PROP=0
B: EV=33
B: KEY=10040 0 18040000 0 50000000000000 0 1701b02102004 c000280051115000 10e000000000000 0
B: MSC=10
B: SW=8
)dev";

// A hot-key device that does auto-repeat: only the missing letters tell it from a keyboard.
const QByteArray repeatingHotKeys = R"dev(N: Name="Asus WMI hotkeys"
H: Handlers=rfkill kbd event7 
B: PROP=0
B: EV=100013
B: KEY=80000000000000 0 0 0 0 1500b00000c00 78000004000000 0 0
B: MSC=10
)dev";

const QByteArray usbKeyboard = R"dev(N: Name="Logitech USB Keyboard"
H: Handlers=sysrq kbd leds event9 
B: PROP=0
B: EV=120013
B: KEY=1000000000007 ff800000000007ff febeffdff3cfffff fffffffffffffffe
B: MSC=10
B: LED=7
)dev";

// The media keys of the same keyboard: kbd handler, keys, but no auto-repeat.
const QByteArray consumerControl = R"dev(N: Name="Logitech USB Keyboard Consumer Control"
H: Handlers=kbd event10 
B: PROP=0
B: EV=1f
B: KEY=300ff 0 0 0 0 483ffff17aff32d bf54444600000000 1 130c730b17c000 267bfad941dfed 9e168000004400 10000002
B: REL=1040
B: ABS=100000000
B: MSC=10
)dev";

// A Raspberry Pi (32-bit kernel words) with its touch display, and a USB keyboard.
const QByteArray piTouchDisplay = R"dev(N: Name="generic ft5x06 (79)"
H: Handlers=mouse0 event0 
B: PROP=2
B: EV=b
B: KEY=400 0 0 0 0 0 0 0 0 0 0
B: ABS=2608000 3
)dev";

const QByteArray piUsbKeyboard = R"dev(N: Name="HID 04d9:0006"
H: Handlers=sysrq kbd leds event1 
B: PROP=0
B: EV=120013
B: KEY=10000 7 ff800000 7ff febeffdf f3cfffff ffffffff fffffffe
B: MSC=10
B: LED=7
)dev";

QByteArray devices(std::initializer_list<QByteArray> blocks)
{
    QByteArray text;
    for (const QByteArray& block : blocks)
        text += block + '\n';
    return text;
}

}  // namespace

TEST(VirtualKeyboard, PhysicalKeyboardsAreToldFromButtonsAndSwitches)
{
    // Repeat and letters without a kbd handler: beside a power button (kbd, keys, no repeat) the
    // two would look like one keyboard if facts leaked from one block into the next.
    QByteArray lettersWithoutKbd = laptopKeyboard;
    lettersWithoutKbd.replace("H: Handlers=sysrq kbd leds event3", "H: Handlers=event3");
    const struct {
        const char* name;
        QByteArray devices;
        bool keyboard;
    } cases[] = {
        {"touch panel: power button and touch screen", devices({powerButton, touchScreen}), false},
        {"laptop with its built-in keyboard", devices({lidSwitch, powerButton, laptopKeyboard, extraButtons}), true},
        {"laptop hot keys alone", devices({lidSwitch, powerButton, extraButtons}), false},
        {"hot keys that repeat but have no letters", devices({powerButton, repeatingHotKeys}), false},
        {"a keyboard's media keys without the keyboard", devices({powerButton, consumerControl}), false},
        {"touch panel with a USB keyboard plugged in", devices({powerButton, touchScreen, usbKeyboard, consumerControl}), true},
        {"Raspberry Pi touch display alone (32-bit words)", devices({piTouchDisplay}), false},
        {"Raspberry Pi with a USB keyboard (32-bit words)", devices({piTouchDisplay, piUsbKeyboard}), true},
        {"the keyboard is the last block, without a closing empty line", powerButton + '\n' + laptopKeyboard.trimmed(), true},
        {"no input devices at all", QByteArray(), false},
        {"no facts carried into the next device", devices({powerButton, lettersWithoutKbd}), false},
        {"nor out of the one before", devices({lettersWithoutKbd, powerButton}), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyboard::hasPhysicalKeyboard(c.devices), c.keyboard) << c.name;
}

TEST(VirtualKeyboard, EachFactOfAKeyboardIsNeeded)
{
    // The laptop keyboard with one of its facts taken away at a time.
    const struct {
        const char* name;
        QByteArray from;
        QByteArray to;
    } cases[] = {
        {"no kbd handler", "H: Handlers=sysrq kbd leds event3", "H: Handlers=sysrq leds event3"},
        {"a handler that only starts with kbd", "H: Handlers=sysrq kbd leds event3", "H: Handlers=sysrq kbdx leds event3"},
        {"no auto-repeat", "B: EV=120013", "B: EV=20013"},
        {"no keys", "B: EV=120013", "B: EV=120011"},
        {"no Escape key", "fffffffffffffffe\n", "fffffffffffffffc\n"},
        {"no key bitmask", "B: KEY=402000000 3803078f800d001 feffffdfffefffff fffffffffffffffe\n", ""},
        {"an unreadable event bitmask", "B: EV=120013", "B: EV=zz"},
    };
    ASSERT_TRUE(VirtualKeyboard::hasPhysicalKeyboard(laptopKeyboard));
    for (const auto& c : cases) {
        QByteArray changed = laptopKeyboard;
        changed.replace(c.from, c.to);
        ASSERT_NE(changed, laptopKeyboard) << c.name;
        EXPECT_FALSE(VirtualKeyboard::hasPhysicalKeyboard(changed)) << c.name;
    }
}

TEST(VirtualKeyboard, TheOptionComesFromTheCommandLineThenTheEnvironment)
{
    const struct {
        const char* name;
        QStringList arguments;
        const char* environment;
        Option option;
        bool warns;
    } cases[] = {
        {"nothing given", {"korvel"}, "", Option::Auto, false},
        {"command line on", {"korvel", "--virtual-keyboard=on"}, "", Option::On, false},
        {"command line off, any case", {"korvel", "--virtual-keyboard=OFF"}, "", Option::Off, false},
        {"environment on", {"korvel"}, "on", Option::On, false},
        {"environment with blanks", {"korvel"}, " off ", Option::Off, false},
        {"command line wins over the environment", {"korvel", "--virtual-keyboard=off"}, "on", Option::Off, false},
        {"the last command-line value wins", {"korvel", "--virtual-keyboard=on", "--virtual-keyboard=auto"}, "", Option::Auto, false},
        {"unknown value", {"korvel", "--virtual-keyboard=yes"}, "", Option::Auto, true},
        {"empty command-line value", {"korvel", "--virtual-keyboard="}, "on", Option::Auto, true},
        {"unknown environment value", {"korvel"}, "1", Option::Auto, true},
        {"a similar option is not this one", {"korvel", "--virtual-keyboard-style=on"}, "", Option::Auto, false},
    };
    for (const auto& c : cases) {
        const VirtualKeyboard::OptionChoice choice = VirtualKeyboard::optionFrom(c.arguments, QString::fromLatin1(c.environment));
        EXPECT_EQ(choice.option, c.option) << c.name;
        EXPECT_EQ(!choice.warning.isEmpty(), c.warns) << c.name << ": " << choice.warning.toStdString();
    }
}

TEST(VirtualKeyboard, TheInputMethodFollowsTheOptionAndTheDevices)
{
    const std::optional<QByteArray> unreadable;
    const std::optional<QByteArray> touchOnly = devices({powerButton, touchScreen});
    const std::optional<QByteArray> withKeyboard = devices({powerButton, touchScreen, usbKeyboard});
    const struct {
        const char* name;
        Option option;
        std::optional<QByteArray> devices;
        Method method;
    } cases[] = {
        {"auto, touch only", Option::Auto, touchOnly, Method::VirtualKeyboard},
        {"auto, with a keyboard", Option::Auto, withKeyboard, Method::Platform},
        {"auto, device list unreadable", Option::Auto, unreadable, Method::Platform},
        {"on, with a keyboard", Option::On, withKeyboard, Method::VirtualKeyboard},
        {"on, device list unreadable", Option::On, unreadable, Method::VirtualKeyboard},
        {"off, touch only", Option::Off, touchOnly, Method::Platform},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyboard::chooseInputMethod(c.option, c.devices), c.method) << c.name;
}

TEST(VirtualKeyboard, PreparingTheEnvironmentSetsOrClearsTheInputMethodModule)
{
    test::ScopedEnv module("QT_IM_MODULE");
    const struct {
        const char* name;
        const char* argument;
        const char* sessionModule;  // nullptr: unset
        const char* expected;       // nullptr: unset
    } cases[] = {
        {"on replaces the session's input method", "--virtual-keyboard=on", "ibus", "qtvirtualkeyboard"},
        {"on with none set", "--virtual-keyboard=on", nullptr, "qtvirtualkeyboard"},
        {"off clears the on-screen keyboard the session asked for", "--virtual-keyboard=off", "qtvirtualkeyboard", nullptr},
        {"off keeps another input method", "--virtual-keyboard=off", "ibus", "ibus"},
    };
    for (const auto& c : cases) {
        module.set(c.sessionModule ? std::optional<QByteArray>(c.sessionModule) : std::nullopt);
        VirtualKeyboard::prepareEnvironment({QStringLiteral("korvel"), QString::fromLatin1(c.argument)});
        if (c.expected)
            EXPECT_EQ(qgetenv("QT_IM_MODULE"), QByteArray(c.expected)) << c.name;
        else
            EXPECT_FALSE(qEnvironmentVariableIsSet("QT_IM_MODULE")) << c.name;
        EXPECT_EQ(VirtualKeyboard::isChosen(), c.expected && QByteArray(c.expected) == "qtvirtualkeyboard") << c.name;
    }
}

TEST(VirtualKeyboard, AFieldUnderTheKeyboardIsHidden)
{
    const QRect screen(0, 0, 1280, 800);
    const QRectF keyboard = VirtualKeyboard::expectedKeyboard(screen);
    EXPECT_EQ(keyboard, QRectF(0, 400, 1280, 400)) << "as the default style draws it on 1280 x 800";
    EXPECT_EQ(VirtualKeyboard::expectedKeyboard(QRect(0, 0, 800, 480)), QRectF(0, 230, 800, 250));
    EXPECT_EQ(VirtualKeyboard::expectedKeyboard(QRect(0, 0, 1080, 300)), QRectF(0, 0, 1080, 300)) << "never taller than the screen";
    const struct {
        const char* name;
        QRectF field;
        bool hidden;
    } cases[] = {
        {"a field at the top", {10, 10, 300, 30}, false},
        {"the password prompt's field, just below the middle", {496, 408, 288, 22}, true},
        {"a field ending on the keyboard's top edge", {10, 370, 300, 30}, false},
        {"a field reaching one pixel into the keyboard", {10, 371, 300, 30}, true},
        {"a field at the bottom", {10, 760, 300, 30}, true},
        {"no field", {}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyboard::hidesField(c.field, keyboard), c.hidden) << c.name;
}

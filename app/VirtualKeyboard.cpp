#include "app/VirtualKeyboard.h"
#include "platform/Console.h"

#include <QFile>
#include <QList>

#include <algorithm>

namespace korvel {

namespace {

const QLatin1String optionPrefix("--virtual-keyboard=");

// Bits of the EV bitmask (linux/input-event-codes.h).
constexpr quint64 evKey = 1ull << 0x01;
constexpr quint64 evRep = 1ull << 0x14;
// KEY_ESC (1) up to KEY_S (31): Escape, the digit row, Tab, the top letter row, Enter, Control and
// the start of the home row. Every typing keyboard has them all; no button or hot-key device does.
// This is the lowest word of the KEY bitmask whatever the kernel's word size.
constexpr quint64 mainBlock = 0xFFFFFFFEull;

struct DeviceFacts {
    bool kbdHandler = false;
    std::optional<quint64> events;
    std::optional<quint64> lowestKeys;
};

std::optional<quint64> hexWord(const QByteArray& text)
{
    bool ok = false;
    const quint64 value = text.toULongLong(&ok, 16);
    return ok ? std::optional<quint64>(value) : std::nullopt;
}

bool typesText(const DeviceFacts& device)
{
    return device.kbdHandler && device.events && (*device.events & evKey) && (*device.events & evRep)
           && device.lowestKeys && (*device.lowestKeys & mainBlock) == mainBlock;
}

}  // namespace

std::optional<VirtualKeyboard::Option> VirtualKeyboard::parseOption(const QString& text)
{
    const QString value = text.trimmed().toLower();
    if (value == QLatin1String("on"))
        return Option::On;
    if (value == QLatin1String("off"))
        return Option::Off;
    if (value == QLatin1String("auto"))
        return Option::Auto;
    return std::nullopt;
}

VirtualKeyboard::OptionChoice VirtualKeyboard::optionFrom(const QStringList& arguments, const QString& environmentValue)
{
    std::optional<QString> given;
    QString source;
    for (const QString& argument : arguments) {
        if (argument.startsWith(optionPrefix)) {
            given = argument.mid(optionPrefix.size());
            source = QStringLiteral("--virtual-keyboard");
        }
    }
    if (!given && !environmentValue.isEmpty()) {
        given = environmentValue;
        source = QStringLiteral("KORVEL_VIRTUAL_KEYBOARD");
    }
    if (!given)
        return {};
    if (const std::optional<Option> option = parseOption(*given))
        return {*option, QString()};
    return {Option::Auto, QStringLiteral("%1: \"%2\" is not on, off or auto; using auto").arg(source, *given)};
}

bool VirtualKeyboard::hasPhysicalKeyboard(const QByteArray& inputDevices)
{
    // Blocks of "X: ..." lines, one block per device, separated by empty lines.
    DeviceFacts device;
    const QList<QByteArray> lines = inputDevices.split('\n');
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty()) {
            if (typesText(device))
                return true;
            device = DeviceFacts();
            continue;
        }
        if (line.startsWith("H: Handlers=")) {
            const QList<QByteArray> handlers = line.mid(12).simplified().split(' ');
            device.kbdHandler = handlers.contains("kbd");
        } else if (line.startsWith("B: EV=")) {
            device.events = hexWord(line.mid(6));
        } else if (line.startsWith("B: KEY=")) {
            // Words from the highest bits to the lowest; the main block is in the last one.
            const QList<QByteArray> words = line.mid(7).simplified().split(' ');
            device.lowestKeys = hexWord(words.last());
        }
    }
    return typesText(device);
}

VirtualKeyboard::InputMethod VirtualKeyboard::chooseInputMethod(Option option, const std::optional<QByteArray>& inputDevices)
{
    switch (option) {
    case Option::On:
        return InputMethod::VirtualKeyboard;
    case Option::Off:
        return InputMethod::Platform;
    case Option::Auto:
        break;
    }
    if (!inputDevices)
        return InputMethod::Platform;
    return hasPhysicalKeyboard(*inputDevices) ? InputMethod::Platform : InputMethod::VirtualKeyboard;
}

VirtualKeyboard::InputMethod VirtualKeyboard::prepareEnvironment(const QStringList& arguments)
{
    const OptionChoice choice = optionFrom(arguments, qEnvironmentVariable("KORVEL_VIRTUAL_KEYBOARD"));
    if (!choice.warning.isEmpty())
        qCWarning(console).noquote() << choice.warning;
    std::optional<QByteArray> devices;
    // Files under /proc report no size: read until the end rather than trusting size().
    QFile list(QStringLiteral("/proc/bus/input/devices"));
    if (choice.option == Option::Auto && list.open(QIODevice::ReadOnly))
        devices = list.readAll();
    const InputMethod method = chooseInputMethod(choice.option, devices);
    switch (method) {
    case InputMethod::VirtualKeyboard:
        qputenv("QT_IM_MODULE", moduleName);
        break;
    case InputMethod::Platform:
        // "off" means off, even when the session asked for the on-screen keyboard; otherwise the
        // session's own input method stays.
        if (choice.option == Option::Off && qgetenv("QT_IM_MODULE") == moduleName)
            qunsetenv("QT_IM_MODULE");
        break;
    }
    return method;
}

bool VirtualKeyboard::isChosen()
{
    return qgetenv("QT_IM_MODULE") == moduleName;
}

QRectF VirtualKeyboard::expectedKeyboard(const QRect& screen)
{
    const qreal height = std::min<qreal>(screen.width() * 0.3125, screen.height());
    return {qreal(screen.x()), screen.y() + screen.height() - height, qreal(screen.width()), height};
}

bool VirtualKeyboard::hidesField(const QRectF& field, const QRectF& keyboard)
{
    return !field.isEmpty() && !keyboard.isEmpty() && field.intersects(keyboard);
}

QStringList VirtualKeyboard::builtInLayouts()
{
    static const QStringList layouts = QStringLiteral(
        "ar_AR bg_BG cs_CZ da_DK de_DE el_GR en_GB en_US es_ES es_MX et_EE fa_FA fi_FI fr_CA fr_FR he_IL hi_IN hr_HR "
        "hu_HU id_ID it_IT ms_MY nb_NO nl_NL pl_PL pt_BR pt_PT ro_RO ru_RU sk_SK sl_SI sq_AL sr_SP sv_SE tr_TR uk_UA vi_VN")
                                           .split(QLatin1Char(' '));
    return layouts;
}

}  // namespace korvel

#include "app/CommandLine.h"

#include "platform/Version.h"

namespace korvel {

namespace {

// Korvel's own options, then the toolkit's generic ones that a session may pass (Qt reads them
// from the same command line, with one dash or two).
const char* const ownValueOptions[] = {"--home", "--rotate", "--cloud-service"};
const char* const ownFlags[] = {"--no-journal"};
const char* const ownAssignedOnly[] = {"--virtual-keyboard"};
const char* const qtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                      "qwindowtitle", "qwindowicon", "style", "stylesheet", "display", "session", "name"};
const char* const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// "--name=value" or "--name": the name part.
QString optionName(const QString& argument)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    return equals < 0 ? argument : argument.left(equals);
}

template <size_t N>
bool isOneOf(const QString& name, const char* const (&list)[N])
{
    for (const char* known : list) {
        if (name == QLatin1String(known))
            return true;
    }
    return false;
}

}  // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine result;
    const auto refuse = [&result](const QString& problem) {
        result.request = Request::Refuse;
        result.problem = problem;
        return result;
    };
    bool help = false;
    bool version = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            help = true;
            continue;
        }
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            version = true;
            continue;
        }
        // An address of the program's own scheme, handed over by the desktop.
        if (argument.startsWith(QLatin1String("korvel:")))
            continue;
        if (!argument.startsWith(QLatin1Char('-')))
            return refuse(QStringLiteral("unexpected argument \"%1\"").arg(argument));
        const QString name = optionName(argument);
        const bool assigned = name.size() != argument.size();
        if (isOneOf(name, ownFlags) && !assigned)
            continue;
        if (isOneOf(name, ownAssignedOnly) && assigned)
            continue;
        // The toolkit's options, "-style fusion" or "--style=fusion".
        const QString bare = name.startsWith(QLatin1String("--")) ? name.mid(2) : name.mid(1);
        if (isOneOf(bare, qtFlags) && !assigned)
            continue;
        const bool ownValue = isOneOf(name, ownValueOptions);
        if (ownValue || isOneOf(bare, qtValueOptions)) {
            if (assigned)
                continue;
            if (i + 1 >= arguments.size())
                return refuse(QStringLiteral("%1 needs a value").arg(name));
            ++i;
            continue;
        }
        return refuse(QStringLiteral("unknown option \"%1\"").arg(argument));
    }
    // Asking how to use it wins over anything else on the line.
    if (help)
        result.request = Request::Help;
    else if (version)
        result.request = Request::Version;
    return result;
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: korvel [OPTIONS] [korvel:ADDRESS]\n"
        "\n"
        "Locked-down kiosk web browser: a home screen of the websites an administrator allowed and a\n"
        "browser that refuses every other address. A korvel: ADDRESS opens that address under the\n"
        "policy, in the Korvel already running on the same home when there is one.\n"
        "\n"
        "Options:\n"
        "  --home DIR                  keep everything under DIR (default: $KORVEL_HOME, else the XDG\n"
        "                              data, config and cache directories)\n"
        "  --rotate TURN               on X, turn the display and its touch screens: normal, left,\n"
        "                              right or inverted (default: as the \"Browser Orientation\"\n"
        "                              preference asks)\n"
        "  --cloud-service URL         the cloud settings service (default: $KORVEL_CLOUD_SERVICE, else\n"
        "                              the managed configuration's CloudService)\n"
        "  --virtual-keyboard=on|off|auto\n"
        "                              the on-screen keyboard (default: $KORVEL_VIRTUAL_KEYBOARD, else\n"
        "                              auto: on when no typing keyboard is connected)\n"
        "  --no-journal                keep the event log on the device only\n"
        "  -h, --help                  show this help and exit\n"
        "  -v, --version               show the version and exit\n"
        "\n"
        "The toolkit's own options (-platform NAME, -style NAME, ...) are passed on.\n"
        "Environment: KORVEL_HOME, KORVEL_RENDER=gpu|software|auto, KORVEL_JOURNAL=off,\n"
        "KORVEL_MANAGED_CONFIG, KORVEL_REACHABILITY_HOST, KORVEL_FAVICON_SERVICE. See korvel(1).\n"
        "\n"
        "Exit status: 0 when ended by SIGTERM or SIGINT, 2 for a bad command line.\n");
}

QString CommandLine::versionText()
{
    return QStringLiteral("korvel %1 (build %2)\n").arg(QLatin1String(version::shortVersion), QLatin1String(version::buildNumber));
}

}  // namespace korvel

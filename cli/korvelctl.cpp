#include "cli/PrefCommand.h"
#include "platform/Paths.h"
#include "platform/Version.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

const char* usage =
    "Usage: korvelctl [--home DIR] COMMAND\n"
    "\n"
    "Administers a Korvel home directory without a display.\n"
    "\n"
    "Options:\n"
    "  --home DIR       the Korvel home directory (default: $KORVEL_HOME, else the XDG directories)\n"
    "  -h, --help       show this help\n"
    "  -v, --version    show the version\n"
    "\n"
    "Commands:\n"
    "  pref get KEY         print one browser preference\n"
    "  pref set KEY VALUE   change one browser preference (typed: true/false, integers, text,\n"
    "                       times as \"09:30 AM\", days as \"Mon,Tue,Fri\")\n"
    "  pref list            print every browser preference as KEY = VALUE\n"
    "\n"
    "Exit status: 0 on success, 1 when the settings could not be saved, 2 for bad usage or values.\n";

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (!korvel::Paths::configureFromArguments(arguments)) {
        err << "korvelctl: --home needs a directory\n";
        return 2;
    }
    QStringList command;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--home")) {
            ++i;
            continue;
        }
        if (a.startsWith(QLatin1String("--home=")))
            continue;
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            out << usage;
            return 0;
        }
        if (a == QLatin1String("-v") || a == QLatin1String("--version")) {
            out << "korvelctl " << korvel::version::shortVersion << " (build " << korvel::version::buildNumber << ")\n";
            return 0;
        }
        command.append(a);
    }

    if (command.isEmpty()) {
        err << usage;
        return 2;
    }
    if (command.first() == QLatin1String("pref"))
        return korvel::runPrefCommand(command.mid(1), out, err);

    err << "korvelctl: unknown command \"" << command.first() << "\"; see korvelctl --help\n";
    return 2;
}

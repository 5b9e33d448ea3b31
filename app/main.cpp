#include "app/KVAppDelegate.h"
#include "app/SchemeHandler.h"
#include "app/ServiceWatchdog.h"
#include "app/UnixSignalWatcher.h"
#include "app/VirtualKeyboard.h"
#include "app/ui/KVApplication.h"
#include "app/ui/KioskInput.h"
#include "app/ui/KorvelShell.h"
#include "app/ui/SingleInstance.h"
#include "browser/ui/KorvelWebEngine.h"
#include "log/JournalForwarder.h"
#include "log/KVLog.h"
#include "platform/Paths.h"
#include "transfer/CloudService.h"

#include <QStandardPaths>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    using namespace korvel;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (!Paths::configureFromArguments(arguments)) {
        std::fprintf(stderr, "korvel: --home needs a directory\n");
        return 2;
    }
    if (!CloudService::configureFromArguments(arguments)) {
        std::fprintf(stderr, "korvel: --cloud-service needs the service's address\n");
        return 2;
    }
    // The service's address is ours alone; the web engine never sees it as a switch or a page.
    for (qsizetype i = arguments.size() - 1; i >= 1; --i) {
        if (arguments.at(i) == QLatin1String(CloudService::optionName) && i + 1 < arguments.size())
            arguments.remove(i, 2);
        else if (arguments.at(i).startsWith(QLatin1String(CloudService::optionName) + QLatin1Char('=')))
            arguments.remove(i);
    }
    QString openedURL;
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1String("korvel:")))
            openedURL = argument;
        // The event log stays on the device only.
        if (argument == QLatin1String("--no-journal"))
            JournalForwarder::setEnabled(false);
    }

    // Before the application object: the program's own scheme, and an engine command line without
    // developer tools or other ways out.
    KorvelWebEngine::registerSchemes();
    ArgumentVector kept(KorvelWebEngine::prepareEnvironment(arguments));
    VirtualKeyboard::prepareEnvironment(arguments);

    KVApplication application(kept.argc(), kept.argv());

    // A second start only hands its address to the Korvel already running on this home.
    SingleInstance instance(Paths::home().isEmpty() ? Paths::defaultsFile() : Paths::home());
    if (instance.sendToRunning(openedURL.isEmpty() ? QStringLiteral("korvel:") : openedURL))
        return 0;
    instance.listen();
    KioskInput::install();

    // "korvel:" links anywhere on the desktop reach this instance: the entry starts korvel on the
    // same home, and a running one takes the address over.
    QStringList command{QCoreApplication::applicationFilePath()};
    if (!Paths::home().isEmpty())
        command << QStringLiteral("--home") << Paths::home();
    QString registrationError;
    if (!SchemeHandler::registerHandler(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                                        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                                        command, &registrationError))
        std::fprintf(stderr, "korvel: not registered for korvel: addresses: %s\n", qPrintable(registrationError));

    UnixSignalWatcher signals({SIGTERM, SIGINT});
    // exit(), not quit(): the kiosk window refuses to close, and quit() would ask it to.
    QObject::connect(&signals, &UnixSignalWatcher::received, &application, [] { QCoreApplication::exit(0); });

    // Before any window or web view: the first window is made ready for the path, never re-made.
    const RenderChoice render = KorvelWebEngine::chooseRenderPath();

    KorvelShell shell;
    // The log opens with the shell's launch sequence.
    KVLog(QStringLiteral("App General"), QStringLiteral("%@"), RenderPathRule::logLine(render));
    QObject::connect(&instance, &SingleInstance::messageReceived, &shell.delegate(), &KVAppDelegate::openURL);
    // systemd hears when the first screen is painted and, while the main loop turns, that it does.
    ServiceWatchdog watchdog;
    watchdog.start();
    shell.whenFirstPainted([&watchdog] { watchdog.ready(); });
    shell.show();
    if (!openedURL.isEmpty())
        shell.delegate().openURL(openedURL);

    const int code = application.exec();
    shell.delegate().applicationWillTerminate();
    return code;
}

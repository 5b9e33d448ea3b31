#include "app/CommandLine.h"
#include "app/KVAppDelegate.h"
#include "app/DisplayRotator.h"
#include "browser/EngineSandbox.h"
#include "app/SchemeHandler.h"
#include "app/ServiceWatchdog.h"
#include "app/UnixSignalWatcher.h"
#include "app/VirtualKeyboard.h"
#include "app/ui/KVApplication.h"
#include "app/ui/RemoteKiosk.h"
#include "app/ui/KioskInput.h"
#include "app/ui/KorvelShell.h"
#include "app/ui/SingleInstance.h"
#include "browser/ui/DailyRestartPerformer.h"
#include "browser/EngineFlags.h"
#include "browser/EngineHardening.h"
#include "browser/ui/EngineProfiles.h"
#include "browser/ui/KorvelWebEngine.h"
#include "control/HomeLock.h"
#include "log/JournalForwarder.h"
#include "log/KVLog.h"
#include "platform/AtomicFile.h"
#include "platform/Timer.h"
#include "platform/Paths.h"
#include "platform/ProcessHeap.h"
#include "platform/SessionBus.h"
#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"
#include "settings/SettingsFingerprint.h"
#include "platform/Version.h"
#include "transfer/CloudService.h"

#include <QGuiApplication>
#include <QStandardPaths>
#include <QThread>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

#include <csignal>
#include <unistd.h>
#include <cstdio>

int main(int argc, char** argv)
{
    using namespace korvel;
    // Before the first thread.
    if (!ProcessHeap::limitArenas())
        std::fprintf(stderr, "korvel: the C library refused a limit on its memory arenas\n");
    // A file-size limit fails a write, reported as a failure, instead of ending the kiosk.
    AtomicFile::ignoreFileSizeSignal();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Before anything that needs a display, a home or the engine.
    const CommandLine commandLine = CommandLine::parse(arguments);
    switch (commandLine.request) {
    case CommandLine::Request::Help:
        std::fputs(qPrintable(CommandLine::usage()), stdout);
        return 0;
    case CommandLine::Request::Version:
        std::fputs(qPrintable(CommandLine::versionText()), stdout);
        std::printf("Qt WebEngine %s (Chromium %s)\n", qWebEngineVersion(), qWebEngineChromiumVersion());
        return 0;
    case CommandLine::Request::Refuse:
        std::fprintf(stderr, "korvel: %s; see korvel --help\n", qPrintable(commandLine.problem));
        return 2;
    case CommandLine::Request::Run:
        break;
    }
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
    // --rotate normal|left|right|inverted: the session's turn of the display, over the preference.
    std::optional<DisplayRotation::Rotation> rotation;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QString value = argument == QLatin1String("--rotate") ? arguments.value(i + 1)
                              : argument.startsWith(QLatin1String("--rotate=")) ? argument.mid(9)
                                                                                : QString();
        if (argument != QLatin1String("--rotate") && !argument.startsWith(QLatin1String("--rotate=")))
            continue;
        rotation = DisplayRotation::parse(value);
        if (!rotation) {
            std::fprintf(stderr, "korvel: --rotate takes normal, left, right or inverted\n");
            return 2;
        }
    }
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1String("korvel:")))
            openedURL = argument;
        // The event log stays on the device only.
        if (argument == QLatin1String("--no-journal"))
            JournalForwarder::setEnabled(false);
    }

    // What turns the engine's sandbox off, as the start found it (before the switches are sanitised).
    QMap<QString, QString> sandboxEnvironment;
    for (const char* name : {"QTWEBENGINE_DISABLE_SANDBOX", "QTWEBENGINE_CHROMIUM_FLAGS"}) {
        if (qEnvironmentVariableIsSet(name))
            sandboxEnvironment.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
    }
    const QStringList startArguments = arguments;
    // Remote debugging is refused however it is asked for; the log says that it was asked.
    QStringList refusedSwitches;
    if (qEnvironmentVariableIsSet("QTWEBENGINE_REMOTE_DEBUGGING"))
        refusedSwitches << QStringLiteral("QTWEBENGINE_REMOTE_DEBUGGING=") + qEnvironmentVariable("QTWEBENGINE_REMOTE_DEBUGGING");
    for (const QString& argument : arguments + qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (EngineFlags::isDangerous(argument))
            refusedSwitches << argument;
    }
    // Before the application object: the program's own scheme, and an engine command line without
    // developer tools or other ways out.
    KorvelWebEngine::registerSchemes();
    ArgumentVector kept(KorvelWebEngine::prepareEnvironment(arguments));
    VirtualKeyboard::prepareEnvironment(arguments);

    // The screensaver's videos are decoded by FFmpeg's libraries (already there for the engine),
    // not by GStreamer, whose codec plugins a kiosk image rarely carries.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    // Without a session bus the D-Bus library would fork dbus-launch for each of the engine's
    // attempts to reach one (a few for every video played) and keep a little of each.
    SessionBus::prepareEnvironment();
    KVApplication application(kept.argc(), kept.argv());

    // A second start only hands its address to the Korvel already running on this home.
    SingleInstance instance(Paths::home().isEmpty() ? Paths::defaultsFile() : Paths::home());
    if (instance.sendToRunning(openedURL.isEmpty() ? QStringLiteral("korvel:") : openedURL))
        return 0;
    // One writer of the home's settings: a second Korvel that could not hand over does not start.
    // korvelctl holds the lock only while it writes, so it is waited for a little.
    HomeLock homeLock(Paths::lockFile());
    for (int attempt = 0; !homeLock.tryLock(); ++attempt) {
        if (attempt == 50) {
            std::fprintf(stderr, "korvel: another Korvel runs on this home (%s)\n", qPrintable(homeLock.errorString()));
            return 1;
        }
        QThread::msleep(100);
    }
    instance.listen();
    KioskInput::install();
    // Writes a kill or a power cut interrupted left hidden temporary files; with the lock held none
    // is under way.
    int leftovers = 0;
    const Paths::WrittenFolders written = Paths::writtenFolders();
    for (const QString& folder : written.alone)
        leftovers += AtomicFile::sweepLeftovers(folder, AtomicFile::Sweep::ThisFolder);
    for (const QString& folder : written.withSubfolders)
        leftovers += AtomicFile::sweepLeftovers(folder, AtomicFile::Sweep::WithSubfolders);

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
    // The engine reads its switches when the first profile is made, after this.
    const EngineHardening hardening = EngineHardening::from(KVSettings::getSettingsObject().kvBrowPref);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", hardening.appliedTo(qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS")).toUtf8());

    KorvelShell shell;
    RemoteKiosk::setRenderPath(RenderPathRule::logLine(render));
    // "RestartDailyAt": a fresh kiosk each day, at a moment nobody uses it.
    DailyRestartPerformer dailyRestart;
    // korvelctl's commands reach this kiosk from here on.
    shell.delegate().listenForControl();
    // The log opens with the shell's launch sequence. One line says what runs, on which engine and
    // render path, with which settings, so a fleet's journal tells its kiosks apart.
    KVLog(QStringLiteral("App General"), QStringLiteral("Start: Korvel %@ (build %@), Qt WebEngine %@ (Chromium %@), %@, settings %@"),
          QString::fromLatin1(version::shortVersion), QString::fromLatin1(version::buildNumber), QString::fromLatin1(qWebEngineVersion()),
          QString::fromLatin1(qWebEngineChromiumVersion()), RenderPathRule::logLine(render),
          SettingsFingerprint::of(UserDefaults::standard().applicationDomain()));
    KVLog(QStringLiteral("App General"), QStringLiteral("Engine hardening: %@"), hardening.describe().join(QStringLiteral(", ")));
    if (leftovers > 0)
        KVLog(QStringLiteral("App General"), QStringLiteral("Removed %@ temporary files of writes a stop interrupted"), QString::number(leftovers));
    for (const QString& refused : std::as_const(refusedSwitches))
        KVLog(QStringLiteral("App General"), QStringLiteral("Refused engine switch: %@"), refused);
    for (const QString& warning : EngineSandbox::startWarnings(::geteuid(), startArguments, sandboxEnvironment)) {
        std::fprintf(stderr, "korvel: warning: %s\n", qPrintable(warning));
        KVLog(QStringLiteral("App General"), QStringLiteral("Warning: %@"), warning);
    }
    // The renderers start with the first page: their confinement is read from /proc once one runs.
    Timer sandboxWatch;
    int sandboxLooks = 0;
    QObject::connect(&sandboxWatch, &Timer::timeout, &application, [&sandboxWatch, &sandboxLooks] {
        const SandboxObservation seen = EngineSandbox::observe(EngineProfiles::instance().rendererPids());
        if (seen.state == SandboxState::NoRenderer && ++sandboxLooks < 60)
            return;
        sandboxWatch.stop();
        KVLog(QStringLiteral("App General"), QStringLiteral("Engine sandbox: %@"), seen.describe());
        if (seen.state != SandboxState::On)
            std::fprintf(stderr, "korvel: warning: the web engine's renderers are not sandboxed: %s\n", qPrintable(seen.describe()));
    });
    sandboxWatch.start(std::chrono::seconds(1));
    QObject::connect(&instance, &SingleInstance::messageReceived, &shell.delegate(), &KVAppDelegate::openURL);
    // On X the kiosk turns the display and its touch screens itself, at the start and whenever the
    // preference changes; under Wayland the compositor does (the kiosk session starts it turned).
    DisplayRotator rotator;
    qint32 turnedFor = -1;
    const auto turn = [&] {
        const qint32 wanted = KVSettings::getSettingsObject().kvBrowPref.browserOrientation;
        // Inside a Wayland compositor (Xwayland included) the compositor owns the output's turn.
        if (QGuiApplication::platformName() != QLatin1String("xcb") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || wanted == turnedFor)
            return;
        turnedFor = wanted;
        // Any orientation will do: the display is left as it is, and the start spawns nothing.
        if (wanted == 0 && !rotation)
            return;
        QString error;
        if (const auto applied = rotator.apply(wanted, rotation, &error))
            KVLog(QStringLiteral("App General"), QStringLiteral("Display turned: %@"), DisplayRotation::name(*applied));
        else
            KVLog(QStringLiteral("App General"), QStringLiteral("Display not turned: %@"), error);
    };
    turn();
    QObject::connect(&UserDefaults::standard(), &UserDefaults::changed, &application, turn);

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

#pragma once

#include "browser/MotionDetector.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

namespace korvel {

class ControlPerformer;
class ControlServer;
class MqttLink;
class RemoteServer;
struct ControlCommand;
class KVServerStarter;
class StartSiteGuard;

class KVDatabase;
class Reachability;
class KVSettings;
class UploadServerControl;
class UserDefaults;

// Holds the long-lived objects of the process and runs the launch sequence.
class KVAppDelegate final : public QObject, public MotionDetectorDelegate {
    Q_OBJECT
public:
    static constexpr const char* firstTimeInstalledKey = "FirstTimeInstalled";

    explicit KVAppDelegate(QObject* parent = nullptr);
    ~KVAppDelegate() override;

    // The delegate stored by the launch sequence; nullptr before it.
    static KVAppDelegate* getAppDelegate();

    static constexpr const char* defaultUserAgent =
        "Mozilla/5.0 (iPhone; CPU iPhone OS 11_0 like Mac OS X) AppleWebKit/604.1.38 (KHTML, like Gecko) "
        "Version/11.0 Mobile/15A372 Safari/604.1";

    // The launch sequence. Always returns true.
    bool didFinishLaunching();
    // The six files of the built-in home page, copied into the documents directory at every launch
    // so that the copies always match the installed version.
    static const QStringList& homeWebPageResources();
    void copyHomeWebPageToDocumentDirectory();
    // Registers the default user agent.
    void addAgent();
    // An address of the program's own scheme, handed over by another program: the target is kept in
    // externalURL and announced ("ExternalURL") when it names one and a website is allowed.
    void openURL(const QString& url);

    std::optional<QUrl> externalURL;
    // Watches the network for the browser windows ("kReachabilityChangedNotification").
    std::unique_ptr<Reachability> reachability;
    // The public host whose reachability stands for "the network": $KORVEL_REACHABILITY_HOST, else
    // a well-known site.
    static QString reachabilityHost();

    // Leaving and returning to the foreground (the window hidden, minimised or the session locked).
    void applicationDidEnterBackground();
    void applicationWillEnterForeground();
    // The kiosk loses the focus (another window, a locked session): the screen gets back the
    // brightness it had at launch, whatever dimming did since.
    void applicationWillResignActive();
    // Low memory: the engine's caches are emptied, then the warning is logged.
    void applicationDidReceiveMemoryWarning();
    // Midnight or a changed clock: the power saver's schedule is looked at again.
    void applicationSignificantTimeChange();
    // The process is ending (SIGTERM, SIGINT): the screen's power state is put back.
    void applicationWillTerminate();

    // What the screens do for the lifecycle, installed by the shell; each may be empty.
    std::function<void()> returnToRoot;       // the navigation stack back to its root, no animation
    std::function<void()> dismissVisibleAlert;
    std::function<void()> clearBrowserCache;
    std::function<void()> powerSaverModeSwitch;  // the home screen's, once it has a power saver
    std::function<void()> powerStateOff;

    // The stored settings the upload server works with, handed to it now.
    void serverSettingsChanged();
    // The managed configuration is looked at after every change of the defaults store; a new
    // settings document is taken in, announced for two seconds, and the visible screen rebuilt.
    // While the settings are open (state 1) the check waits for settingsClosed().
    void defaultsChanged();
    // The administrator opened or left the settings: the automatic import pauses meanwhile, and
    // what waited (an import, a managed configuration) runs when they close.
    void settingsOpened();
    void settingsClosed();
    // Shows a message without buttons for a while (the shell's); empty in tests without screens.
    std::function<void(const QString& text, int seconds)> showMessage;
    // Runs the visible main screen's viewDidLoad and viewWillAppear again.
    std::function<void()> rebuildVisibleScreen;

    // Starts the upload server on the preference's port when its switch is on, and logs the outcome.
    void startServerIfSwitchedOn();

    // Takes commands on the home's control socket (korvelctl's way in while Korvel runs) and
    // performs them here, so that what depends on the settings follows at once. False, with the
    // reason on stderr, when the socket cannot be made. The caller holds the home's lock.
    bool listenForControl();
    // What follows a command that changed the settings: the upload server, the automatic
    // import's timer and the visible screen take the new settings.
    void followCommand(const ControlCommand& command);
    // The remote control API as "RemoteControl", "RemoteControlAddress" and "RemoteControlPort"
    // say now: started, moved or stopped.
    void followRemoteControl();
    // The MQTT link as "Mqtt" and its preferences say now: started, moved or stopped.
    void followMqtt();
    // The running kiosk's status (its screens'), for what publishes it; empty without screens.
    std::function<QJsonObject()> kioskStatus;
    // Shows the new settings on the visible screen when it is one that lists them (the shell's).
    std::function<void()> refreshVisibleScreen;
    // The self-test's report of this session (the shell's: it knows the window system), sent to
    // korvelctl for the command "selftest".
    std::function<QJsonObject()> lockdownReport;
    // From now on the upload server follows every change of the stored settings at once: its
    // access code, its TLS switch (a running server starts again) and the names of the settings
    // documents the imports read, whoever changed them (a screen, an import, korvelctl).
    void followServerSettings();
    // Starts the automatic import's timer unless it runs.
    void startAutoImport();
    // The screens back to their start: the home screen made anew, or the welcome screen.
    std::function<void()> returnToStart;

    // Motion lock: detection runs only with "Motion Detection" on, on a device with a mobile data
    // modem, in the foreground and outside the settings.
    void startActivityUpdates();
    void stopActivityUpdates();
    void checkForMotionActivity();
    // The detector's report: the configured class locks the screen, not moving unlocks it.
    void motionTypeChanged(MotionDetector* detector, MotionClass motionType) override;
    // The shell's overlay over the visible screen, shown (true) or removed; may be empty.
    std::function<void(bool shown)> showDrivingModeView;
    bool isDrivingViewAdded = false;
    // The shared detector unless a test sets its own.
    MotionDetector* motionDetector = nullptr;

    KVSettings* kvSettings = nullptr;
    // The upload server; the shared one from launch on (tests may put their own here).
    KVServerStarter* kvServer = nullptr;
    // kvServer as the imports and the reset stop and restart it.
    std::unique_ptr<UploadServerControl> serverControl;
    KVDatabase* kvdatabase = nullptr;
    qint32 state = 0;  // 1 while the settings menu is on screen
    bool powerSaveOn = false;
    double screenBrightness = 1.0;  // read at launch

private:
    static void installTerminateHandler();
    // The first start's password step; the line to log once the log is open.
    static QString firstStartPassword(UserDefaults& defaults);

    bool m_managedCheckWaits = false;
    bool m_managedStartCheck = true;
    StartSiteGuard* m_startSiteGuard = nullptr;
    ControlPerformer* m_performer = nullptr;
    ControlServer* m_control = nullptr;
    std::unique_ptr<RemoteServer> m_remote;
    QString m_remoteListening;  // "address port" the API listens on; empty while it does not
    std::unique_ptr<MqttLink> m_mqtt;
    QString m_mqttWanted;  // the settings the link runs with; empty while it does not
};

}  // namespace korvel

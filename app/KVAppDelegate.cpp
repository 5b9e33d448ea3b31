#include "app/KVAppDelegate.h"

#include "app/ExternalURL.h"
#include "control/ControlPerformer.h"
#include "control/ControlServer.h"
#include "remote/net/MqttLink.h"
#include "remote/net/RemoteServer.h"
#include "platform/Version.h"
#include "platform/KioskCounters.h"
#include "browser/HandedOverAddress.h"
#include "app/StarterServerControl.h"
#include "browser/MotionClassifier.h"
#include "browser/MotionType.h"
#include "files/KVServerStarter.h"
#include "files/DownloadFiles.h"
#include "platform/Console.h"
#include "transfer/ManagedConfiguration.h"
#include "log/KVDatabase.h"
#include "log/KVLog.h"
#include "log/LogMail.h"
#include "platform/FormatString.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Paths.h"
#include "platform/Device.h"
#include "platform/Reachability.h"
#include "log/KVLogger.h"
#include "log/PreferenceChangeLog.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/PasswordStore.h"
#include "transfer/ImportExport.h"
#include "transfer/KVAutoImport.h"
#include "transfer/SettingsDocument.h"
#include "transfer/StartSiteGuard.h"

#include <QJsonDocument>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSysInfo>

#include <cstdio>
#include <exception>
#include <typeinfo>
#include <utility>

namespace korvel {

namespace {

KVAppDelegate* sharedDelegate = nullptr;

}  // namespace

KVAppDelegate::KVAppDelegate(QObject* parent)
    : QObject(parent)
{
}

KVAppDelegate::~KVAppDelegate()
{
    if (reachability)
        reachability->stopNotifier();
    if (sharedDelegate == this)
        sharedDelegate = nullptr;
    if (serverControl)
        ImportExport::setServerControl(nullptr);
    if (m_startSiteGuard)
        ImportExport::setImportObserver({});
    // The worker outlives this delegate; its timer must not outlive the clock it was armed on.
    if (sharedDelegate == nullptr && KVAutoImport::getAutoImportObject().caseState() == 1)
        KVAutoImport::getAutoImportObject().stop();
}

KVAppDelegate* KVAppDelegate::getAppDelegate()
{
    return sharedDelegate;
}

const QStringList& KVAppDelegate::homeWebPageResources()
{
    return Paths::homePageResources();
}

void KVAppDelegate::copyHomeWebPageToDocumentDirectory()
{
    const QString documents = Paths::documentsDirectory();
    for (const QString& name : homeWebPageResources()) {
        const QString destination = documents + QLatin1Char('/') + name;
        if (QFileInfo::exists(destination) && !QFile::remove(destination))
            qCWarning(console).noquote() << formatString(QStringLiteral("Error on removing file: %@"), destination);
        if (!QFile::copy(Paths::resourceFile(name), destination))
            qCWarning(console).noquote() << formatString(QStringLiteral("Error on copying file: %@"), name);
    }
}

void KVAppDelegate::defaultsChanged()
{
    // A new managed configuration does not change the settings under the administrator's hands:
    // it waits until the settings close (settingsClosed() looks again).
    if (state == 1) {
        m_managedCheckWaits = true;
        return;
    }
    m_managedCheckWaits = false;
    KVSettings& settings = KVSettings::getSettingsObject();
    // The first look after the start is where an enforced configuration wins over local changes.
    const ManagedConfiguration::Occasion occasion =
        std::exchange(m_managedStartCheck, false) ? ManagedConfiguration::Occasion::Start : ManagedConfiguration::Occasion::Change;
    const ManagedConfiguration::Check check = ManagedConfiguration::defaultsChanged(UserDefaults::standard(), occasion);
    for (const QString& line : check.console)
        std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
    if (check.outcome != ManagedConfiguration::Outcome::Imported)
        return;
    if (showMessage)
        showMessage(QStringLiteral("Settings Received From MDM..."), 2);
    if (!settings.allowedWebsites.isEmpty() && rebuildVisibleScreen)
        rebuildVisibleScreen();
}

QString KVAppDelegate::reachabilityHost()
{
    const QString configured = qEnvironmentVariable("KORVEL_REACHABILITY_HOST");
    return configured.isEmpty() ? QStringLiteral("www.debian.org") : configured;
}

bool KVAppDelegate::didFinishLaunching()
{
    copyHomeWebPageToDocumentDirectory();

    reachability.reset(Reachability::reachabilityWithHostName(reachabilityHost()));
    reachability->startNotifier();

    UserDefaults& defaults = UserDefaults::standard();

    // A password an older version kept readable (Base64) becomes a hash before anything reads it.
    QString migration;
    switch (PasswordStore::migrate(defaults)) {
    case PasswordMigration::Migrated:
        migration = QStringLiteral("The administrator password is now kept as an Argon2id hash");
        break;
    case PasswordMigration::Failed:
        migration = QStringLiteral("The administrator password could not be turned into a hash; it is still stored in Base64");
        break;
    case PasswordMigration::Nothing:
    case PasswordMigration::Damaged:
        break;
    }

    // First run: the factory password, unless a password is stored already (set with korvelctl
    // before the first start, as the provisioning steps do). Later launches leave it alone.
    const QString marker = QString::fromLatin1(firstTimeInstalledKey);
    QString firstStart;
    if (!defaults.objectForKey(marker).isValid())
        firstStart = firstStartPassword(defaults);
    defaults.setObject(marker, QStringLiteral("App Already Install.."));
    defaults.synchronize();

    // Queued: the writes of this very launch run the check too, once the launch is done.
    connect(&defaults, &UserDefaults::changed, this, &KVAppDelegate::defaultsChanged, Qt::UniqueConnection);

    kvSettings = &KVSettings::getSettingsObject();

    screenBrightness = Device::current().screenBrightness();
    installTerminateHandler();
    addAgent();

    sharedDelegate = this;

    kvdatabase = &KVDatabase::getDatabaseObject();
    kvdatabase->createTable();
    // Log calls before this point are dropped.
    KVLogger::createDatabase_Tables();
    PreferenceChangeLog::install();
    if (!firstStart.isEmpty())
        KVLog(QStringLiteral("App General"), firstStart);
    if (!migration.isEmpty())
        KVLog(QStringLiteral("Settings"), migration);

    // Written once with whatever is in memory and read back, so a first launch leaves a complete
    // store on disk.
    kvSettings->save();
    kvSettings->load();
    DownloadFiles::cleanUpUnfinishedDownloads(*kvSettings);
    LogMail::removeMailedCopies();

    if (!kvServer)
        kvServer = &KVServerStarter::sharedInstance();
    serverControl = std::make_unique<StarterServerControl>(*kvServer);
    ImportExport::setServerControl(serverControl.get());
    followServerSettings();
    startServerIfSwitchedOn();

    KVLog(QStringLiteral("App General"), QStringLiteral("Korvel Started"));
    // A document taken in by the automatic import may change the motion setting, and brings the
    // screens back to their start.
    connect(&KVAutoImport::getAutoImportObject(), &KVAutoImport::imported, this, [this] {
        checkForMotionActivity();
        if (returnToStart)
            returnToStart();
    });
    // A document from outside that leaves the start website unreachable goes back by itself.
    m_startSiteGuard = new StartSiteGuard([this] { return reachability && reachability->isReachable(); }, this);
    ImportExport::setImportObserver([guard = QPointer<StartSiteGuard>(m_startSiteGuard)](const AppliedImport& applied) {
        KioskCounters::shared().imports++;
        if (guard)
            guard->importApplied(applied);
    });
    connect(m_startSiteGuard, &StartSiteGuard::rolledBack, this, [this] {
        startServerIfSwitchedOn();
        checkForMotionActivity();
        if (state != 1 && returnToStart)
            returnToStart();
    });
    // A restart within the watch (one the broken document may have caused) does not end it.
    m_startSiteGuard->resume();
    startAutoImport();
    startActivityUpdates();
    return true;
}

QString KVAppDelegate::firstStartPassword(UserDefaults& defaults)
{
    switch (PasswordStore::readPassword(defaults).state) {
    case PasswordState::Set:
        return QStringLiteral("First start: the administrator password stored before is kept");
    case PasswordState::Damaged:
        // Replacing it would undo whatever the administrator meant to set; korvelctl mends it.
        return QStringLiteral("First start: the password store is damaged and is left as it is");
    case PasswordState::None:
        break;
    }
    if (!PasswordStore::setPassword(QString::fromLatin1(PasswordStore::factoryPassword)))
        return QStringLiteral("First start: the factory password could not be stored");
    return QStringLiteral("First start: the factory password is set");
}

void KVAppDelegate::settingsOpened()
{
    state = 1;
    // The administrator at the device takes charge: nothing is rolled back under their hands.
    if (m_startSiteGuard)
        m_startSiteGuard->stop();
    KVAutoImport::getAutoImportObject().pause();
}

void KVAppDelegate::settingsClosed()
{
    followRemoteControl();
    state = 0;
    KVAutoImport::getAutoImportObject().resume();
    if (m_managedCheckWaits)
        defaultsChanged();
}

void KVAppDelegate::startAutoImport()
{
    KVAutoImport& autoImport = KVAutoImport::getAutoImportObject();
    if (autoImport.caseState() != 0)
        return;
    KVLog(QStringLiteral("AutoImport"), QStringLiteral("AutoImport initiated"));
    autoImport.start();
}

void KVAppDelegate::applicationDidEnterBackground()
{
    // The automatic import only runs in the foreground.
    if (KVAutoImport::getAutoImportObject().caseState() == 1)
        KVAutoImport::getAutoImportObject().stop();
    // The administrator's visit to the settings ends when the kiosk leaves the foreground.
    if (state == 1 && returnToRoot)
        returnToRoot();
    // The upload server never runs in the background.
    if (kvServer && kvServer->isServerRunning()) {
        kvServer->stopServerConnection();
        KVLog(QStringLiteral("App General"), QStringLiteral("Application Entered Background and server is stoped now"));
    }
    if (dismissVisibleAlert)
        dismissVisibleAlert();
    stopActivityUpdates();
    KVLog(QStringLiteral("App General"), QStringLiteral("Application Entered Background"));
    NotificationCenter::defaultCenter().post(kApplicationDidEnterBackgroundNotification);
}

void KVAppDelegate::applicationWillEnterForeground()
{
    KVLog(QStringLiteral("App General"), QStringLiteral("Application Entered Foreground"));
    startServerIfSwitchedOn();
    startAutoImport();
    startActivityUpdates();
}

namespace {

// The motion lock's two conditions; the modem is asked only when the switch is on.
bool motionLockApplies()
{
    return KVSettings::getSettingsObject().kvBrowPref.enableDrivingMode && Device::current().isCellularDevice();
}

}  // namespace

void KVAppDelegate::startActivityUpdates()
{
    if (!motionLockApplies())
        return;
    if (!motionDetector)
        motionDetector = &MotionDetector::sharedInstance();
    motionDetector->setDelegate(this);
    motionDetector->startDetection();
}

void KVAppDelegate::stopActivityUpdates()
{
    // Whatever the setting says now: an import may just have turned the lock off.
    if (motionDetector)
        motionDetector->stopDetection();
    if (isDrivingViewAdded && !motionLockApplies()) {
        isDrivingViewAdded = false;
        if (showDrivingModeView)
            showDrivingModeView(false);
    }
}

void KVAppDelegate::checkForMotionActivity()
{
    stopActivityUpdates();
    startActivityUpdates();
}

void KVAppDelegate::motionTypeChanged(MotionDetector*, MotionClass motionType)
{
    const qint32 setting = MotionType::getMotionType(KVSettings::getSettingsObject());
    switch (MotionClassifier::lockChange(setting, motionType, isDrivingViewAdded)) {
    case MotionLockChange::Lock:
        isDrivingViewAdded = true;
        if (showDrivingModeView)
            showDrivingModeView(true);
        break;
    case MotionLockChange::Unlock:
        isDrivingViewAdded = false;
        if (showDrivingModeView)
            showDrivingModeView(false);
        break;
    case MotionLockChange::None:
        break;
    }
}

namespace {

void configureServer(KVServerStarter& server, const KVBrowserPrefSettings& preferences, const KVAutoImportSettings& autoImport)
{
    server.setAccessCode(preferences.uploadAccessCode);
    server.setTls(preferences.uploadServerTLS);
    server.setSettingsDocumentNames({autoImport.fileAutoImport, autoImport.fileImport});
}

}  // namespace

void KVAppDelegate::startServerIfSwitchedOn()
{
    if (!kvSettings || !kvServer || !kvSettings->kvBrowPref.serverSwitchOnOFF)
        return;
    configureServer(*kvServer, kvSettings->kvBrowPref, kvSettings->kvAutoImport);
    const bool started = kvServer->startServerConnectionWith(kvSettings->kvBrowPref.port);
    KVLog(QStringLiteral("App General"), QStringLiteral("Server running successfullly %@"),
          started ? QStringLiteral("Yes") : QStringLiteral("No"));
}

bool KVAppDelegate::listenForControl()
{
    if (m_control)
        return true;
    m_performer = new ControlPerformer(this);
    connect(m_performer, &ControlPerformer::settingsChanged, this, [this](const QString& name, const QJsonObject& arguments) {
        followCommand(ControlCommand{name, arguments});
    });
    m_control = new ControlServer(
        [this](const ControlCommand& command, const ControlServer::Peer&, ControlServer::Reply reply) {
            // The self-test reads the session; it changes nothing and needs no log line of its own.
            if (command.name == QLatin1String("selftest") && lockdownReport) {
                reply(ControlReply::done(QString::fromUtf8(QJsonDocument(lockdownReport()).toJson(QJsonDocument::Compact)) + QLatin1Char('\n')));
                return;
            }
            m_performer->perform(command, QStringLiteral("korvelctl"), std::move(reply));
        },
        this);
    followRemoteControl();
    const QString socket = Paths::controlSocketFile();
    if (m_control->listen(socket))
        return true;
    qCWarning(console).noquote() << QStringLiteral("no control socket at %1 (%2): korvelctl cannot reach this Korvel")
                                        .arg(socket, m_control->errorString());
    delete m_control;
    m_control = nullptr;
    return false;
}

void KVAppDelegate::followRemoteControl()
{
    if (!kvSettings || !m_performer)
        return;
    const KVBrowserPrefSettings& p = kvSettings->kvBrowPref;
    const QString wanted = p.remoteControl ? QStringLiteral("%1 %2").arg(p.remoteControlAddress).arg(p.remoteControlPort) : QString();
    followMqtt();
    if (wanted == m_remoteListening)
        return;
    if (m_remote)
        m_remote->stop();
    m_remoteListening.clear();
    if (wanted.isEmpty())
        return;
    if (!m_remote) {
        m_remote = std::make_unique<RemoteServer>(this, [this](const ControlCommand& command, const QString& client, RemoteServer::Done done) {
            m_performer->perform(command, QStringLiteral("remote control (%1)").arg(client), std::move(done));
        });
    }
    QString error;
    if (m_remote->start(p.remoteControlAddress, p.remoteControlPort, &error))
        m_remoteListening = wanted;
    else
        KVLog(RemoteServer::logCategory, QStringLiteral("Not started: %@"), error);
}

void KVAppDelegate::followMqtt()
{
    if (!kvSettings || !m_performer)
        return;
    const KVBrowserPrefSettings& p = kvSettings->kvBrowPref;
    MqttLink::Settings settings;
    settings.host = p.mqttHost.trimmed();
    settings.port = p.mqttPort;
    settings.tls = p.mqttTLS;
    settings.user = p.mqttUser;
    settings.device = {Device::current().identifierForVendor(), QSysInfo::machineHostName(), Device::current().model(),
                       QString::fromLatin1(version::shortVersion)};
    settings.prefix = p.mqttTopic.isEmpty() ? MqttRules::defaultPrefix(settings.device.name) : p.mqttTopic;
    const QString wanted = p.mqtt ? QStringList{settings.host, QString::number(settings.port), QString::number(settings.tls),
                                                settings.user, settings.prefix}
                                        .join(QLatin1Char('\n'))
                                  : QString();
    if (wanted == m_mqttWanted)
        return;
    m_mqttWanted = wanted;
    if (wanted.isEmpty()) {
        m_mqtt.reset();
        return;
    }
    if (!m_mqtt) {
        m_mqtt = std::make_unique<MqttLink>(
            [this](const ControlCommand& command, const QString& who, MqttLink::Done done) { m_performer->perform(command, who, std::move(done)); },
            [this] { return kioskStatus ? kioskStatus() : QJsonObject(); });
    }
    QString error;
    if (!m_mqtt->start(settings, &error))
        KVLog(MqttLink::logCategory, QStringLiteral("Not started: %@"), error);
}

void KVAppDelegate::followCommand(const ControlCommand& command)
{
    followRemoteControl();
    const QString& name = command.name;
    const QString key = command.arguments.value(QStringLiteral("key")).toString();
    const bool whole = name == QLatin1String("import") || name == QLatin1String("reset") || name == QLatin1String("cloud.import")
                       || name == QLatin1String("settings.rollback") || name == QLatin1String("settings.apply");
    // Whoever sends commands administers the kiosk: the watch of a document ends, unless the
    // command brought in the document that is watched now.
    if (m_startSiteGuard && name != QLatin1String("cloud.import"))
        m_startSiteGuard->stop();
    // The upload server runs on the port it was started with: it starts again. Its access code and
    // TLS switch follow the stored settings by themselves (followServerSettings).
    const bool server = whole
                        || (name == QLatin1String("pref.set") && (key == QLatin1String("ServerSwitch") || key == QLatin1String("Port")));
    if (server && kvServer && kvSettings) {
        if (kvServer->isServerRunning()) {
            kvServer->stopServerConnection();
            if (!kvSettings->kvBrowPref.serverSwitchOnOFF)
                KVLog(QStringLiteral("App General"), QStringLiteral("Server Switchd OFF"));
        }
        startServerIfSwitchedOn();
    }
    // A new period takes effect at once, not at the next start; while the settings are open the
    // import stays paused and starts with the new period when they close.
    KVAutoImport& autoImport = KVAutoImport::getAutoImportObject();
    if ((whole || name.startsWith(QLatin1String("autoimport."))) && autoImport.caseState() == 1 && !autoImport.isPaused())
        autoImport.start();
    if (name == QLatin1String("pref.set") && key == QLatin1String("DrivingMode"))
        checkForMotionActivity();
    if (state != 1 && refreshVisibleScreen)
        refreshVisibleScreen();
}

void KVAppDelegate::followServerSettings()
{
    connect(&UserDefaults::standard(), &UserDefaults::changed, this, &KVAppDelegate::serverSettingsChanged, Qt::UniqueConnection);
}

void KVAppDelegate::serverSettingsChanged()
{
    if (!kvServer)
        return;
    // What is stored is what holds: the store, not one screen's copy in memory.
    const UserDefaults& defaults = UserDefaults::standard();
    const KVBrowserPrefSettings preferences
        = KVBrowserPrefSettings::initWithDictionary(defaults.dictionaryForKey(QLatin1String(KVSettings::browserPreferencesKey)));
    const KVAutoImportSettings autoImport
        = KVAutoImportSettings::initWithDictionary(defaults.dictionaryForKey(QLatin1String(KVSettings::autoImportKey)));
    const bool tlsChanged = kvServer->tls() != preferences.uploadServerTLS;
    configureServer(*kvServer, preferences, autoImport);
    if (tlsChanged && kvServer->isServerRunning()) {
        const bool started = kvServer->startServerConnectionWith(kvServer->getPortNumber());
        KVLog(QStringLiteral("App General"), QStringLiteral("Server running successfullly %@"),
              started ? QStringLiteral("Yes") : QStringLiteral("No"));
    }
}

void KVAppDelegate::addAgent()
{
    const QString agent = QString::fromLatin1(defaultUserAgent);
    qCInfo(console).noquote() << formatString(QStringLiteral("Setting User-Agent to: %@"), agent);
    UserDefaults::standard().registerDefaults({{QStringLiteral("UserAgent"), agent}});
}

void KVAppDelegate::installTerminateHandler()
{
    // What ends the process unexpectedly is written to the log first.
    std::set_terminate([] {
        QString name = QStringLiteral("std::terminate");
        QString reason = QStringLiteral("unknown");
        if (const std::exception_ptr current = std::current_exception()) {
            try {
                std::rethrow_exception(current);
            } catch (const std::exception& e) {
                name = QString::fromLatin1(typeid(e).name());
                reason = QString::fromUtf8(e.what());
            } catch (...) {
                reason = QStringLiteral("a value that is not an exception");
            }
        }
        KVLog(QStringLiteral("Error"), QStringLiteral("%@ **Reason: %@"), name, reason);
        std::abort();
    });
}

void KVAppDelegate::applicationWillResignActive()
{
    Device::current().setScreenBrightness(screenBrightness);
}

void KVAppDelegate::applicationDidReceiveMemoryWarning()
{
    if (clearBrowserCache)
        clearBrowserCache();
    KVLog(QStringLiteral("Warning"), QStringLiteral("Application recieved Memory Warning"));
}

void KVAppDelegate::applicationSignificantTimeChange()
{
    if (powerSaverModeSwitch)
        powerSaverModeSwitch();
}

void KVAppDelegate::applicationWillTerminate()
{
    if (powerStateOff)
        powerStateOff();
}

void KVAppDelegate::openURL(const QString& url)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.save();
    settings.load();
    qCInfo(console).noquote() << formatString(QStringLiteral("url recieved: %@"), url);
    externalURL = ExternalURL::target(url, !settings.allowedWebsites.isEmpty());
    if (!externalURL)
        return;
    KVLog(QStringLiteral("App General"), QStringLiteral("Load from External source URL Scheme:%@"), *externalURL);
    // Held as well as announced: at launch no screen listens yet.
    HandedOverAddress::hold(*externalURL);
    NotificationCenter::defaultCenter().post(kExternalURLNotification, nullptr, {{QStringLiteral("url"), *externalURL}});
}

}  // namespace korvel

#include "app/ui/RemoteKiosk.h"

#include "app/KVAppDelegate.h"
#include "browser/FrameClock.h"
#include "browser/HandedOverAddress.h"
#include "browser/KioskRestart.h"
#include "browser/PowerSaver.h"
#include "browser/ui/EngineProfiles.h"
#include "browser/ui/KVScreensaver.h"
#include "browser/ui/KVWKViewController.h"
#include "browser/ui/KVWebView.h"
#include "browser/ui/VisitEndPerformer.h"
#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/Device.h"
#include "platform/KioskCounters.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Reachability.h"
#include "platform/Timer.h"
#include "platform/UserDefaults.h"
#include "platform/Version.h"
#include "policy/NavigationPolicy.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"
#include "settings/SettingsFingerprint.h"
#include "transfer/SettingsHistory.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPixmap>
#include <QWidget>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

#include <unistd.h>

namespace korvel {

namespace {

QString& renderPath()
{
    static QString text;
    return text;
}

// Resident memory of a process, from /proc; 0 when it cannot be read.
qint64 residentBytes(const QString& pid)
{
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

ControlReply busy()
{
    return ControlReply::failed(ExitStatus::Busy, QStringLiteral("the settings are open on the kiosk\n"));
}

// Why the website rules refused an address: what the visitor would be told, else what is logged.
QString refusalOf(const NavigationEffects& effects)
{
    for (const NavigationEffect& e : effects) {
        if ((e.kind == NavigationEffect::Kind::Toast || e.kind == NavigationEffect::Kind::Alert) && !e.text.isEmpty())
            return e.text;
    }
    for (const NavigationEffect& e : effects) {
        if (e.kind == NavigationEffect::Kind::Log && !e.text.isEmpty())
            return e.text;
    }
    return QStringLiteral("the website rules do not allow this address");
}

}  // namespace

RemoteKiosk::RemoteKiosk(QWidget* window, KVAppDelegate* delegate)
    : QObject(window)
    , m_window(window)
    , m_delegate(delegate)
{
    m_started.start();
    if (m_delegate)
        m_delegate->kioskStatus = [this] { return status(); };
    ControlPerformer::setKiosk([this](const ControlCommand& command, const ControlPerformer::Done& done) { perform(command, done); });
}

RemoteKiosk::~RemoteKiosk()
{
    if (m_delegate)
        m_delegate->kioskStatus = nullptr;
    ControlPerformer::setKiosk(nullptr);
}

void RemoteKiosk::setRenderPath(const QString& text)
{
    renderPath() = text;
}

KVWKViewController* RemoteKiosk::visibleWindow() const
{
    if (!m_window)
        return nullptr;
    for (KVWKViewController* window : m_window->findChildren<KVWKViewController*>()) {
        if (window->isVisible() && window->webView() && !window->showsHomePage())
            return window;
    }
    return nullptr;
}

bool RemoteKiosk::settingsOpen() const
{
    return m_delegate && m_delegate->state == 1;
}

void RemoteKiosk::perform(const ControlCommand& command, const ControlPerformer::Done& done)
{
    const QString& name = command.name;
    if (name == QLatin1String("kiosk.status"))
        return done(ControlReply::done(QString::fromUtf8(QJsonDocument(status()).toJson(QJsonDocument::Compact))));
    if (name == QLatin1String("kiosk.screen"))
        return done(screen(command.arguments));
    if (name == QLatin1String("kiosk.restart")) {
        KVLog(QStringLiteral("App General"), QStringLiteral("Restart asked by a command"));
        // A moment later, so that the answer leaves first.
        singleShot(std::chrono::seconds(1), this, [] { KioskRestart::request(QStringLiteral("restart asked by a command")); });
        return done(ControlReply::done(QStringLiteral("Korvel restarts\n")));
    }
    // What changes the screen waits while the administrator is at it.
    if (settingsOpen())
        return done(busy());
    if (name == QLatin1String("kiosk.screenshot"))
        return done(screenshot());
    if (name == QLatin1String("kiosk.navigate"))
        return done(navigate(command.arguments));
    if (name == QLatin1String("kiosk.screensaver"))
        return done(screensaver(command.arguments));
    KVWKViewController* window = visibleWindow();
    if (name == QLatin1String("kiosk.reload")) {
        if (!window)
            return done(ControlReply::refused(QStringLiteral("no page is shown\n")));
        window->refreshButtonPressed();
        return done(ControlReply::done());
    }
    if (name == QLatin1String("kiosk.home")) {
        if (window)
            window->homeButtonPressed();
        else if (m_delegate && m_delegate->returnToStart)
            m_delegate->returnToStart();
        return done(ControlReply::done());
    }
    if (name == QLatin1String("kiosk.end-visit")) {
        if (m_return)
            m_return->stop();
        if (m_delegate && m_delegate->returnToStart)
            m_delegate->returnToStart();
        // Everything a visit may leave, whatever the private-browsing preference says.
        VisitEndPerformer::perform({VisitEffect::ForgetVisitor, VisitEffect::DeleteCookies, VisitEffect::ClearCache,
                                    VisitEffect::ClearClipboard, VisitEffect::WithholdVisitorFiles});
        KVLog(QStringLiteral("App General"), QStringLiteral("Visit ended by a command"));
        return done(ControlReply::done());
    }
    done(ControlReply::refused(QStringLiteral("unknown command \"%1\"\n").arg(name)));
}

ControlReply RemoteKiosk::navigate(const QJsonObject& arguments)
{
    const QJsonValue urlValue = arguments.value(QStringLiteral("url"));
    const QUrl url(urlValue.toString(), QUrl::StrictMode);
    if (!urlValue.isString() || !url.isValid() || url.scheme().isEmpty())
        return ControlReply::refused(QStringLiteral("\"url\" must be an absolute address\n"));
    std::optional<qint64> seconds;
    if (arguments.contains(QStringLiteral("seconds"))) {
        const double s = arguments.value(QStringLiteral("seconds")).toDouble(-1);
        if (s < 1 || s > 86400 || s != double(qint64(s)))
            return ControlReply::refused(QStringLiteral("\"seconds\" is a whole number from 1 to 86400\n"));
        seconds = qint64(s);
    }
    KVSettings& settings = KVSettings::getSettingsObject();
    KVWKViewController* window = visibleWindow();
    QPointer<KVWKViewController> before = window;
    const QUrl beforeUrl = window ? window->webView()->url() : QUrl();
    if (window) {
        // Asked as a tap on a link in the page would be; the page's own navigation asks again when
        // it loads, with the effects a tap has.
        BrowserWindowState state = window->windowState();
        NavigationPolicy policy;
        const NavigationDecision decision =
            policy.decide(settings, {url, NavigationType::LinkActivated, false, NavigationFrame::Main}, state, window->services(),
                          settings.kvBrowPref.useMultiTab ? WindowMode::Tabbed : WindowMode::SingleWindow);
        if (decision.verdict == Verdict::Cancel) {
            KioskCounters::shared().refusedNavigations++;
            return ControlReply::failed(ExitStatus::Forbidden, refusalOf(decision.effects) + QLatin1Char('\n'));
        }
        window->webView()->load(url);
    } else {
        // On the home screen an address opens as one handed over by another program.
        NavigationEffects effects;
        if (!WebsiteRules::getAllowedWebsiteForExternalURL(url, settings.allowedWebsites, &effects)) {
            KioskCounters::shared().refusedNavigations++;
            return ControlReply::failed(ExitStatus::Forbidden, refusalOf(effects) + QLatin1Char('\n'));
        }
        HandedOverAddress::hold(url);
        NotificationCenter::defaultCenter().post(kExternalURLNotification, nullptr, {{QStringLiteral("url"), url}});
    }
    KVLog(QStringLiteral("App General"), QStringLiteral("Navigation by a command: %@"), url.toString(QUrl::FullyEncoded));
    if (seconds) {
        // A second one while the first runs returns to where the first began.
        if (!m_return || !m_return->isActive()) {
            m_returnWindow = before;
            m_returnUrl = beforeUrl;
        }
        if (!m_return) {
            m_return = new Timer(this);
            connect(m_return, &Timer::timeout, this, [this] { returnFromVisit(); });
        }
        m_return->start(std::chrono::seconds(*seconds), TimerMode::SingleShot);
    } else if (m_return) {
        m_return->stop();
    }
    return ControlReply::done();
}

void RemoteKiosk::returnFromVisit()
{
    if (settingsOpen())
        return;
    if (m_returnWindow && m_returnWindow->isVisible() && m_returnUrl.isValid()) {
        m_returnWindow->webView()->load(m_returnUrl);
    } else if (m_delegate && m_delegate->returnToStart) {
        m_delegate->returnToStart();
    }
    KVLog(QStringLiteral("App General"), QStringLiteral("Back from a navigation for a while"));
}

ControlReply RemoteKiosk::screenshot() const
{
    if (!m_window)
        return ControlReply::failed(ExitStatus::Failed, QStringLiteral("no window\n"));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!m_window->grab().save(&buffer, "PNG"))
        return ControlReply::failed(ExitStatus::Failed, QStringLiteral("the screen could not be captured\n"));
    return ControlReply::done(QString::fromLatin1(png.toBase64()));
}

ControlReply RemoteKiosk::screen(const QJsonObject& arguments)
{
    const QJsonValue on = arguments.value(QStringLiteral("on"));
    const QJsonValue brightness = arguments.value(QStringLiteral("brightness"));
    if ((!on.isUndefined() && !on.isBool()) || (!brightness.isUndefined() && (!brightness.isDouble() || brightness.toDouble() < 0 || brightness.toDouble() > 1))
        || (on.isUndefined() && brightness.isUndefined()))
        return ControlReply::refused(QStringLiteral("give \"on\" (true or false) and/or \"brightness\" (0 to 1)\n"));
    PowerSaver* saver = PowerSaver::current();
    if (on.isBool()) {
        if (!saver)
            return ControlReply::failed(ExitStatus::Failed, QStringLiteral("the screen cannot be switched here\n"));
        if (on.toBool())
            saver->powerStateOff();
        else
            saver->powerStateOn();
    }
    if (brightness.isDouble() && !Device::current().setScreenBrightness(brightness.toDouble()))
        return ControlReply::failed(ExitStatus::Failed, QStringLiteral("the brightness could not be set on this device\n"));
    return ControlReply::done();
}

ControlReply RemoteKiosk::screensaver(const QJsonObject& arguments)
{
    const QString action = arguments.value(QStringLiteral("action")).toString();
    KVScreensaver* saver = KVScreensaver::getScreensaverObject();
    if (action == QLatin1String("stop")) {
        saver->stopMovie();
        return ControlReply::done();
    }
    if (action != QLatin1String("start"))
        return ControlReply::refused(QStringLiteral("\"action\" is start or stop\n"));
    if (KVSettings::getSettingsObject().kvBrowPref.screenSaverURL.isEmpty())
        return ControlReply::refused(QStringLiteral("no screensaver is set (ScreenSaver)\n"));
    saver->playMovie();
    return ControlReply::done();
}

QJsonObject RemoteKiosk::status() const
{
    QJsonArray windows;
    if (m_window) {
        for (KVWKViewController* window : m_window->findChildren<KVWKViewController*>()) {
            if (!window->webView())
                continue;
            windows.append(QJsonObject{{QStringLiteral("url"), window->webView()->url().toString(QUrl::FullyEncoded)},
                                       {QStringLiteral("title"), window->webView()->title()},
                                       {QStringLiteral("visible"), window->isVisible()}});
        }
    }
    QJsonArray renderers;
    for (const qint64 pid : EngineProfiles::instance().rendererPids())
        renderers.append(QJsonObject{{QStringLiteral("pid"), pid}, {QStringLiteral("bytes"), residentBytes(QString::number(pid))}});
    // A window that should be drawing but whose last frame is old shows a frozen screen even while
    // everything else here looks healthy.
    QJsonArray frames;
    const QDateTime now = Clock::instance().now();
    for (const FrameClock* clock : FrameClock::all())
        frames.append(QJsonObject{{QStringLiteral("window"), clock->window()},
                                  {QStringLiteral("lastFrameAt"), clock->lastFrameAt().isValid() ? clock->lastFrameAt().toUTC().toString(Qt::ISODateWithMs) : QString()},
                                  {QStringLiteral("ageMs"), clock->ageMs(now)}});
    const KioskCounters& counts = KioskCounters::shared();
    const PowerSaver* saver = PowerSaver::current();
    const std::optional<SettingsHistoryEntry> applied = SettingsHistory::newest();
    const bool reachable = m_delegate && m_delegate->reachability && m_delegate->reachability->isReachable();
    return {
        {QStringLiteral("version"), QString::fromLatin1(version::shortVersion)},
        {QStringLiteral("engineVersion"), QStringLiteral("Qt WebEngine %1 (Chromium %2)").arg(QLatin1String(qWebEngineVersion()), QLatin1String(qWebEngineChromiumVersion()))},
        {QStringLiteral("uptimeSeconds"), m_started.elapsed() / 1000},
        {QStringLiteral("windows"), windows},
        {QStringLiteral("visitInProgress"), visibleWindow() != nullptr},
        {QStringLiteral("settingsOpen"), settingsOpen()},
        {QStringLiteral("screensaver"), KVScreensaver::getScreensaverObject()->isShowing()},
        {QStringLiteral("powerSaver"), saver && saver->powerSaveOn()},
        {QStringLiteral("screenOn"), !(saver && saver->powerSaveOn())},
        {QStringLiteral("brightness"), Device::current().screenBrightness()},
        {QStringLiteral("renderPath"), renderPath()},
        {QStringLiteral("frames"), frames},
        {QStringLiteral("network"), reachable ? QStringLiteral("online") : QStringLiteral("offline")},
        {QStringLiteral("settings"), QJsonObject{{QStringLiteral("fingerprint"), SettingsFingerprint::of(UserDefaults::standard().applicationDomain())},
                                                 {QStringLiteral("appliedAt"), applied ? applied->time.toString(Qt::ISODate) : QString()}}},
        {QStringLiteral("memory"), QJsonObject{{QStringLiteral("korvelBytes"), residentBytes(QStringLiteral("self"))},
                                               {QStringLiteral("renderers"), renderers}}},
        {QStringLiteral("counts"), QJsonObject{{QStringLiteral("rendererCrashes"), qint64(counts.rendererCrashes)},
                                               {QStringLiteral("navigations"), qint64(counts.navigations)},
                                               {QStringLiteral("refusedNavigations"), qint64(counts.refusedNavigations)},
                                               {QStringLiteral("loadErrors"), qint64(counts.loadErrors)},
                                               {QStringLiteral("imports"), qint64(counts.imports)}}},
    };
}

}  // namespace korvel

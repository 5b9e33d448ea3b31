#include "browser/EngineFlags.h"
#include "browser/EngineHardening.h"
#include "browser/ErrorRecovery.h"
#include "browser/LaunchRequest.h"
#include "browser/LoadError.h"
#include "browser/PageZoom.h"
#include "browser/RefreshLock.h"
#include "browser/ResponsePolicy.h"
#include "browser/ToolbarItem.h"
#include "browser/UserActivation.h"
#include "browser/WindowOrientation.h"
#include "files/VisitQuota.h"
#include "settings/KVBrowserPrefSettings.h"
#include "tests/support/TestHome.h"

using namespace korvel;
using namespace std::chrono_literals;

namespace {

QStringList describe(const NavigationEffects& effects)
{
    QStringList lines;
    for (const NavigationEffect& e : effects)
        lines << e.describe();
    return lines;
}

QList<int> tags(const QList<ToolbarItem>& items)
{
    QList<int> out;
    for (const ToolbarItem& i : items)
        out << i.tag;
    return out;
}

class BrowserRulesTest : public test::TestHome {};

}  // namespace

TEST(ResponsePolicy, ShowsWhatTheEngineRendersAndHandsOnTheRest)
{
    const QUrl web(QStringLiteral("http://a.test/file.bin"));
    const QUrl file(QStringLiteral("file:///home/k/Documents/a.pages"));
    KVBrowserPrefSettings downloads = KVBrowserPrefSettings::init();
    downloads.isAllowFileDownloadInDevice = true;
    downloads.isAllowKeepDownloadHistory = true;
    const KVBrowserPrefSettings noDownloads = KVBrowserPrefSettings::init();
    constexpr qint64 MB = 1000 * 1000;
    // What the window knows of a download the person asked for, with 100 MB of the quota left.
    const auto asked = [](ResponseContext r, qint64 expected = -1, qint64 left = 100 * 1000 * 1000) {
        r.userGesture = true;
        r.expectedBytes = expected;
        r.quotaLeft = left;
        return r;
    };
    const struct {
        const char* name;
        ResponseContext response;
        const KVBrowserPrefSettings* preferences;
        bool allow;
        QStringList effects;
    } cases[] = {
        {"a page", {"text/html", true, web, false, true}, &noDownloads, true, {}},
        {"an archive is never shown", asked({"application/zip", true, web, false, false}), &downloads, false,
         {"record-download: http://a.test/file.bin", "download: http://a.test/file.bin"}},
        {"octet-stream without history", {"application/octet-stream", true, web, true, false}, &noDownloads, false,
         {"toast: TEXT_DOWNLOAD_ARE_DISABLE_COTACT_ADMINISTRATOR_TO_ENABLE_IT"}},
        {"first response of a window that cannot show it", {"application/pdf", false, web, false, true}, &noDownloads, false,
         {"toast: TEXT_DOWNLOAD_ARE_DISABLE_COTACT_ADMINISTRATOR_TO_ENABLE_IT", "pop-window: animated"}},
        {"a local file on first load: shown, window left once", {"application/x-iwork", false, file, false, true}, &downloads, false,
         {"show-file: file:///home/k/Documents/a.pages", "pop-window: animated"}},
        {"a local file later in a single window downloads", asked({"application/x-iwork", false, file, false, false}), &downloads, false,
         {"record-download: file:///home/k/Documents/a.pages", "download: file:///home/k/Documents/a.pages"}},
        {"a local file in a tab", {"application/x-iwork", false, file, true, false}, &downloads, false,
         {"show-file: file:///home/k/Documents/a.pages"}},
        {"a script's download is refused without a word to the person", {"application/zip", true, web, false, false}, &downloads, false,
         {"log: Webview: Download refused: no user gesture (http://a.test/file.bin)"}},
        {"a file that fits what is left", asked({"application/zip", true, web, false, false}, 40 * MB, 40 * MB), &downloads, false,
         {"record-download: http://a.test/file.bin", "download: http://a.test/file.bin"}},
        {"a file larger than what is left", asked({"application/zip", true, web, false, false}, 40 * MB + 1, 40 * MB), &downloads, false,
         {"toast: TEXT_DOWNLOAD_QUOTA_REACHED", "log: Webview: Download refused: the visit's quota is used up (http://a.test/file.bin)"}},
        {"nothing left, size unknown", asked({"application/zip", true, web, false, false}, -1, 0), &downloads, false,
         {"toast: TEXT_DOWNLOAD_QUOTA_REACHED", "log: Webview: Download refused: the visit's quota is used up (http://a.test/file.bin)"}},
    };
    for (const auto& c : cases) {
        const ResponseDecision d = ResponsePolicy::decide(c.response, *c.preferences);
        EXPECT_EQ(d.allow, c.allow) << c.name;
        EXPECT_EQ(describe(d.effects), c.effects) << c.name;
        EXPECT_FALSE(d.isFirstTimeLoad) << c.name;
    }
}

// A download is the person's when they touched the page just before, or when the navigation that
// led to it started just after a touch (or was the window's own first load) and showed no page.
TEST(UserActivation, ATouchOrTheNavigationItStartedAsksForADownload)
{
    const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1700000000);
    const auto at = [&](int ms) { return t0.addMSecs(ms); };
    const struct {
        const char* name;
        std::function<void(UserActivation&)> before;
        int now;
        std::optional<int> input;
        bool active;
    } cases[] = {
        {"no input at all", {}, 1000, std::nullopt, false},
        {"a touch a moment ago", {}, 3000, 1000, true},
        {"a touch five seconds ago", {}, 6000, 1000, true},
        {"a touch longer ago", {}, 6001, 1000, false},
        {"a tapped link whose server answers slowly", [&](UserActivation& a) { a.navigationStarted(at(2000), at(1000)); }, 50000, 1000, true},
        {"a script's navigation long after the touch", [&](UserActivation& a) { a.navigationStarted(at(9000), at(1000)); }, 10000, 1000, false},
        {"the tapped link showed a page first", [&](UserActivation& a) { a.navigationStarted(at(2000), at(1000)); a.pageShown(); }, 20000, 1000, false},
        {"the window's own first load", [&](UserActivation& a) { a.navigationAsked(at(0)); }, 30000, std::nullopt, true},
        {"a navigation asked a minute and more ago", [&](UserActivation& a) { a.navigationAsked(at(0)); }, 60001, std::nullopt, false},
    };
    for (const auto& c : cases) {
        UserActivation activation;
        if (c.before)
            c.before(activation);
        EXPECT_EQ(activation.active(at(c.now), c.input ? at(*c.input) : QDateTime()), c.active) << c.name;
    }
}

// The quota counts what a visit keeps, gives back what did not stay, and starts afresh for the next
// visitor: after the visit's data went, or at a touch after three minutes without one.
TEST(VisitQuota, CountsWhatAVisitKeeps)
{
    KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
    EXPECT_EQ(VisitQuota::limit(p), 100 * 1000 * 1000);
    p.downloadQuota = 0;  // a document from before the preference
    EXPECT_EQ(VisitQuota::limit(p), 100 * 1000 * 1000);
    p.downloadQuota = 2;
    VisitQuota quota;
    const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1700000000);
    EXPECT_TRUE(quota.take(1500 * 1000, p));
    EXPECT_FALSE(quota.take(500 * 1000 + 1, p)) << "beyond the quota";
    EXPECT_EQ(quota.left(p), 500 * 1000) << "a refusal takes nothing";
    quota.giveBack(1000 * 1000);
    EXPECT_EQ(quota.left(p), 1500 * 1000);
    quota.touched(t0);
    quota.touched(t0.addSecs(179));
    EXPECT_EQ(quota.used(), 500 * 1000) << "the same visitor";
    quota.touched(t0.addSecs(179 + 180));
    EXPECT_EQ(quota.used(), 0) << "the next visitor";
    EXPECT_TRUE(quota.take(2000 * 1000, p));
    quota.endVisit();
    EXPECT_EQ(quota.left(p), 2000 * 1000);
}

TEST(LaunchRequest, OnlyNonWebTargetsLaunch)
{
    const struct {
        const char* request;
        const char* launch;  // nullptr: refused
    } cases[] = {
        {"https://a.test/window.korvel.launch.zoommtg://join?id=1", "zoommtg://join?id=1"},
        {"x/window.korvel.launch.myapp/http://site.test/p", "myapp://http://site.test/p"},
        {"x/window.korvel.launch.myapp/https://site.test/p", "myapp://https://site.test/p"},
        {"x/window.korvel.launch.myapp/open", "myapp://"},
        {"x/window.korvel.launch.https://evil.test/", nullptr},
        {"x/window.korvel.launch.", nullptr},
        {"no marker at all", nullptr},
        {"x/window.korvel.launch.//evil.test/", nullptr},
    };
    for (const auto& c : cases) {
        const auto result = LaunchRequest::parse(QString::fromLatin1(c.request));
        if (c.launch) {
            ASSERT_TRUE(std::holds_alternative<QString>(result)) << c.request;
            EXPECT_EQ(std::get<QString>(result), QString::fromLatin1(c.launch)) << c.request;
        } else {
            ASSERT_TRUE(std::holds_alternative<LaunchRequest::Refused>(result)) << c.request;
            EXPECT_EQ(std::get<LaunchRequest::Refused>(result).alert, QStringLiteral("Invalid Request URL."));
        }
    }
}

TEST(PageZoom, ScaleFromTheViewportAndTheZoomSetting)
{
    EXPECT_EQ(PageZoom::initialScale(QStringLiteral("width=device-width, initial-scale=1.0")), 1.0);
    EXPECT_EQ(PageZoom::initialScale(QStringLiteral("initial-scale=2, width=device-width, initial-scale=0.5")), 0.5);
    EXPECT_EQ(PageZoom::initialScale(QString()), 1.0) << "a page without a viewport";
    EXPECT_EQ(PageZoom::initialScale(QStringLiteral("initial-scale=big")), 1.0);

    KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
    EXPECT_FALSE(PageZoom::zoomAfterLoad(1.0, p).has_value()) << "Zoom 100 never changes the scale";
    p.intZoom = 150;
    EXPECT_EQ(PageZoom::zoomAfterLoad(1.0, p).value_or(0), 1.5);
    EXPECT_TRUE(PageZoom::viewportScript(1.0, p).contains(QStringLiteral("initial-scale=1.5, maximum-scale=10.0, user-scalable=yes")));
    EXPECT_TRUE(PageZoom::committedScript(p).isEmpty());
    p.zoomEnable = false;
    EXPECT_FALSE(PageZoom::zoomAfterLoad(1.0, p).has_value());
    EXPECT_TRUE(PageZoom::viewportScript(1.0, p).contains(QStringLiteral("initial-scale=1.0, maximum-scale=10.0, user-scalable=no")));
    EXPECT_TRUE(PageZoom::committedScript(p).contains(QStringLiteral("user-scalable=no")));
}

// Codes the table does not list fall back by their range and domain; unknown ones keep the engine's.
TEST(LoadError, EngineCodesMapToTheRecoveryCodes)
{
    const struct {
        int domain;
        int code;
        LoadError::Kind kind;
        int mapped;
        const char* errorDomain;
    } cases[] = {
        {2, -106, LoadError::Kind::NotConnected, -1009, "NSURLErrorDomain"},
        {2, -217, LoadError::Kind::CertificateUntrusted, -1202, "NSURLErrorDomain"},
        {3, -1, LoadError::Kind::CertificateUntrusted, -1202, "NSURLErrorDomain"},
        {6, -999, LoadError::Kind::CannotFindHost, -1003, "NSURLErrorDomain"},
        {1, -27, LoadError::Kind::FrameLoadInterrupted, 102, "WebKitErrorDomain"},
        {4, 404, LoadError::Kind::Other, 404, "QtWebEngine.4"},
    };
    for (const auto& c : cases) {
        const LoadError e = LoadError::fromEngine(c.domain, c.code, QStringLiteral("net::ERR_SOMETHING"));
        EXPECT_EQ(e.kind, c.kind) << c.code;
        // The engine's code goes to the log; the alert speaks to the person.
        EXPECT_EQ(e.engineText, QStringLiteral("net::ERR_SOMETHING"));
        EXPECT_FALSE(e.description.isEmpty() || e.description.contains(QLatin1String("ERR_"))) << c.code;
        EXPECT_EQ(e.code, c.mapped) << c.code;
        EXPECT_EQ(e.domain, QString::fromLatin1(c.errorDomain)) << c.code;
    }
}

TEST(Toolbar, ItemsOverflowAndMenus)
{
    KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
    p.enablePrintButton = true;
    const QList<ToolbarItem> five = ToolbarLayout::listOutAvailableTabs(p);
    EXPECT_EQ(tags(five), (QList<int>{0, 1, 2, 3, 4}));
    const ToolbarLayout full = ToolbarLayout::fill(five);
    EXPECT_EQ(tags(full.shown), (QList<int>{0, 1, 2, 6}));
    EXPECT_EQ(tags(ToolbarLayout::overflowItems(five, full.arrForShowingTabName, {})), (QList<int>{3, 4}));
    EXPECT_EQ(tags(ToolbarLayout::overflowItems(five, full.arrForShowingTabName, {ToolbarItem::Print})), (QList<int>{4}));

    p.enablePrintButton = false;
    const ToolbarLayout four = ToolbarLayout::fill(ToolbarLayout::listOutAvailableTabs(p));
    EXPECT_EQ(tags(four.shown), (QList<int>{0, 1, 2, 4})) << "four items all shown, no More";
    EXPECT_TRUE(four.arrForShowingTabName.isEmpty());

    p.isAllowFileDownloadInDevice = true;
    p.isAllowKeepDownloadHistory = true;
    p.backImage = QStringLiteral("back.png");
    const QList<ToolbarItem> withDownloads = ToolbarLayout::listOutAvailableTabs(p);
    EXPECT_EQ(tags(withDownloads), (QList<int>{0, 1, 2, 4, 5}));
    EXPECT_EQ(withDownloads.first().customImage, QStringLiteral("back.png"));
    EXPECT_EQ(tags(ToolbarLayout::pageMenuItems(p)), (QList<int>{1, 2, 0, 7, 5}));
    EXPECT_EQ(ToolbarLayout::pageMenuItems(p).at(3).titleKey, QStringLiteral("TEXT_STOP"));
    p.isAllowKeepDownloadHistory = false;
    EXPECT_EQ(tags(ToolbarLayout::pageMenuItems(p)), (QList<int>{1, 2, 0, 7}));
}

TEST_F(BrowserRulesTest, RefreshLockRestsFifteenSeconds)
{
    RefreshLock lock;
    EXPECT_TRUE(lock.tryRun());
    EXPECT_FALSE(lock.tryRun()) << "a second press at once";
    clock.advance(14999ms);
    EXPECT_FALSE(lock.tryRun());
    clock.advance(1ms);
    EXPECT_TRUE(lock.tryRun()) << "after 15 seconds";
    lock.open();
    EXPECT_TRUE(lock.tryRun()) << "a network gain opens it at once";
}

TEST(EngineFlags, DeveloperToolsAndOtherWaysOutAreStripped)
{
    const QStringList arguments = {QStringLiteral("korvel"), QStringLiteral("--home"), QStringLiteral("/k"),
                                   QStringLiteral("--remote-debugging-port=9222"), QStringLiteral("--remote-debugging-port"),
                                   QStringLiteral("9223"), QStringLiteral("-auto-open-devtools-for-tabs"),
                                   QStringLiteral("--Disable-Web-Security"), QStringLiteral("--webEngineArgs")};
    EXPECT_EQ(EngineFlags::sanitizedArguments(arguments),
              (QStringList{QStringLiteral("korvel"), QStringLiteral("--home"), QStringLiteral("/k"), QStringLiteral("--webEngineArgs")}));
    EXPECT_EQ(EngineFlags::sanitizedFlags(QStringLiteral("--no-sandbox --remote-debugging-port=1 --host-resolver-rules=\"MAP *.test 127.0.0.1, MAP * ~NOTFOUND\" --renderer-cmd-prefix=gdb")),
              QStringLiteral("--no-sandbox --host-resolver-rules=\"MAP *.test 127.0.0.1, MAP * ~NOTFOUND\""));
}

TEST(EngineHardening, SwitchesFollowThePreferencesAndWinOverEarlierOnes)
{
    KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
    EXPECT_TRUE(p.disableJIT && p.limitWebRTC && p.blockThirdPartyCookies) << "a kiosk starts hardened";
    const struct {
        bool jit, webrtc;
        const char* given;
        const char* applied;
    } cases[] = {
        {true, true, "", "--js-flags=--jitless --force-webrtc-ip-handling-policy=disable_non_proxied_udp"},
        {false, false, "--disable-gpu", "--disable-gpu"},
        // A page's script engine switch given before is overridden: the engine keeps the last.
        {true, false, "--js-flags=--expose-gc --js-flags=--jitless --disable-gpu", "--js-flags=--expose-gc --disable-gpu --js-flags=--jitless"},
        {false, true, "--force-webrtc-ip-handling-policy=default", "--force-webrtc-ip-handling-policy=default --force-webrtc-ip-handling-policy=disable_non_proxied_udp"},
    };
    for (const auto& c : cases) {
        p.disableJIT = c.jit;
        p.limitWebRTC = c.webrtc;
        const QString applied = EngineHardening::from(p).appliedTo(QString::fromLatin1(c.given));
        EXPECT_EQ(applied, QString::fromLatin1(c.applied));
        const EngineHardening running = EngineHardening::inEffect(applied, p);
        EXPECT_EQ(running.disableJIT, c.jit);
        EXPECT_EQ(running.limitWebRTC, c.webrtc);
    }
    p.blockThirdPartyCookies = false;
    EXPECT_FALSE(EngineHardening::from(p).refusesCookie(true));
    p.blockThirdPartyCookies = true;
    EXPECT_TRUE(EngineHardening::from(p).refusesCookie(true));
    EXPECT_FALSE(EngineHardening::from(p).refusesCookie(false));
}

TEST(ErrorRecovery, AlertsAndPagesForEachFailure)
{
    KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
    allowedWebsite webError;
    webError.url = QStringLiteral("http://errors.test/oops");
    allowedWebsite fileError;
    fileError.url = QStringLiteral("file:///docs/oops.html");
    allowedWebsite onlyThis;
    onlyThis.url = QStringLiteral("http://a.test/");
    onlyThis.allowOnlyThis = true;
    const QUrl builtIn(QStringLiteral("file:///usr/share/korvel/korvel_error.html"));
    const auto failure = [&](int code, std::optional<allowedWebsite> custom, bool fileExists = true,
                             std::optional<allowedWebsite> selected = std::nullopt, const char* failed = "http://a.test/") {
        LoadFailure f;
        f.error = LoadError::fromEngine(2, code, QStringLiteral("net::ERR_X"));
        f.error.description = QStringLiteral("It failed");
        f.errorPage = std::move(custom);
        f.errorPageFileExists = fileExists;
        f.selectedWebsite = std::move(selected);
        f.failedURL = QUrl(QString::fromLatin1(failed));
        f.builtInErrorPage = builtIn;
        return f;
    };
    const struct {
        const char* name;
        LoadFailure failure;
        QStringList effects;
    } cases[] = {
        {"cancelled", failure(-3, webError), {}},
        {"refused connection, no custom page", failure(-102, std::nullopt), {"alert: Error: It failed", "error-page"}},
        {"unknown host, no custom page", failure(-105, std::nullopt), {"alert: Error: It failed", "error-page"}},
        {"unknown host, custom web page", failure(-105, webError), {"alert: Error: It failed", "load: http://errors.test/oops"}},
        {"offline with a custom web page: the built-in page", failure(-106, webError), {"alert: Error: It failed", "error-page"}},
        {"offline with a custom file page", failure(-106, fileError), {"alert: Error: It failed", "load-file: file:///docs/oops.html"}},
        {"custom file page missing", failure(-118, fileError, false), {"alert: Error: It failed", "error-page"}},
        {"interrupted frame load", failure(-27, webError), {}},
        {"interrupted frame load of an only-this site", failure(-27, webError, true, onlyThis),
         {"alert: Error: It failed", "load: http://errors.test/oops"}},
        {"an unmapped failure, custom web page", failure(-324, webError), {"alert: Error: It failed", "load: http://errors.test/oops"}},
        {"the custom web page fails itself: the built-in page, no alert", failure(-324, webError, true, std::nullopt, "http://errors.test/oops"),
         {"error-page"}},
        {"the custom web page fails with a mapped error", failure(-102, webError, true, std::nullopt, "http://errors.test/./oops"),
         {"error-page"}},
        {"the custom file page fails itself", failure(-6, fileError, true, std::nullopt, "file:///docs/oops.html"), {"error-page"}},
        {"the built-in page fails: nothing more", failure(-6, webError, true, std::nullopt, "file:///usr/share/korvel/korvel_error.html"), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(ErrorRecovery::provisionalFailure(c.failure, p)), c.effects) << c.name;
}

TEST(WindowOrientation, PreferenceToAllowedOrientations)
{
    const Qt::ScreenOrientations all = Qt::PortraitOrientation | Qt::InvertedPortraitOrientation | Qt::LandscapeOrientation
                                       | Qt::InvertedLandscapeOrientation;
    const struct {
        qint32 preference;
        Qt::ScreenOrientations allowed;
    } cases[] = {{0, all},
                 {1, Qt::LandscapeOrientation | Qt::InvertedLandscapeOrientation},
                 {2, Qt::PortraitOrientation},
                 {7, Qt::PortraitOrientation},
                 {-1, Qt::PortraitOrientation}};
    for (const auto& c : cases)
        EXPECT_EQ(WindowOrientation::supportedOrientations(c.preference), c.allowed) << c.preference;
}

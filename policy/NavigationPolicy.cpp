#include "policy/NavigationPolicy.h"

#include "platform/Device.h"
#include "platform/FormatString.h"
#include "platform/Paths.h"
#include "policy/WebsiteAddress.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

#include <QDir>
#include <QRegularExpression>

namespace korvel {

namespace {

using Kind = NavigationEffect::Kind;
using Place = NavigationEffect::Place;

const QString homePageName = QStringLiteral("homeWebPage.html");
const QString errorPageName = QStringLiteral("korvel_error.html");
const QString serverMarker = QStringLiteral("KV_localServer");

// The page function a device-id command names. It becomes script text, so only a name (dotted
// names included) is taken, never an expression.
bool isScriptFunctionName(const QString& text)
{
    static const QRegularExpression name(QRegularExpression::anchoredPattern(
        QStringLiteral("[A-Za-z_$][A-Za-z0-9_$]*(?:\\.[A-Za-z_$][A-Za-z0-9_$]*)*")));
    return name.match(text).hasMatch();
}

bool sameLocalFile(const QUrl& url, const QString& path)
{
    return url.isLocalFile() && !path.isEmpty() && QDir::cleanPath(url.toLocalFile()) == QDir::cleanPath(path);
}

// One decision: the inputs taken once, the effects gathered in order.
class Decision {
public:
    Decision(const KVSettings& settings, const NavigationAction& action, BrowserWindowState& window,
             const NavigationServices& services, WindowMode mode, const PolicyIndex& index)
        : s(settings)
        , p(settings.kvBrowPref)
        , action(action)
        , url(action.url)
        , window(window)
        , services(services)
        , index(index)
        , tabbed(mode == WindowMode::Tabbed)
        , link(action.type == NavigationType::LinkActivated)
    {
    }

    NavigationDecision run()
    {
        effects.reserve(4);
        if (tabbed && !window.runAtStartup_bool)
            effects.append(NavigationEffect::with(Kind::PostNotification, QUrl(), QStringLiteral("updatecell")));
        effects.append(NavigationEffect::log(QStringLiteral("debug"), QStringLiteral("decidePolicyForNavigationAction")));
        abs = url.toString(QUrl::FullyEncoded);
        host = url.host();
        hostNoWWW = PolicyIndex::withoutWWW(host);

        if (std::optional<Verdict> answered = specialLinks())
            return finish(*answered);
        return finish(websiteRules());
    }

private:
    NavigationDecision finish(Verdict verdict) { return NavigationDecision{verdict, std::move(effects)}; }

    void add(Kind kind, const QUrl& target = QUrl(), const QString& text = QString())
    {
        effects.append(NavigationEffect::with(kind, target, text));
    }

    bool isOwnHomePage() const { return sameLocalFile(url, services.homePageFile); }

    // The command of a "kvcallback" address, or of any address whose specifier is a bare word.
    const QString& urlString()
    {
        if (!urlStringTaken) {
            urlStringValue = WebsiteAddress::getURLString(url);
            urlStringTaken = true;
        }
        return urlStringValue;
    }

    std::optional<Verdict> specialLinks()
    {
        // The Back entry of the tabbed home page.
        if (tabbed && abs.contains(QLatin1String("kor_vel_multitab_back_button_pressed"))) {
            add(Kind::PushTransitionFromLeft);
            window.selectedWebsite.reset();
            window.selectedCategoryId = 0;
            add(Kind::LoadVisibleWebSites);
            return Verdict::Cancel;
        }
        // A page of the local upload server, shown through the program.
        const bool onLocalServer = window.localServerPath && window.localServerPath->serves(url);
        if (link && onLocalServer) {
            if (const std::optional<QString> page = read(url)) {
                effects.append(loadHTML(url, *page));
                return Verdict::Cancel;
            }
        }
        // The marker opens the server's path; anywhere else it would have any site read and shown
        // outside the website rules.
        const QString path = url.path(QUrl::FullyEncoded);
        if (tabbed && onLocalServer && path.startsWith(QLatin1Char('/') + serverMarker)) {
            QUrl target = url;
            target.setPath(QLatin1Char('/') + path.mid(serverMarker.size() + 1), QUrl::TolerantMode);
            if (const std::optional<QString> page = read(target))
                effects.append(loadHTML(target, *page));
            else
                add(Kind::LoadFile, QUrl::fromLocalFile(services.errorPageFile));
            return Verdict::Cancel;
        }
        if (tabbed) {
            if (abs.endsWith(homePageName)) {
                window.selectedWebsite.reset();
                NavigationEffect bars = NavigationEffect::with(Kind::HomePageBars);
                bars.flag = p.isAllowKeepDownloadHistory && p.isAllowFileDownloadInDevice && p.useMultiTab;
                effects.append(bars);
            } else if (url.isLocalFile() && (p.enableToolBar || p.enableMenu)) {
                add(Kind::FileBars);
            }
        }
        const QString scheme = url.scheme();
        if (p.enablePhoneLinks) {
            const bool storeLink = !services.appStoreHost.isEmpty() && host == services.appStoreHost;
            const bool messageLink = scheme == QLatin1String("mailto") || scheme == QLatin1String("tel") || scheme == QLatin1String("sms");
            if ((storeLink || messageLink) && services.canOpenExternally && services.canOpenExternally(url)) {
                add(Kind::OpenExternally, url);
                return Verdict::Cancel;
            }
        }
        if (!tabbed && (p.enableToolBar || p.enableMenu))
            add(Kind::WindowBars);
        if (!url.isLocalFile() && !(mayBeReloadCommand() && urlString().compare(QLatin1String("reload"), Qt::CaseInsensitive) == 0))
            window.firstToReload = url;
        if (tabbed && !window.selectedWebsite && !abs.endsWith(homePageName)) {
            if (const std::optional<qsizetype> last = index.lastWebsiteFor(host, abs))
                window.selectedWebsite = s.allowedWebsites.at(*last);
        }
        if (scheme == QLatin1String("kvcallback"))
            return command();
        return std::nullopt;
    }

    bool mayBeReloadCommand() const
    {
        return abs.endsWith(QLatin1String("reload"), Qt::CaseInsensitive) || abs.endsWith(QLatin1String("reload/"), Qt::CaseInsensitive);
    }

    std::optional<Verdict> command()
    {
        // The engine lower-cases an address's host, and the command stands where the host would:
        // command names are compared ignoring case.
        const QString& name = urlString();
        const auto is = [&name](const char* command) { return name.compare(QLatin1String(command), Qt::CaseInsensitive) == 0; };
        if (name.contains(QLatin1String("categoryLoad"), Qt::CaseInsensitive)) {
            const QStringList parts = name.split(QLatin1Char('_'));
            if (parts.size() >= 2) {
                window.selectedWebsite.reset();
                window.selectedCategoryId = parts.at(1).toLongLong();
                if (tabbed)
                    add(Kind::PushTransitionFromLeft);
                add(Kind::LoadVisibleWebSites);
            }
            return Verdict::Cancel;
        }
        if (is("home")) {
            add(tabbed ? Kind::Home : Kind::PopToRootAndDisappear);
            effects.append(NavigationEffect::log(QStringLiteral("Webview"), QStringLiteral("Going to home as kvcallback")));
            return Verdict::Cancel;
        }
        if (is("reload")) {
            add(Kind::CloseActiveWebView);
            add(Kind::StopLoading);
            if (window.firstToReload) {
                add(Kind::RetryFailedPage);
                return Verdict::Cancel;
            }
            effects.append(NavigationEffect::log(QStringLiteral("Webview"), formatString(QStringLiteral("Reloading %@"), url)));
            reloadCountsAsAllowed = true;
            return std::nullopt;
        }
        if (is("resetKorvelIdleTimer")) {
            add(Kind::ResetIdleTimer);
            effects.append(NavigationEffect::log(QStringLiteral("Webview"), formatString(QStringLiteral("Reseting Idletimeout: %@"), url)));
            return Verdict::Cancel;
        }
        if (name.contains(QLatin1String("getuuid"), Qt::CaseInsensitive)) {
            // Only the page itself asks: a frame of another site must not run script in it.
            const QStringList parts = abs.split(QLatin1Char(':'));
            if (action.frame == NavigationFrame::Main && parts.size() == 3 && isScriptFunctionName(parts.at(2))) {
                add(Kind::EvaluateScript, QUrl(), formatString(QStringLiteral("%@('%@');"), parts.at(2), services.vendorIdentifier));
                return Verdict::Cancel;
            }
        }
        return std::nullopt;
    }

    bool fileWebsiteAllows() const
    {
        if (!url.isLocalFile() || !index.hasFileWebsites() || !NavigationPolicy::isInsideDocuments(url, services))
            return false;
        if (window.selectedWebsite) {
            const std::optional<QUrl> selected = window.selectedWebsite->parsedURL();
            if (selected && selected->toString(QUrl::FullyEncoded) == abs)
                return true;
        }
        return index.hasFileNamed(WebsiteAddress::lastPathComponent(url));
    }

    // A frame from a host the page may load from (a payment form, a map, a video player): what
    // the administrator lets a page load, its frames may show. The page itself never goes there.
    bool frameAlsoAllowed() const
    {
        if (action.frame != NavigationFrame::Sub || action.page.isEmpty())
            return false;
        const QString scheme = url.scheme();
        if (scheme != QLatin1String("https") && scheme != QLatin1String("http"))
            return false;
        const QString pageHost = action.page.host();
        return index.alsoAllowsLoading(WebsiteRules::requestHostKey(host), pageHost, PolicyIndex::withoutWWW(pageHost),
                                       action.page.toString(QUrl::FullyEncoded));
    }

    Verdict websiteRules()
    {
        bool allowed = index.matchesWebsite(host, hostNoWWW, abs) || reloadCountsAsAllowed || fileWebsiteAllows()
                       || sameLocalFile(url, services.errorPageFile) || frameAlsoAllowed();

        if (tabbed && !abs.isEmpty() && !isOwnHomePage() && p.allowContentBlocking && window.tabControllerOnTop
            && WebsiteRules::checkBlockedKeyWordIsExistOrNot(abs, true, p, &effects)) {
            add(Kind::Home);
            return Verdict::Cancel;
        }
        if (tabbed && !allowed)
            allowed = isOwnHomePage();

        if (action.opensNewWindow) {
            if (p.allowPopup && p.allowPopupInSameWindow)
                add(Kind::LoadRequest, url);
            else if (!p.allowPopup && !tabbed)
                return notAllowed();
        }
        return allowed ? blockedList() : notAllowed();
    }

    Verdict notAllowed()
    {
        if (p.allowAllWebsites && abs != QLatin1String("about:blank") && !NavigationPolicy::isNeverAllowed(url, services))
            return blockedList();
        return refusal();
    }

    bool blocked() const
    {
        if (!p.allowAllWebsites)
            return false;
        if (!host.isEmpty())
            return index.blocksHost(WebsiteRules::requestHostKey(host));
        if (!WebsiteRules::requestHostKey(abs).startsWith(QLatin1String("file://")))
            return false;
        QString normalised = abs.toLower();
        normalised.replace(QStringLiteral("////"), QStringLiteral("///"))
            .remove(QStringLiteral("%20"))
            .replace(QStringLiteral("%3a"), QStringLiteral("?"))
            .replace(QStringLiteral("%3d"), QStringLiteral(":"));
        return index.blocksFileAddress(normalised);
    }

    Verdict blockedList()
    {
        if (blocked()) {
            if (p.makeToast)
                effects.append(NavigationEffect::toast(formatString(QStringLiteral("Access Denied for %@"), abs), Place::WindowView));
            if (p.accessDenied && link)
                add(Kind::Home);
            return Verdict::Cancel;
        }
        if (abs.contains(QLatin1String("window.korvel.launch"))) {
            add(Kind::LaunchApp, QUrl(), abs);
            add(Kind::StopLoading);
            return Verdict::Cancel;
        }
        if (WebsiteRules::checkIsSupportedByGoogleDocs(abs)) {
            if (p.isAllowPDFViewer && abs.endsWith(QLatin1String(".pdf"))) {
                const QUrl document = WebsiteAddress::appendDocDirectoryPathIfFileURL(url);
                if (!document.isEmpty())
                    add(Kind::OpenReader, document);
                return Verdict::Cancel;
            }
            if (tabbed && !p.isAllowPDFViewer && abs.startsWith(QLatin1String("file://")) && abs.endsWith(QLatin1String(".pdf"))
                && p.makeToast) {
                //% "The document reader is switched off. Please contact your administrator."
                effects.append(NavigationEffect::toast(qtTrId("PDF_VIEWER_SHOULD_BE_ENABLE_CONTACT_ADMINISTRATOR"), Place::WebView));
                return Verdict::Cancel;
            }
            const QString& viewer = window.strForGoogleDocUrl;
            const bool viewable = (!viewer.isEmpty() && abs.startsWith(viewer)) || abs.startsWith(QLatin1String("file://"));
            // Without a viewer address the document would only be sent round to itself.
            if (!viewable && p.isAllowOpenFileInGoogleDocs && !viewer.isEmpty()) {
                add(Kind::LoadRequest, QUrl(formatString(QStringLiteral("%@%@"), viewer, abs)));
                return Verdict::Cancel;
            }
        }
        effects.append(NavigationEffect::log(QStringLiteral("Webview"), formatString(QStringLiteral("Loading URL: %@"), abs)));
        return Verdict::Allow;
    }

    Verdict refusal()
    {
        if (!abs.contains(QLatin1String("about:")))
            effects.append(NavigationEffect::log(QStringLiteral("URL_action"), formatString(QStringLiteral("URL_Blocked<%@>"), abs)));
        if (p.makeToast && abs != QLatin1String("about:blank")) {
            QString message;
            if (p.accessDenied && link)
                message = formatString(QStringLiteral("Access Denied URL:%@"), abs);
            else if (action.opensNewWindow && !p.allowPopup && !tabbed)
                message = QStringLiteral("Popups are blocked");
            else
                message = formatString(QStringLiteral("Korvel blocked URL:%@"), abs);
            effects.append(NavigationEffect::toast(message, Place::WebView));
        }
        if (p.accessDenied && link)
            add(Kind::Home);
        return Verdict::Cancel;
    }

    std::optional<QString> read(const QUrl& target) const
    {
        return services.readPage ? services.readPage(target) : std::nullopt;
    }

    static NavigationEffect loadHTML(const QUrl& base, const QString& page)
    {
        return NavigationEffect::with(Kind::LoadHTML, base, page);
    }

    const KVSettings& s;
    const KVBrowserPrefSettings& p;
    const NavigationAction& action;
    const QUrl& url;
    BrowserWindowState& window;
    const NavigationServices& services;
    const PolicyIndex& index;
    const bool tabbed;
    const bool link;

    NavigationEffects effects;
    QString abs;
    QString host;
    QString hostNoWWW;
    QString urlStringValue;
    bool urlStringTaken = false;
    bool reloadCountsAsAllowed = false;
};

}  // namespace

NavigationServices NavigationServices::standard()
{
    NavigationServices services;
    services.vendorIdentifier = Device::current().identifierForVendor();
    services.documentsDirectory = Paths::documentsDirectory();
    services.errorPageFile = Paths::resourceFile(errorPageName);
    services.homePageFile = services.documentsDirectory + QLatin1Char('/') + homePageName;
    return services;
}

NavigationDecision NavigationPolicy::decide(const KVSettings& settings, const NavigationAction& action,
                                            BrowserWindowState& window, const NavigationServices& services, WindowMode mode)
{
    m_index.refresh(settings);
    return Decision(settings, action, window, services, mode, m_index).run();
}

bool NavigationPolicy::isInsideDocuments(const QUrl& url, const NavigationServices& services)
{
    return url.isLocalFile() && Paths::resolvedInside(services.documentsDirectory, url.toLocalFile()).has_value();
}

bool NavigationPolicy::isNeverAllowed(const QUrl& url, const NavigationServices& services)
{
    static const QStringList engineSchemes = {
        QStringLiteral("view-source"), QStringLiteral("chrome"),       QStringLiteral("chrome-untrusted"),
        QStringLiteral("chrome-extension"), QStringLiteral("chrome-search"), QStringLiteral("devtools"),
        QStringLiteral("chrome-devtools"),  QStringLiteral("javascript"),  QStringLiteral("qrc"),
    };
    const QString scheme = url.scheme().toLower();
    if (engineSchemes.contains(scheme))
        return true;
    if (scheme == QLatin1String("file"))
        return !isInsideDocuments(url, services) && !sameLocalFile(url, services.errorPageFile);
    return false;
}

}  // namespace korvel

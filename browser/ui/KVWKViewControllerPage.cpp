// The window's side of its page (made and renewed by WindowPage): the page's signals, what the
// page asks of its window (the page host: navigation decisions, dialogs, files, pop-ups) and the
// effects it is told to perform.
#include "browser/ui/KVWKViewController.h"
#include "browser/ui/PageLoadRules.h"
#include "platform/KioskCounters.h"

#include "browser/ErrorRecovery.h"
#include "browser/LoadError.h"
#include "browser/PageZoom.h"
#include "browser/ResponsePolicy.h"
#include "browser/TabRules.h"
#include "browser/ui/BrowserToolbar.h"
#include "browser/ui/EngineProfiles.h"
#include "browser/ui/DownloadsBar.h"
#include "browser/ui/IdleMediaHold.h"
#include "browser/ui/KVWebPage.h"
#include "browser/ui/KVWebView.h"
#include "browser/ui/KorvelWebEngine.h"
#include "browser/ui/PageDialogs.h"
#include "browser/ui/PageFilePicker.h"
#include "browser/ui/PageInputFilter.h"
#include "browser/ui/PagePrinter.h"
#include "browser/ui/LoadRetryPerformer.h"
#include "browser/ui/PageRecovery.h"
#include "browser/ui/PopupWindows.h"
#include "browser/ui/WindowPage.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"
#include "files/VisitQuota.h"
#include "files/VisitorFiles.h"
#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Paths.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "policy/WebsiteAddress.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

#include <QAuthenticator>
#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QWebEngineCertificateError>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>

#include <algorithm>

namespace korvel {

namespace {

using Kind = NavigationEffect::Kind;

KVSettings& settings()
{
    return KVSettings::getSettingsObject();
}

const KVBrowserPrefSettings& preferences()
{
    return settings().kvBrowPref;
}

}  // namespace

// The window's view and page, made once with what watches them: the touches, the renderer's
// recovery, and a fresh page when a visit ends.
void KVWKViewController::makePage()
{
    m_view = new KVWebView(this);
    m_view->setCopyPasteAllowed([] { return preferences().enableCopyPaste; });
    m_pages = new WindowPage(this, m_view, m_adoptedPage, this);
    m_page = m_pages->page();
    layout()->addWidget(m_view);
    // The touches go to a widget the engine makes inside the view, and makes anew when it
    // likes; watching at the application's level counts them whichever widget that is.
    qApp->installEventFilter(this);
    m_spinner = new QProgressBar(this);
    m_spinner->setRange(0, 0);
    m_spinner->setTextVisible(false);
    m_spinner->setFixedSize(120, 8);
    m_spinner->hide();
    // The page's widget comes with its first renderer and is renewed with a new one.
    m_input = new PageInputFilter([] { return preferences().zoomEnable; }, this);
    m_input->setEscapeAction([this] { return m_page && m_page->leaveFullScreen(); });
    m_recovery = new PageRecovery(m_view,
                                  {[this] { return isVisible(); }, [this] { return isVisible() && !m_left; },
                                   [this] { kioskHome(); },
                                   // A page dialog holds its renderer until the person answers.
                                   [this] { return isVisible() && !m_left && !m_pageDialog && !m_filePickerWait; },
                                   [this] { return lastUserInput(); }},
                                  this);
    m_retry = new LoadRetryPerformer({[this] { return isVisible() && !m_left; }, [this](const QUrl& url) { loadWebsite(url); },
                                      [this](int seconds) {
                                          if (m_view->url() == QUrl::fromLocalFile(m_services.errorPageFile))
                                              m_page->runJavaScript(QStringLiteral("if (window.korvelRetryIn) korvelRetryIn(%1);").arg(seconds));
                                      }},
                                     this);
    connectPage();
    // A finished visit's pages go with its profile: this window starts again in a fresh one.
    connect(&EngineProfiles::instance(), &EngineProfiles::visitEnded, this, &KVWKViewController::renewPage);
    new IdleMediaHold([this] { return QList<QWebEnginePage*>{m_page, m_popups->view() ? m_popups->view()->page() : nullptr}; }, this);
}

void KVWKViewController::connectPage()
{
    // Once: the relays follow the present page.
    // A page that was opened as a tab closes its window: the tab goes (shortly after).
    connect(m_pages, &WindowPage::windowCloseRequested, this, [this] {
        if (mode() == WindowMode::Tabbed && !preferences().allowPopup)
            NotificationCenter::defaultCenter().post(kRemoveCellNotification, this);
    });
    connect(m_pages, &WindowPage::loadFinished, this, &KVWKViewController::pageFinishedSteps);
    connect(m_pages, &WindowPage::loadingChanged, this, &KVWKViewController::onLoadingChanged);
    connect(m_pages, &WindowPage::certificateError, this, &KVWKViewController::onCertificateError);
    connect(m_pages, &WindowPage::authenticationRequired, this, &KVWKViewController::onAuthenticationRequired);
    connect(m_pages, &WindowPage::loadStarted, this, [this] { setLoading(true); });
    connect(m_pages, &WindowPage::loadProgress, this, [this](int progress) { setLoading(progress < 100); });
    connect(m_pages, &WindowPage::loadFinished, this, [this] { setLoading(false); });
    connect(m_pages, &WindowPage::printRequested, this, [this] {
        if (preferences().enablePrintLinks && m_printer->mayPrint(PrintGuard::Source::Page))
            printWebview();
    });
    connect(m_pages, &WindowPage::loadProgress, m_input, [this] { m_input->watch(m_view->focusProxy()); });
    connect(m_pages, &WindowPage::loadFinished, m_input, [this] { m_input->watch(m_view->focusProxy()); });
    connect(m_pages, &WindowPage::loadFinished, m_recovery, &PageRecovery::loadFinished);
    connect(m_pages, &WindowPage::renderProcessTerminated, m_recovery, &PageRecovery::rendererTerminated);
    connect(m_pages, &WindowPage::loadingChanged, m_recovery, &PageRecovery::loadingChanged);
    connect(m_pages, &WindowPage::loadStarted, m_recovery, &PageRecovery::pageChanged);
    connect(m_pages, &WindowPage::renderProcessPidChanged, m_recovery, &PageRecovery::pageChanged);
    connect(m_pages, &WindowPage::urlChanged, this, [this](const QUrl& url) {
        NavigationEffects effects;
        if (preferences().allowContentBlocking
            && WebsiteRules::checkBlockedKeyWordIsExistOrNot(url.toString(QUrl::FullyEncoded), true, preferences(), &effects)) {
            perform(effects);
            kioskHomeWhenOnTop();
        }
    });
}

bool KVWKViewController::decideNavigation(KVWebPage* page, const NavigationAction& action)
{
    const QUrl& url = action.url;
    const bool opensNewWindow = action.opensNewWindow;
    // The window's own blank page, which no website rule names.
    if (std::exchange(m_blanking, false) && action.url == QUrl(QStringLiteral("about:blank")) && !action.opensNewWindow
        && page == m_page)
        return true;
    // A page of the upload server that the window itself put in as HTML: the engine carries it in
    // a data: address, which no website rule names.
    if (m_showingHtml > 0 && page == m_page && !action.opensNewWindow && action.url.scheme() == QLatin1String("data")) {
        --m_showingHtml;
        return true;
    }
    m_state.tabControllerOnTop = tabControllerOnTop();
    if (page == m_page)
        m_activation.navigationStarted(Clock::instance().now(), lastUserInput());
    const NavigationDecision decision = m_policy.decide(settings(), action, m_state, m_services, mode());
    if (action.frame == NavigationFrame::Main) {
        KioskCounters::shared().navigations++;
        if (decision.verdict == Verdict::Cancel)
            KioskCounters::shared().refusedNavigations++;
    }
    if (decision.verdict == Verdict::Cancel)
        PageLoadRules::refusedNavigation(page->url(), url, action.frame == NavigationFrame::Sub);
    perform(decision.effects);
    // A page made for a new window that does not open as a pop-up has no further use.
    const auto dropCandidate = [this, page, opensNewWindow] {
        if (opensNewWindow)
            m_popups->release(page);
        return false;
    };
    if (decision.verdict == Verdict::Cancel)
        return dropCandidate();
    if (!opensNewWindow)
        return true;

    // The page's new window, allowed by the policy: where it opens is the pop-up preferences' say.
    const KVBrowserPrefSettings& p = preferences();
    if (p.allowPopup && p.allowPopupInSameWindow) {
        // The decision's own effects normally load it already; a second load would fetch it twice.
        const bool loads = std::any_of(decision.effects.begin(), decision.effects.end(), [](const NavigationEffect& e) {
            return e.kind == Kind::LoadRequest || e.kind == Kind::LoadHTML || e.kind == Kind::LoadFile;
        });
        if (!loads)
            QMetaObject::invokeMethod(this, [this, url] { m_view->load(url); }, Qt::QueuedConnection);
        return dropCandidate();
    }
    if (p.allowPopup) {
        m_popups->show(page);
        return true;
    }
    if (mode() == WindowMode::Tabbed) {
        // The tab controller takes the page over as a new tab (it becomes the page's parent); a
        // page nobody took has no further use.
        NotificationCenter::defaultCenter().post(kCreateCellNotification, page, {{QStringLiteral("url"), url}});
        if (page->parent() == m_popups)
            return dropCandidate();
        return true;
    }
    if (p.makeToast)
        perform({NavigationEffect::toast(qtTrId("BROWSER_POPUPS_BLOCKED"), NavigationEffect::Place::WindowView)});
    return dropCandidate();
}

QWebEnginePage* KVWKViewController::createPopupPage()
{
    return m_popups->createCandidate();
}

QWebEngineView* KVWKViewController::popupView() const
{
    return m_popups->view();
}

void KVWKViewController::closeActiveWebView()
{
    m_popups->close();
}

void KVWKViewController::perform(const NavigationEffects& effects)
{
    m_performer.perform(effects);
}

QWidget* KVWKViewController::webViewWidget()
{
    return m_view;
}

void KVWKViewController::goHome()
{
    QMetaObject::invokeMethod(this, &KVWKViewController::kioskHome, Qt::QueuedConnection);
}

void KVWKViewController::load(const QUrl& url)
{
    // The decision is made inside the engine's own call: the load follows once it has returned.
    QMetaObject::invokeMethod(this, [this, url] { m_view->load(url); }, Qt::QueuedConnection);
}

void KVWKViewController::loadHTML(const QString& html, const QUrl& baseURL)
{
    QMetaObject::invokeMethod(
        this,
        [this, html, baseURL] {
            ++m_showingHtml;
            m_view->setHtml(html, baseURL);
        },
        Qt::QueuedConnection);
}

void KVWKViewController::loadErrorPage()
{
    QMetaObject::invokeMethod(this, &KVWKViewController::loadBuiltInErrorPage, Qt::QueuedConnection);
}

void KVWKViewController::stopLoading()
{
    m_view->stop();
}

void KVWKViewController::evaluateScript(const QString& script)
{
    m_page->runJavaScript(script);
}

void KVWKViewController::retryFailedPage()
{
    QMetaObject::invokeMethod(this, &KVWKViewController::errorRefreshButtonPressed, Qt::QueuedConnection);
}

void KVWKViewController::popWindow(Animation animation)
{
    leaveWindow(VisitEnd::WindowClosed, animation);
}

void KVWKViewController::showBars(PageBars bars)
{
    // One window shows one kind of page: its bars follow the preferences whatever it shows. The
    // tabs' home page has the home screen's downloads bar.
    buildToolbar();
    const bool downloads = bars == PageBars::HomePageWithDownloads;
    if (downloads && !m_downloadsBar) {
        m_downloadsBar = new DownloadsBar([this] { goToDownloadHistoryView(); }, this);
        layout()->addWidget(m_downloadsBar);
    }
    if (m_downloadsBar)
        m_downloadsBar->setVisible(downloads);
}

void KVWKViewController::renewPage()
{
    if (!m_page)
        return;
    closeActiveWebView();
    ++m_pageGeneration;
    m_pages->renew(preferences());
    m_page = m_pages->page();
    m_clearHistoryOnHome = false;
    setLoading(false);
    if (mode() == WindowMode::SingleWindow) {
        // A window that outlives the visit (under the settings) shows nothing of it.
        blankPage();
        return;
    }
    m_state.selectedWebsite.reset();
    m_state.selectedCategoryId = 0;
    loadVisibleWebSites(Animation::None);
}

void KVWKViewController::blankPage()
{
    m_recovery->windowBlanks();
    m_blanking = true;
    // A discarded tab's page loads nothing until it is active again.
    m_page->setLifecycleState(QWebEnginePage::LifecycleState::Active);
    m_view->load(QUrl(QStringLiteral("about:blank")));
}

void KVWKViewController::pageFinishedSteps(bool ok)
{
    if (!ok)
        KioskCounters::shared().loadErrors++;
    const KVBrowserPrefSettings& p = preferences();
    if (!p.enableCopyPaste) {
        m_page->runJavaScript(QStringLiteral("document.documentElement.style.webkitUserSelect='none';"));
        m_page->runJavaScript(QStringLiteral("document.documentElement.style.webkitTouchCallout='none';"));
    }
    if (mode() == WindowMode::Tabbed) {
        // The home page is all icons: no page actions over it or under it.
        if (showsHomePage()) {
            m_toolbar->hide();
            m_menuButton->hide();
        } else {
            buildToolbar();
        }
        homePageFinishedSteps();
        // The tab's label follows the page.
        if (!m_state.runAtStartup_bool)
            NotificationCenter::defaultCenter().post(kUpdateCellNotification, this);
    }
    QFile custom(Paths::resourceFile(QStringLiteral("customJS.js")));
    if (custom.open(QIODevice::ReadOnly)) {
        m_page->runJavaScript(QString::fromUtf8(custom.readAll()));
        m_page->runJavaScript(QStringLiteral("if (typeof addCSS === 'function') { addCSS(); }"));
    }
    m_page->runJavaScript(
        QStringLiteral("(function(){var v=document.getElementsByName('viewport')[0];return v?v.getAttribute('content'):'';})()"),
        [this](const QVariant& viewport) {
            const double scale = PageZoom::initialScale(viewport.toString());
            const KVBrowserPrefSettings& prefs = preferences();
            if (const std::optional<double> zoom = PageZoom::zoomAfterLoad(scale, prefs)) {
                QPointer<KVWKViewController> self(this);
                singleShot(std::chrono::milliseconds(300), this, [self, zoom] {
                    if (self && self->m_view)
                        self->m_view->setZoomFactor(*zoom * ThemeLegibility::textScale());
                });
            }
            m_page->runJavaScript(PageZoom::viewportScript(scale, prefs));
        });
    if (p.allowContentBlocking)
        checkPageContentForKeywords();
    Q_EMIT pageFinished(ok);
}

void KVWKViewController::checkPageContentForKeywords()
{
    m_page->runJavaScript(QStringLiteral("document.body ? document.body.innerHTML : ''"), [this](const QVariant& html) {
        NavigationEffects effects;
        if (WebsiteRules::checkBlockedKeyWordIsExistOrNot(html.toString(), false, preferences(), &effects)) {
            perform(effects);
            kioskHomeWhenOnTop();
        }
    });
}

void KVWKViewController::onLoadingChanged(const QWebEngineLoadingInfo& info)
{
    // The downloads bar belongs to the tabs' home page only.
    if (m_downloadsBar && info.status() == QWebEngineLoadingInfo::LoadStartedStatus
        && !info.url().toString(QUrl::FullyEncoded).endsWith(QLatin1String("homeWebPage.html")))
        m_downloadsBar->hide();
    // A page was shown: a later download leaves the visitor on it rather than closing the window.
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
        m_isFirstTimeLoad = false;
        m_activation.pageShown();
        if (!isErrorPage(info.url()) && info.url().scheme() != QLatin1String("about"))
            m_retry->loaded();
    }
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus)
        return;
    // Tabs left for the settings show no error page over what the administrator is doing.
    if (mode() == WindowMode::Tabbed && TabRules::leftForSettings())
        return;
    KVLog(QStringLiteral("debug"), QStringLiteral("didFailNavigation"));
    KVLog(QStringLiteral("debug"), QStringLiteral("%d"), info.errorCode());
    LoadFailure failure;
    failure.error = LoadError::fromEngine(int(info.errorDomain()), info.errorCode(), info.errorString());
    failure.failedURL = info.url();
    failure.builtInErrorPage = QUrl::fromLocalFile(m_services.errorPageFile);
    failure.selectedWebsite = m_state.selectedWebsite;
    failure.errorPage = m_errorPage;
    if (m_errorPage) {
        if (const std::optional<QUrl> url = m_errorPage->parsedURL(); url && url->isLocalFile())
            failure.errorPageFileExists = QFileInfo::exists(WebsiteAddress::appendDocDirectoryPathIfFileURL(*url).toLocalFile());
    }
    if (m_state.selectedWebsite) {
        if (const std::optional<QUrl> url = m_state.selectedWebsite->parsedURL(); url && url->isLocalFile()) {
            failure.selectedFileURL = WebsiteAddress::appendDocDirectoryPathIfFileURL(*url);
            failure.selectedFileAvailable = isFileURLAllowed(*url) && QFileInfo::exists(failure.selectedFileURL.toLocalFile());
        }
    }
    NavigationEffects effects = ErrorRecovery::provisionalFailure(failure, preferences());
    // A try again that fails says nothing new: the error page's countdown goes on without a new alert.
    if (m_retry->retrying())
        effects.removeIf([](const NavigationEffect& e) { return e.kind == Kind::Alert; });
    perform(effects);
    if (!isErrorPage(failure.failedURL))
        m_retry->failed(failure.failedURL, failure.error);
}

bool KVWKViewController::isErrorPage(const QUrl& url) const
{
    if (url.matches(QUrl::fromLocalFile(m_services.errorPageFile), QUrl::RemoveQuery | QUrl::RemoveFragment))
        return true;
    const std::optional<QUrl> custom = m_errorPage ? m_errorPage->parsedURL() : std::nullopt;
    if (!custom)
        return false;
    if (custom->isLocalFile())
        return url.isLocalFile() && WebsiteAddress::lastPathComponent(url) == WebsiteAddress::lastPathComponent(*custom);
    return url.matches(*custom, QUrl::StripTrailingSlash);
}

int KVWKViewController::secondsToRetry() const
{
    return m_retry ? m_retry->secondsLeft() : 0;
}

QDateTime KVWKViewController::lastUserInput() const
{
    return m_input ? m_input->lastUserInput() : QDateTime();
}

void KVWKViewController::onDownloadRequested(QWebEngineDownloadRequest* download)
{
    if (download->page() != m_page)
        return;
    ResponseContext response;
    response.mimeType = download->mimeType();
    response.engineCanShow = false;
    response.currentURL = download->url();
    response.tabbed = mode() == WindowMode::Tabbed;
    response.isFirstTimeLoad = m_isFirstTimeLoad;
    response.userGesture = m_activation.active(Clock::instance().now(), lastUserInput());
    response.expectedBytes = download->totalBytes();
    response.quotaLeft = VisitQuota::shared().left(preferences());
    const ResponseDecision decision = ResponsePolicy::decide(response, preferences());
    m_isFirstTimeLoad = false;
    // A download the decision starts is taken over by the downloader while the engine still offers it.
    m_offeredDownload = download;
    perform(decision.effects);
    m_offeredDownload = nullptr;
    // The engine never saves anything itself: files reach the device only through the downloader.
    if (download->state() == QWebEngineDownloadRequest::DownloadRequested)
        download->cancel();
}

void KVWKViewController::onCertificateError(const QWebEngineCertificateError& error)
{
    QWebEngineCertificateError copy = error;
    if (preferences().ignoreSslWarnings)
        copy.acceptCertificate();
    else
        copy.rejectCertificate();
}

void KVWKViewController::onAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator)
{
    Q_UNUSED(url);
    PageDialogs::authenticate(this, authenticator);
}

bool KVWKViewController::runPageDialog(PageDialog kind, const QString& message, const QString& defaultValue, QString* result)
{
    // A window on its way Home, or already left, answers no page.
    if (m_homeAfterDialog || !isVisible())
        return false;
    Alert* alert = PageDialogs::make(kind, message, m_view ? m_view->url().host() : QString(), defaultValue);
    m_pageDialog = alert;
    const PageDialogs::Answer answer = PageDialogs::ask(alert, this);
    m_pageDialog.clear();
    if (m_homeAfterDialog) {
        QMetaObject::invokeMethod(this, [this] {
            m_homeAfterDialog = false;
            kioskHome();
        }, Qt::QueuedConnection);
        return false;
    }
    const bool ok = answer.accepted();
    if (kind == PageDialog::Prompt && ok && result)
        *result = answer.fields.value(0);
    return ok;
}

QStringList KVWKViewController::choosePageFiles(const PageFileRequest& request)
{
    NavigationStack* stack = stackOfScreen();
    // A window on its way Home, already left or already asking answers no page.
    if (m_homeAfterDialog || m_pageDialog || m_filePickerWait || !isVisible() || !stack)
        return {};
    // The answer outlives this call: the picker may report while it is being taken away.
    struct Answer {
        bool given = false;
        QStringList paths;
        QPointer<QEventLoop> wait;
    };
    auto answer = std::make_shared<Answer>();
    // What a previous visitor downloaded or printed is not this visitor's to send.
    PageFileRequest offered = request;
    offered.withheld = [](const QString& path) { return VisitorFiles::shared().withheld(path); };
    QPointer<Screen> picker = PageFilePicker::make(offered, [answer](const QStringList& paths) {
        if (std::exchange(answer->given, true))
            return;
        answer->paths = paths;
        if (answer->wait)
            answer->wait->quit();
    });
    if (!picker)
        return {};
    QEventLoop loop;
    answer->wait = &loop;
    m_filePickerWait = &loop;
    connect(picker, &QObject::destroyed, &loop, &QEventLoop::quit);
    stack->present(picker, Animation::Animated);
    if (!answer->given)
        loop.exec();
    answer->wait = nullptr;
    answer->given = true;
    // Home or the background ended the wait: the picker goes without an answer.
    if (picker && stack->presentedScreen() == picker)
        stack->dismiss(Animation::None);
    if (m_homeAfterDialog) {
        QMetaObject::invokeMethod(this, [this] {
            m_homeAfterDialog = false;
            kioskHome();
        }, Qt::QueuedConnection);
        return {};
    }
    return PageFiles::forPage(answer->paths, Paths::documentsDirectory(), offered);
}

}  // namespace korvel

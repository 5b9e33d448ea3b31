#include "browser/ui/KVWKViewController.h"

#include "browser/AdminAccess.h"
#include "browser/ErrorRecovery.h"
#include "browser/IdleRules.h"
#include "browser/IdleTimer.h"
#include "browser/PowerSaver.h"
#include "browser/LaunchRequest.h"
#include "browser/LoadError.h"
#include "browser/LocalPageReader.h"
#include "browser/PageZoom.h"
#include "browser/ResponsePolicy.h"
#include "browser/WindowOrientation.h"
#include "browser/ui/BrowserToolbar.h"
#include "browser/ui/EffectPerformer.h"
#include "browser/ui/EngineProfiles.h"
#include "browser/ui/KVWebPage.h"
#include "browser/ui/WindowPage.h"
#include "browser/ui/KVWebView.h"
#include "browser/TabRules.h"
#include "browser/ui/PageDialogs.h"
#include "browser/ui/PageFilePicker.h"
#include "browser/ui/PagePrinter.h"
#include "browser/ui/LoadRetryPerformer.h"
#include "browser/ui/PageRecovery.h"
#include "browser/ui/PopupWindows.h"
#include "browser/ui/RemoteImage.h"
#include "browser/ui/Routes.h"
#include "browser/ui/KorvelWebEngine.h"
#include "browser/ui/PageInputFilter.h"
#include "browser/ui/UserAgentInterceptor.h"
#include "browser/ui/VisitEndPerformer.h"
#include "browser/ui/IdleActionPerformer.h"
#include "files/VisitQuota.h"
#include "files/ui/KVFileDownloader.h"
#include "log/KVLog.h"
#include "log/KVLogBridge.h"
#include "platform/Clock.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "policy/IconLayout.h"
#include "platform/Reachability.h"
#include "platform/Timer.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Images.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Toast.h"
#include "files/KVServerStarter.h"
#include "files/VisitorFiles.h"
#include "policy/WebsiteAddress.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

#include <algorithm>

#include <QAuthenticator>
#include <QDateTime>
#include <QGuiApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QFileInfo>
#include <QTouchEvent>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace korvel {

namespace {

enum class AudioLeft { Playing, Paused, Rewound };

// Pauses a page's videos and, as asked, its audio, and ends its full screen.
void quietPage(QWebEnginePage* page, AudioLeft audio)
{
    static const QString videos = QStringLiteral(
        "var vids = document.getElementsByTagName('video'); for( var i = 0; i < vids.length; i++ ){vids.item(i).pause()}");
    static const QString pausedAudio = QStringLiteral(
        "var vids = document.getElementsByTagName('audio'); for( var i = 0; i < vids.length; i++ ){vids.item(i).pause()}");
    static const QString rewoundAudio = QStringLiteral(
        "var vids = document.getElementsByTagName('audio'); for( var i = 0; i < vids.length; i++ ){vids.item(i).pause(); vids.item(i).currentTime = 0;}");
    page->runJavaScript(videos);
    if (audio != AudioLeft::Playing)
        page->runJavaScript(audio == AudioLeft::Paused ? pausedAudio : rewoundAudio);
    if (auto* own = qobject_cast<KVWebPage*>(page))
        own->leaveFullScreen();
    else
        page->triggerAction(QWebEnginePage::ExitFullScreen);
}

// A picture as PNG bytes, the form the tabbed home page takes its icons in.
QByteArray pngBytes(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

KVSettings& settings()
{
    return KVSettings::getSettingsObject();
}

const KVBrowserPrefSettings& preferences()
{
    return settings().kvBrowPref;
}

}  // namespace

KVWKViewController::KVWKViewController(QWidget* parent)
    : BrowserTab(parent)
    , m_services(NavigationServices::standard())
    , m_performer(this, this)
{
    m_popups = new PopupWindows(this, this);
    m_printer = new PagePrinter(this, [this] { return lastUserInput(); });
    connect(m_printer, &PagePrinter::printedToFile, this, &KVWKViewController::printedToFile);
    // The window shows the upload server's pages through itself, with the kiosk's own key.
    m_services.readPage = [](const QUrl& url) {
        return LocalPageReader::read(url, {{KVServerStarter::kioskKeyHeader, KVServerStarter::kioskKey()}});
    };
    m_state.strForGoogleDocUrl = kDocumentViewerPrefix;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    connect(&EngineProfiles::instance(), &EngineProfiles::downloadRequested, this, &KVWKViewController::onDownloadRequested);
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, kReachabilityChangedNotification, [this](const Notification& n) {
        if (auto* monitor = qobject_cast<Reachability*>(n.object))
            reachabilityDidChange(monitor->isReachable());
    });
    center.addObserver(this, kCallSingleTabDisappearNotification, [this](const Notification&) { callSingleTabDisappear(); });
    // The tabs were left: no idle action of a tab may run under the settings.
    center.addObserver(this, kStopTimerNotification, [this](const Notification&) { stopIdleTimer(); });
    center.addObserver(this, kApplicationDidEnterBackgroundNotification, [this](const Notification&) { handleEnteredBackground(); });
    m_idle = IdleActionPerformer::makeTimer([this] { return idleState(); }, [this] { idleTimerExceeded(); }, this);
    IdleActionPerformer::onScreensaverAborted(this, [this] { magicTouch(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && isVisible())
            magicTouch();
    });
}

KVWKViewController::~KVWKViewController()
{
    // The page goes with the view, after this window's part of the object: nothing of it may call back.
    if (m_pages)
        m_pages->disconnect();
}

KVWKViewController* KVWKViewController::initWithWebsite(const std::optional<allowedWebsite>& website, QWidget* parent)
{
    auto* window = new KVWKViewController(parent);
    window->m_state.selectedWebsite = website;
    return window;
}

KVWKViewController* KVWKViewController::initWithWebsite(const allowedWebsite& website, const QString& externalURL,
                                                        QWidget* parent)
{
    KVWKViewController* window = initWithWebsite(website, parent);
    window->m_extURL = WebsiteRules::urlWithScheme(QUrl(externalURL));
    return window;
}

KVWKViewController* KVWKViewController::initWithPage(KVWebPage* page, QWidget* parent)
{
    auto* window = new KVWKViewController(parent);
    window->m_adoptedPage = page;
    // The page goes with its new window from now on, whatever becomes of the one that opened it.
    page->setParent(window);
    page->setWindow(window);
    return window;
}

WindowMode KVWKViewController::mode() const
{
    return preferences().useMultiTab ? WindowMode::Tabbed : WindowMode::SingleWindow;
}

void KVWKViewController::viewDidLoad()
{
    m_isFirstTimeLoad = true;
    m_state.selectedCategoryId = 0;
    m_state.firstToReload.reset();
    Init();
}

void KVWKViewController::Init()
{
    const KVBrowserPrefSettings& p = preferences();
    // What the window loads first was chosen by the person (an icon, a tab), not by a page; a page
    // adopted from another window's script was not.
    if (!m_adoptedPage)
        m_activation.navigationAsked(Clock::instance().now());
    if (!m_view)
        makePage();
    m_pages->prepare(p);
    m_state.localServerPath = KVServerStarter::sharedInstance().localServerAddress(p);
    KorvelWebEngine::interceptor()->setLocalServer(m_state.localServerPath, KVServerStarter::kioskKeyHeader, KVServerStarter::kioskKey());
    applyUserAgent();
    if (mode() == WindowMode::Tabbed)
        startIdleTimer();

    buildToolbar();

    m_errorPage.reset();
    for (const allowedWebsite& w : settings().allowedWebsites) {
        if (w.errorPage) {
            m_errorPage = w;
            break;
        }
    }

    // A page taken over from another window is already on its way.
    if (std::exchange(m_adoptedPage, nullptr))
        return;
    if (mode() == WindowMode::Tabbed) {
        loadVisibleWebSites(Animation::None);
        return;
    }
    loadSelectedWebsite();
}

void KVWKViewController::loadSelectedWebsite()
{
    if (!m_state.selectedWebsite)
        return;
    const std::optional<QUrl> url = m_state.selectedWebsite->parsedURL();
    const bool plainWebsite = url && !url->isLocalFile();
    if (m_extURL && plainWebsite)
        loadWebsite(*m_extURL);
    else if (url)
        loadWebsite(*url);
    else
        loadBuiltInErrorPage();
}

// The window's focus is the page's, handed on plainly: the page keeps the element it focused
// itself rather than moving to its first link as it would for Tab.
void KVWKViewController::focusInEvent(QFocusEvent* event)
{
    Screen::focusInEvent(event);
    if (m_view)
        m_view->setFocus(Qt::OtherFocusReason);
}

bool KVWKViewController::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // A quick second click arrives as a double click instead of a press.
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
                       || (type == QEvent::TouchBegin && static_cast<QTouchEvent*>(event)->points().size() == 1);
    if (press && watched->isWidgetType() && m_view) {
        auto* widget = static_cast<QWidget*>(watched);
        const quint64 time = static_cast<QInputEvent*>(event)->timestamp();
        // The first widget of this screen that a press reaches decides: the press then goes on to
        // the parents, and a touch the page leaves comes back as a mouse press, all with the time
        // of the one physical press.
        if ((widget == this || isAncestorOf(widget)) && (time == 0 || time != m_lastPressTimestamp)) {
            m_lastPressTimestamp = time;
            // The page, or this screen itself where the page lets touches through while it loads;
            // not the toolbar, the menu button or a pop-up.
            if (widget == this || widget == m_view || m_view->isAncestorOf(widget))
                handleSingleTap();
        }
    }
    return Screen::eventFilter(watched, event);
}

void KVWKViewController::handleSingleTap()
{
    const TapOutcome outcome = AdminTapGesture::tap(m_taps, Clock::instance().now(), AdminAccess::timeStart(), preferences());
    if (outcome != TapOutcome::Granted)
        return;
    KVLog(QStringLiteral("App General"), QStringLiteral("Password Alert shown"));
    AdminAccess::granted(this);
}

void KVWKViewController::resizeEvent(QResizeEvent* event)
{
    Screen::resizeEvent(event);
    placeOverlays();
}

void KVWKViewController::openAllTabbarOptions()
{
    m_menuOpened = true;
    QList<int> disabled;
    for (const ToolbarItem& item : m_items) {
        if (m_toolbar->hasItem(item.tag) && !m_toolbar->isItemEnabled(item.tag))
            disabled.append(item.tag);
    }
    if (!m_homeLock.isOpen())
        disabled.append(ToolbarItem::Home);
    //% "Korvel Menu"
    auto* sheet = new ActionSheet(qtTrId("TEXT_KORVEL_MENU"));
    //% "Cancel"
    sheet->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel);
    for (const ToolbarItem& item : ToolbarLayout::overflowItems(m_items, m_arrForShowingTabName, disabled)) {
        const int tag = item.tag;
        const int index = sheet->addButton(qtTrId(item.titleKey.toLatin1().constData()), Alert::Role::Default,
                                           [this, tag](Alert&) { onActionChosen(tag); });
        sheet->button(index)->setIcon(BrowserToolbar::imageFor(item));
        sheet->button(index)->setIconSize(QSize(24, 24));
    }
    sheet->showOver(this);
}

void KVWKViewController::menuButtonPressed()
{
    m_menuOpened = true;
    auto* sheet = new ActionSheet(qtTrId("TEXT_KORVEL_MENU"));
    sheet->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel);
    for (const ToolbarItem& item : ToolbarLayout::pageMenuItems(preferences())) {
        sheet->addButton(qtTrId(item.titleKey.toLatin1().constData()), Alert::Role::Default,
                         [this, tag = item.tag](Alert&) { performItem(tag, BackSource::PageMenu); });
    }
    sheet->showOver(this);
}

void KVWKViewController::backButtonPressed()
{
    goBack(BackSource::Toolbar);
}

void KVWKViewController::goBack(BackSource source)
{
    BackContext context;
    context.mode = mode();
    context.source = source;
    context.canGoBack = m_view->history()->canGoBack();
    context.showsFile = m_view->url().isLocalFile();
    context.inCategory = m_state.selectedWebsite && m_state.selectedWebsite->categoryId != 0;
    const BackOutcome outcome = VisitRules::back(context);
    switch (outcome.step) {
    case BackStep::PageBack:
        if (source == BackSource::PageMenu) {
            m_view->back();
            return;
        }
        closeActiveWebView();
        m_view->back();
        if (!m_view->url().isLocalFile() && m_view->url().toString().endsWith(QLatin1String("homeWebPage.html"))
            && m_state.selectedCategoryId == 0)
            homeButtonPressed();
        return;
    case BackStep::Home:
        homeButtonPressed();
        return;
    case BackStep::LeaveWindow:
        leaveWindow(VisitEnd::BackOutOfWindow, outcome.animated ? Animation::Animated : Animation::None);
        return;
    }
}

void KVWKViewController::leaveWindow(VisitEnd end, Animation animation)
{
    // Every way out of a window ends the visit, as Home does.
    singleTabwillDisappear(end);
    if (NavigationStack* stack = navigationStack())
        stack->pop(animation);
}

void KVWKViewController::forwardButtonPressed()
{
    if (!m_view->history()->canGoForward())
        return;
    closeActiveWebView();
    m_view->forward();
}

void KVWKViewController::refreshButtonPressed()
{
    closeActiveWebView();
    m_view->reload();
    if (m_toolbar)
        m_toolbar->setItemEnabled(ToolbarItem::Refresh, false);
}

void KVWKViewController::printButtonPressed()
{
    if (m_printer->mayPrint(PrintGuard::Source::Person))
        printWebview();
}

void KVWKViewController::printWebview()
{
    // A shown pop-up is what the person is looking at.
    m_printer->print(m_popups->view() ? m_popups->view() : static_cast<QWebEngineView*>(m_view), m_view->url().toString(QUrl::FullyEncoded));
}

void KVWKViewController::goToDownloadHistoryView()
{
    if (Routes::current().showDownloads)
        Routes::current().showDownloads(stackOfScreen());
}

void KVWKViewController::startDownload(const QUrl& url)
{
    // Only a download the engine is offering for this page can be taken over; its page's profile
    // carries the visit's cookies and authentication.
    if (!m_offeredDownload || m_offeredDownload->url() != url)
        return;
    KVFileDownloader* downloader =
        KVFileDownloader::initWithDownload(m_offeredDownload, m_page->profile(), DownloadRequester::BrowserWindow, this);
    // A private visit's profile must outlive the visit until its download is done.
    EngineProfiles::instance().hold(m_page->profile(), downloader);
    m_objForFileDownloader = downloader;
    downloader->downloadFile();
}

void KVWKViewController::setLoading(bool loading)
{
    // While a page loads the page takes no touches; the Refresh item waits for the load to end.
    if (m_view)
        m_view->setAttribute(Qt::WA_TransparentForMouseEvents, loading);
    if (m_toolbar)
        m_toolbar->setItemEnabled(ToolbarItem::Refresh, !loading);
    const bool spin = loading && preferences().enableloadingIcon;
    m_spinner->setVisible(spin);
    if (spin)
        placeOverlays();
}

QWidget* KVWKViewController::spinner() const
{
    return m_spinner;
}

bool KVWKViewController::isLoading() const
{
    return m_spinner && m_view && m_view->testAttribute(Qt::WA_TransparentForMouseEvents);
}

void KVWKViewController::pauseMedia()
{
    quietPage(m_page, AudioLeft::Paused);
    if (QWebEngineView* popup = m_popups->view())
        quietPage(popup->page(), AudioLeft::Playing);
}

void KVWKViewController::applyUserAgent()
{
    const KVBrowserPrefSettings& p = preferences();
    const bool custom = p.enableCustomUserAgentHeader && !p.customUserAgentHeader.isEmpty();
    KorvelWebEngine::interceptor()->setUserAgent(custom ? p.customUserAgentHeader.toUtf8() : QByteArray());
    // The profile's too, so that what the page reads of itself (navigator.userAgent) agrees.
    EngineProfiles::instance().setUserAgent(custom ? p.customUserAgentHeader : QString());
}

bool KVWKViewController::isFileURLAllowed(const QUrl& url) const
{
    const QString name = WebsiteAddress::lastPathComponent(url);
    for (const allowedWebsite& w : settings().allowedWebsites) {
        const std::optional<QUrl> wURL = w.parsedURL();
        if (wURL && wURL->isLocalFile() && WebsiteAddress::lastPathComponent(*wURL) == name)
            return true;
    }
    return false;
}

void KVWKViewController::loadWebsite(const QUrl& url)
{
    if (url.isLocalFile()) {
        const std::optional<QUrl> local = WebsiteAddress::getURLFromString(WebsiteAddress::lastPathComponent(url));
        if (isFileURLAllowed(url) && local && QFileInfo::exists(local->toLocalFile()))
            m_view->load(*local);
        else
            loadBuiltInErrorPage();
        return;
    }
    m_view->load(url);
}

void KVWKViewController::loadBuiltInErrorPage()
{
    m_view->load(QUrl::fromLocalFile(m_services.errorPageFile));
}

void KVWKViewController::resetIdleTimer()
{
    magicTouch();
}

void KVWKViewController::startIdleTimer()
{
    if (!IdleRules::timersEnabled(preferences()))
        return;
    m_idle->reset();
    m_idle->observeEvents();
}

void KVWKViewController::stopIdleTimer()
{
    m_idle->invalidate();
    m_idle->stopObservingEvents();
}

void KVWKViewController::magicTouch()
{
    m_idle->magicTouch();
    if (PowerSaver* saver = PowerSaver::current())
        saver->powerSaverModeSwitch();
}

IdleState KVWKViewController::idleState() const
{
    const PowerSaver* saver = PowerSaver::current();
    IdleState state;
    state.screen = IdleScreen::Window;
    state.mode = mode();
    state.menuOpened = m_menuOpened;
    state.mediaKnown = m_page != nullptr;
    state.powerSaveOn = saver && saver->powerSaveOn();
    return state;
}

void KVWKViewController::idleTimerExceeded()
{
    IdleActionPerformer::timerExceeded(idleState(), {[this] { kioskHome(); }, [this] { pauseMedia(); },
                                                     [this] { gotoHomeUI(); }, nullptr});
}

void KVWKViewController::gotoHomeUI()
{
    if (Alert* alert = Alert::visibleAlert())
        alert->dismiss();
    QMetaObject::invokeMethod(this, &KVWKViewController::kioskHome, Qt::QueuedConnection);
}

void KVWKViewController::loadVisibleWebSites(Animation transition)
{
    Q_UNUSED(transition);
    if (mode() == WindowMode::SingleWindow) {
        // A single window shows no list of websites: the home screen shows the chosen folder.
        Q_EMIT categoryRequested(m_state.selectedCategoryId);
        goHome();
        return;
    }
    HomePageEntries::Inputs inputs;
    inputs.selectedCategoryId = m_state.selectedCategoryId;
    inputs.hasDragged = UserDefaults::standard().objectForKey(QString::fromLatin1(IconLayout::hasDraggedKey)).toBool();
    inputs.documentsDirectory = Paths::documentsDirectory();
    inputs.localServer = m_state.localServerPath;
    inputs.iconFileExists = [documents = inputs.documentsDirectory](const QString& path) {
        const std::optional<QString> inside = Paths::resolvedInside(documents, path);
        return inside && QFileInfo(*inside).isFile();
    };
    m_entries = HomePageEntries::loadVisibleWebSites(settings(), inputs);
    m_state.runAtStartup_bool = m_entries.runAtStartup_bool;
    if (m_entries.startupWebsite)
        m_state.selectedWebsite = m_entries.startupWebsite;
    if (m_state.selectedWebsite) {
        loadSelectedWebsite();
        return;
    }
    m_view->load(QUrl::fromLocalFile(m_services.homePageFile));
}

NavigationStack* KVWKViewController::stackOfScreen() const
{
    // A tab's window sits in the tab controller, which is the one on the stack.
    for (const QWidget* widget = this; widget; widget = widget->parentWidget()) {
        if (auto* screen = qobject_cast<const Screen*>(widget); screen && screen->navigationStack())
            return screen->navigationStack();
    }
    return nullptr;
}

bool KVWKViewController::tabControllerOnTop() const
{
    // A tab's window sits in the tab controller, the screen around it that is on a stack.
    for (QWidget* widget = parentWidget(); widget; widget = widget->parentWidget()) {
        if (auto* tabs = qobject_cast<Screen*>(widget); tabs && tabs->navigationStack())
            return tabs->navigationStack()->visibleScreen() == tabs;
    }
    return false;
}

bool KVWKViewController::onTop() const
{
    if (mode() == WindowMode::Tabbed)
        return tabControllerOnTop();
    const NavigationStack* stack = navigationStack();
    return !stack || stack->visibleScreen() == this;
}

bool KVWKViewController::showsHomePage() const
{
    return m_view && m_view->url().toString(QUrl::FullyEncoded).endsWith(QLatin1String("homeWebPage.html"));
}

void KVWKViewController::homePageFinishedSteps()
{
    if (!showsHomePage())
        return;
    if (!m_state.selectedWebsite)
        m_page->runJavaScript(HomePageEntries::addtextScript(m_entries.base64JSON(), Theme::appearance() == Appearance::Dark));
    const QString documents = Paths::documentsDirectory();
    for (const QString& icon : m_entries.customIconUrls) {
        const std::optional<QString> path = Paths::resolvedInside(documents, HomePageEntries::iconPath(icon));
        const QImage image = path ? QImage(*path) : QImage();
        if (!image.isNull())
            m_page->runJavaScript(HomePageEntries::customIconScript(icon, pngBytes(image)));
    }
    // Web icons: the local page may not fetch them itself.
    QStringList webIcons;
    for (const QVariant& entry : m_entries.allowedVisibleWebsites) {
        const QString icon = entry.toMap().value(QStringLiteral("iconURL")).toString();
        if (icon.startsWith(QLatin1String("http")) && !webIcons.contains(icon))
            webIcons.append(icon);
    }
    const QPointer<KVWebPage> page(m_page);
    for (const QString& icon : std::as_const(webIcons)) {
        RemoteImage::load(QUrl(icon), m_page, [page, icon](const QImage& image) {
            if (page && !image.isNull())
                page->runJavaScript(HomePageEntries::customIconScript(icon, pngBytes(image)));
        });
    }
    // Back from the home page does not return to the website that was left.
    if (std::exchange(m_clearHistoryOnHome, false))
        m_view->history()->clear();
}

void KVWKViewController::stopMediaOfHiddenTab()
{
    if (!m_page)
        return;
    quietPage(m_page, AudioLeft::Rewound);
    if (QWebEngineView* popup = m_popups->view())
        quietPage(popup->page(), AudioLeft::Rewound);
}

void KVWKViewController::homeButtonPressed()
{
    runHome(HomeCause::Person);
}

void KVWKViewController::kioskHome()
{
    runHome(HomeCause::Kiosk);
}

void KVWKViewController::kioskHomeWhenOnTop()
{
    // A page that changes under another screen (the download history, the reader) does not pull the
    // visitor out of it: Home waits until the window is on top again.
    if (onTop())
        kioskHome();
    else
        m_homeWaiting = true;
}

void KVWKViewController::runHome(HomeCause cause)
{
    // Left for the settings: the administrator stays there; Home runs once the window is back.
    if (m_left) {
        m_homeWaiting = true;
        return;
    }
    // A page dialog waits inside the engine's call into this window: the dialog goes first, and
    // the window leaves once that call has returned (see runPageDialog).
    if (m_pageDialog) {
        m_homeAfterDialog = true;
        m_pageDialog->dismiss();
        return;
    }
    if (m_filePickerWait) {
        m_homeAfterDialog = true;
        m_filePickerWait->quit();
        return;
    }
    // The 15-second rest keeps a person from pressing Home twice; a Home the kiosk asks for (the
    // content filter, the idle timeout, a network gain) always happens.
    if (!m_homeLock.tryRun() && cause == HomeCause::Person)
        return;
    if (m_toolbar) {
        m_toolbar->setItemEnabled(ToolbarItem::Home, false);
        QPointer<BrowserToolbar> bar(m_toolbar);
        singleShot(std::chrono::seconds(15), this, [bar] {
            if (bar)
                bar->setItemEnabled(ToolbarItem::Home, true);
        });
    }
    if (mode() == WindowMode::SingleWindow) {
        if (NavigationStack* stack = navigationStack())
            stack->popToRoot(NavigationStack::Animation::None);
        singleTabwillDisappear(VisitEnd::Home);
    } else {
        // The tab stays and shows its home page; a website left behind takes its visit with it.
        const bool leavesWebsite = !showsHomePage();
        m_state.selectedWebsite.reset();
        m_state.selectedCategoryId = 0;
        if (leavesWebsite) {
            closeActiveWebView();
            stopMediaOfHiddenTab();
            m_clearHistoryOnHome = true;
        }
        const quint64 page = m_pageGeneration;
        VisitEndPerformer::endVisit(VisitEnd::Home, {WindowMode::Tabbed, leavesWebsite, false});
        // A page renewed for the next visitor is on its way home already.
        if (page == m_pageGeneration)
            loadVisibleWebSites(Animation::None);
    }
    Q_EMIT homeRequested();
}

void KVWKViewController::singleTabwillDisappear(std::optional<VisitEnd> end)
{
    stopIdleTimer();
    pauseMedia();
    closeActiveWebView();
    if (end)
        VisitEndPerformer::endVisit(*end, {mode(), true, false});
    if (m_view)
        blankPage();
}

void KVWKViewController::singleTabDidDisappear()
{
    // Nothing of the window acts while it is not shown: no reachability reaction. Its loading has
    // already stopped: the blank page that leaving loads replaces whatever was loading.
    NotificationCenter::defaultCenter().removeObserver(this, kReachabilityChangedNotification);
}

void KVWKViewController::callSingleTabDisappear()
{
    if (m_left)
        return;
    NotificationCenter::defaultCenter().removeObserver(this, kCallSingleTabDisappearNotification);
    m_left = true;
    // The tabs' visit is ended once, by the tab controller.
    singleTabwillDisappear(mode() == WindowMode::SingleWindow ? std::optional<VisitEnd>(VisitEnd::Settings) : std::nullopt);
    singleTabDidDisappear();
    // A tab comes back on its home page, built from the settings as the administrator left them.
    if (mode() == WindowMode::Tabbed)
        m_homeWaiting = true;
}

void KVWKViewController::viewWillAppear(bool animated)
{
    Screen::viewWillAppear(animated);
    // A tabbed window starts its timer in Init, and again when it is back from the settings.
    if (mode() == WindowMode::SingleWindow || m_left)
        startIdleTimer();
    if (!m_left) {
        // What waited while another screen was over the window happens now.
        if (std::exchange(m_homeWaiting, false))
            QMetaObject::invokeMethod(this, &KVWKViewController::kioskHome, Qt::QueuedConnection);
        else if (const std::optional<bool> reachable = std::exchange(m_networkWaiting, std::nullopt))
            QMetaObject::invokeMethod(this, [this, r = *reachable] { reachabilityDidChange(r); }, Qt::QueuedConnection);
        return;
    }
    m_left = false;
    NotificationCenter::defaultCenter().addObserver(this, kReachabilityChangedNotification, [this](const Notification& n) {
        if (auto* monitor = qobject_cast<Reachability*>(n.object))
            reachabilityDidChange(monitor->isReachable());
    });
    // The next visit to the settings quiets the window again.
    NotificationCenter::defaultCenter().addObserver(this, kCallSingleTabDisappearNotification,
                                                    [this](const Notification&) { callSingleTabDisappear(); });
    if (std::exchange(m_homeWaiting, false))
        QMetaObject::invokeMethod(this, &KVWKViewController::kioskHome, Qt::QueuedConnection);
}

void KVWKViewController::handleEnteredBackground()
{
    // Leaving the foreground stops sound and blanks the page; it is not restored on return.
    if (m_filePickerWait)
        m_filePickerWait->quit();
    if (!m_view)
        return;
    pauseMedia();
    blankPage();
}

Qt::ScreenOrientations KVWKViewController::supportedInterfaceOrientations() const
{
    return WindowOrientation::supportedOrientations(preferences().browserOrientation);
}

void KVWKViewController::reachabilityDidChange(bool reachable)
{
    if (!m_view)
        return;
    // Under the download history or the reader the visitor is not pulled away: the window acts
    // on the network as it is once it is on top again.
    if (!onTop()) {
        m_networkWaiting = reachable;
        return;
    }
    m_networkWaiting.reset();
    if (!reachable) {
        // The reload fails now and so ends on the error page.
        m_view->reload();
        return;
    }
    if (preferences().goHomeOnNetworkGain) {
        if (Alert* alert = Alert::visibleAlert())
            alert->dismiss();
        QMetaObject::invokeMethod(this, &KVWKViewController::kioskHome, Qt::QueuedConnection);
        return;
    }
    m_errorRefreshLock.open();
    errorRefreshButtonPressed();
}

void KVWKViewController::errorRefreshButtonPressed()
{
    if (!m_state.firstToReload || !m_errorRefreshLock.tryRun())
        return;
    m_retry->triedByHand();
    if (preferences().enableRefreshOnError) {
        loadWebsite(*m_state.firstToReload);
    } else if (m_state.selectedWebsite) {
        if (const std::optional<QUrl> url = m_state.selectedWebsite->parsedURL())
            loadWebsite(WebsiteAddress::appendDocDirectoryPathIfFileURL(*url));
    }
}

}  // namespace korvel

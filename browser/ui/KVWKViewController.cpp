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
#include "browser/ui/DownloadsBar.h"
#include "browser/ui/EngineProfiles.h"
#include "browser/ui/IdleMediaHold.h"
#include "browser/ui/KVWebPage.h"
#include "browser/ui/KVWebView.h"
#include "browser/TabRules.h"
#include "browser/ui/PageDialogs.h"
#include "browser/ui/PageFilePicker.h"
#include "browser/ui/PagePrinter.h"
#include "browser/ui/PageRecovery.h"
#include "browser/ui/PopupWindows.h"
#include "browser/ui/RemoteImage.h"
#include "browser/ui/KorvelWebEngine.h"
#include "browser/ui/KVScreensaver.h"
#include "browser/ui/PageInputFilter.h"
#include "browser/ui/UserAgentInterceptor.h"
#include "browser/ui/VisitEndPerformer.h"
#include "browser/ui/IdleActionPerformer.h"
#include "files/VisitQuota.h"
#include "files/ui/KVDownloadHistoryViewController.h"
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
#include "policy/KVUtility.h"
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

using Kind = NavigationEffect::Kind;

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

QPointer<KVWKViewController> lastWindow;

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
    : Screen(parent)
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
    lastWindow = this;
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
    connect(KVScreensaver::getScreensaverObject(), &KVScreensaver::playbackAborted, this, [this](Screen* top) {
        if (top == this)
            magicTouch();
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && isVisible())
            magicTouch();
    });
}

KVWKViewController::~KVWKViewController()
{
    // The page goes with the view, after this window's part of the object: nothing of it may call back.
    if (m_page)
        m_page->disconnect(this);
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

KVWKViewController* KVWKViewController::getViewObject()
{
    return lastWindow.data();
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
    if (!m_view) {
        m_view = new KVWebView(this);
        m_view->setCopyPasteAllowed([] { return preferences().enableCopyPaste; });
        if (m_adoptedPage) {
            m_page = m_adoptedPage;
            m_page->setParent(m_view);
        } else {
            m_page = new KVWebPage(this, PageRole::Window, m_view);
        }
        m_view->setPage(m_page);
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
                                       [this] { kioskHome(); }},
                                      this);
        connectPage();
        // A finished visit's pages go with its profile: this window starts again in a fresh one.
        connect(&EngineProfiles::instance(), &EngineProfiles::visitEnded, this, &KVWKViewController::renewPage);
        new IdleMediaHold([this] { return QList<QWebEnginePage*>{m_page, m_popups->view() ? m_popups->view()->page() : nullptr}; }, this);
    }
    preparePage(p);
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

void KVWKViewController::connectPage()
{
    // A page that was opened as a tab closes its window: the tab goes (shortly after).
    connect(m_page, &QWebEnginePage::windowCloseRequested, this, [this] {
        if (mode() == WindowMode::Tabbed && !preferences().allowPopup)
            NotificationCenter::defaultCenter().post(kRemoveCellNotification, this);
    });
    connect(m_page, &QWebEnginePage::loadFinished, this, &KVWKViewController::pageFinishedSteps);
    connect(m_page, &QWebEnginePage::loadingChanged, this, &KVWKViewController::onLoadingChanged);
    connect(m_page, &QWebEnginePage::certificateError, this, &KVWKViewController::onCertificateError);
    connect(m_page, &QWebEnginePage::authenticationRequired, this, &KVWKViewController::onAuthenticationRequired);
    connect(m_page, &QWebEnginePage::loadStarted, this, [this] { setLoading(true); });
    connect(m_page, &QWebEnginePage::loadProgress, this, [this](int progress) { setLoading(progress < 100); });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this] { setLoading(false); });
    connect(m_page, &QWebEnginePage::printRequested, this, [this] {
        if (preferences().enablePrintLinks && m_printer->mayPrint(PrintGuard::Source::Page))
            printWebview();
    });
    connect(m_page, &QWebEnginePage::loadProgress, m_input, [this] { m_input->watch(m_view->focusProxy()); });
    connect(m_page, &QWebEnginePage::loadFinished, m_input, [this] { m_input->watch(m_view->focusProxy()); });
    connect(m_page, &QWebEnginePage::loadFinished, m_recovery, &PageRecovery::loadFinished);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, m_recovery, &PageRecovery::rendererTerminated);
    connect(m_page, &QWebEnginePage::loadingChanged, m_recovery, &PageRecovery::loadingChanged);
    connect(m_page, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) {
        NavigationEffects effects;
        if (preferences().allowContentBlocking
            && WebsiteRules::checkBlockedKeyWordIsExistOrNot(url.toString(QUrl::FullyEncoded), true, preferences(), &effects)) {
            perform(effects);
            kioskHomeWhenOnTop();
        }
    });
}

void KVWKViewController::preparePage(const KVBrowserPrefSettings& p)
{
    KorvelWebEngine::applySettings(m_page->settings(), p);
    // Without zoom the page may not scale itself either, from its first paint on.
    const QList<QWebEngineScript> old = m_page->scripts().find(QStringLiteral("korvel-viewport"));
    for (const QWebEngineScript& script : old)
        m_page->scripts().remove(script);
    // The kiosk's style rules from each document's creation on, so that the end of a load restyles
    // nothing: on a large page a late sheet cost seconds of the renderer's time.
    if (m_page->scripts().find(QStringLiteral("korvel-kiosk-style")).isEmpty()) {
        QFile custom(Paths::resourceFile(QStringLiteral("customJS.js")));
        if (custom.open(QIODevice::ReadOnly)) {
            QWebEngineScript style;
            style.setName(QStringLiteral("korvel-kiosk-style"));
            style.setInjectionPoint(QWebEngineScript::DocumentCreation);
            style.setRunsOnSubFrames(false);
            style.setWorldId(QWebEngineScript::MainWorld);  // where the load's end looks for it
            style.setSourceCode(QString::fromUtf8(custom.readAll()) + QStringLiteral("\naddCSS();"));
            m_page->scripts().insert(style);
        }
    }
    if (!p.zoomEnable) {
        QWebEngineScript viewport;
        viewport.setName(QStringLiteral("korvel-viewport"));
        viewport.setInjectionPoint(QWebEngineScript::DocumentReady);
        viewport.setRunsOnSubFrames(false);
        viewport.setSourceCode(PageZoom::committedScript(p));
        m_page->scripts().insert(viewport);
    }
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

void KVWKViewController::buildToolbar()
{
    const KVBrowserPrefSettings& p = preferences();
    if (!m_toolbar) {
        m_toolbar = new BrowserToolbar(this);
        layout()->addWidget(m_toolbar);
        connect(m_toolbar, &BrowserToolbar::triggered, this, &KVWKViewController::onActionChosen);
        auto* menu = new QPushButton(this);
        menu->setObjectName(QStringLiteral("pageMenuButton"));
        menu->setIcon(Images::icon(QStringLiteral("tab_more_icon")));
        menu->setIconSize(QSize(28, 28));
        menu->setFixedSize(Theme::touchTarget + 6, Theme::touchTarget + 6);
        menu->setStyleSheet(QStringLiteral("QPushButton#pageMenuButton { border-radius: 28px; background: rgba(255, 255, 255, 230);"
                                           " border: 1px solid rgba(0, 0, 0, 40); }"));
        connect(menu, &QPushButton::clicked, this, &KVWKViewController::menuButtonPressed);
        m_menuButton = menu;
    }
    m_items = ToolbarLayout::listOutAvailableTabs(p);
    const ToolbarLayout filled = ToolbarLayout::fill(m_items);
    m_arrForShowingTabName = filled.arrForShowingTabName;
    m_toolbar->setItems(filled.shown);
    m_toolbar->setBackgroundImage(p.toolbarImage);
    m_toolbar->setVisible(p.enableToolBar);
    // The floating menu button is inert unless the menu is the chosen way to the page actions.
    m_menuButton->setVisible(p.enableMenu);
    placeOverlays();
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

void KVWKViewController::placeOverlays()
{
    // The menu button floats at the top right; the spinner sits at the centre, whatever the size.
    if (m_menuButton) {
        m_menuButton->move(width() - m_menuButton->width() - 12, 12);
        m_menuButton->raise();
    }
    if (m_spinner) {
        m_spinner->move((width() - m_spinner->width()) / 2, (height() - m_spinner->height()) / 2);
        m_spinner->raise();
    }
    // A shown pop-up stays above everything of the window, the floating buttons included.
    if (QWebEngineView* popup = m_popups->view())
        popup->parentWidget()->raise();
}

void KVWKViewController::onActionChosen(int tag)
{
    switch (tag) {
    case ToolbarItem::Back:
        backButtonPressed();
        break;
    case ToolbarItem::Home:
        homeButtonPressed();
        break;
    case ToolbarItem::Refresh:
        refreshButtonPressed();
        break;
    case ToolbarItem::Print:
        printButtonPressed();
        break;
    case ToolbarItem::Forward:
        forwardButtonPressed();
        break;
    case ToolbarItem::Downloads:
        goToDownloadHistoryView();
        break;
    case ToolbarItem::More:
        openAllTabbarOptions();
        break;
    }
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
    const QStringList keys = ToolbarLayout::pageMenuTitleKeys(preferences());
    for (const QString& key : keys) {
        sheet->addButton(qtTrId(key.toLatin1().constData()), Alert::Role::Default, [this, key](Alert&) {
            if (key == QLatin1String("TEXT_HOME")) {
                homeButtonPressed();
            } else if (key == QLatin1String("TEXT_REFRESH")) {
                refreshButtonPressed();
            } else if (key == QLatin1String("TEXT_STOP")) {
                m_view->stop();
            } else if (key == QLatin1String("TEXT_DOWNLOADS")) {
                goToDownloadHistoryView();
            } else {
                goBack(BackSource::PageMenu);
            }
        });
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
    KVDownloadHistoryViewController::showOn(stackOfScreen());
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
    const QString name = KVUtility::lastPathComponent(url);
    for (const allowedWebsite& w : settings().allowedWebsites) {
        const std::optional<QUrl> wURL = w.parsedURL();
        if (wURL && wURL->isLocalFile() && KVUtility::lastPathComponent(*wURL) == name)
            return true;
    }
    return false;
}

void KVWKViewController::loadWebsite(const QUrl& url)
{
    if (url.isLocalFile()) {
        const std::optional<QUrl> local = KVUtility::getURLFromString(KVUtility::lastPathComponent(url));
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
        perform({NavigationEffect::toast(QStringLiteral("Popups are blocked!"), NavigationEffect::Place::WindowView)});
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

void KVWKViewController::renewPage()
{
    if (!m_page)
        return;
    closeActiveWebView();
    ++m_pageGeneration;
    // The old page says nothing more to this window, and goes with what it kept.
    KVWebPage* old = m_page;
    old->disconnect(this);
    old->disconnect(m_input);
    old->disconnect(m_recovery);
    old->triggerAction(QWebEnginePage::Stop);
    m_page = new KVWebPage(this, PageRole::Window, m_view);
    connectPage();
    m_view->setPage(m_page);
    old->deleteLater();
    preparePage(preferences());
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

void KVWKViewController::blankPage()
{
    m_recovery->windowBlanks();
    m_blanking = true;
    // A discarded tab's page loads nothing until it is active again.
    m_page->setLifecycleState(QWebEnginePage::LifecycleState::Active);
    m_view->load(QUrl(QStringLiteral("about:blank")));
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
    if (preferences().enableRefreshOnError) {
        loadWebsite(*m_state.firstToReload);
    } else if (m_state.selectedWebsite) {
        if (const std::optional<QUrl> url = m_state.selectedWebsite->parsedURL())
            loadWebsite(KVUtility::appendDocDirectoryPathIfFileURL(*url));
    }
}

void KVWKViewController::pageFinishedSteps(bool ok)
{
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
                        self->m_view->setZoomFactor(*zoom);
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
            failure.errorPageFileExists = QFileInfo::exists(KVUtility::appendDocDirectoryPathIfFileURL(*url).toLocalFile());
    }
    if (m_state.selectedWebsite) {
        if (const std::optional<QUrl> url = m_state.selectedWebsite->parsedURL(); url && url->isLocalFile()) {
            failure.selectedFileURL = KVUtility::appendDocDirectoryPathIfFileURL(*url);
            failure.selectedFileAvailable = isFileURLAllowed(*url) && QFileInfo::exists(failure.selectedFileURL.toLocalFile());
        }
    }
    perform(ErrorRecovery::provisionalFailure(failure, preferences()));
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
    const bool ok = answer.button == QLatin1String("OK");
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

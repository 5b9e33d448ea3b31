#pragma once

#include "browser/AdminTapGesture.h"
#include "browser/HomePageEntries.h"
#include "browser/IdleRules.h"
#include "browser/PageFiles.h"
#include "browser/PrintGuard.h"
#include "browser/RefreshLock.h"
#include "browser/ToolbarItem.h"
#include "browser/UserActivation.h"
#include "browser/VisitRules.h"
#include "browser/ui/BrowserTab.h"
#include "browser/ui/EffectPerformer.h"
#include "browser/ui/PageDialogs.h"
#include "browser/ui/PageHost.h"
#include "platform/ui/Screen.h"
#include "policy/NavigationPolicy.h"
#include "settings/allowedWebsite.h"

#include <QEventLoop>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <optional>

class QWebEngineDownloadRequest;
class QWebEngineLoadingInfo;
class QWebEngineCertificateError;
class QAuthenticator;
class QProgressBar;

namespace korvel {

class Alert;
class IdleTimer;
class KVFileDownloader;
class BrowserToolbar;
class KVWebPage;
class KVWebView;
class PagePrinter;
class PageRecovery;
class LoadRetryPerformer;
class PopupWindows;
class WindowPage;
class NavigationStack;
class PageInputFilter;
struct KVBrowserPrefSettings;

// The browser window: one web view showing one allowed website and what is reached from it. Every
// navigation is put to the navigation policy and the effects it returns are carried out here.
class KVWKViewController : public BrowserTab, private EffectTarget, public PageHost {
    Q_OBJECT
public:
    using PageDialog = PageDialogs::Kind;

    static KVWKViewController* initWithWebsite(const std::optional<allowedWebsite>& website, QWidget* parent = nullptr);
    static KVWKViewController* initWithWebsite(const allowedWebsite& website, const QString& externalURL,
                                               QWidget* parent = nullptr);
    // A tab for a page that another window's page opened as a new window; it takes the page over.
    static KVWKViewController* initWithPage(KVWebPage* page, QWidget* parent = nullptr);

    ~KVWKViewController() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // Configures the web view from the preferences and loads the website.
    void Init();

    KVWebView* webView() const override { return m_view; }
    BrowserWindowState& windowState() { return m_state; }
    NavigationServices& services() { return m_services; }
    const std::optional<allowedWebsite>& selectedWebsite() const { return m_state.selectedWebsite; }
    void setSelectedWebsite(const allowedWebsite& website) override { m_state.selectedWebsite = website; }

    // The page's question "may I go there?"; carries out the decision's effects.
    bool decideNavigation(KVWebPage* page, const NavigationAction& action) override;
    QWebEnginePage* createPopupPage() override;
    // Shows a page dialog and waits for the answer; `result` receives a prompt's text.
    bool runPageDialog(PageDialog kind, const QString& message, const QString& defaultValue, QString* result) override;
    // Shows the file picker for a page's file input and waits for it; the files of the documents
    // directory the person chose that the page may receive, or none (cancelled, Home, background,
    // no picker installed).
    QStringList choosePageFiles(const PageFileRequest& request) override;

    void perform(const NavigationEffects& effects);
    // Home asked for by the person (toolbar, menus, Back): rests 15 seconds after each run.
    void homeButtonPressed();
    // Home asked for by the kiosk's own rules: never held back by the person's rest.
    void kioskHome();
    void kioskHomeWhenOnTop();
    void backButtonPressed();
    void forwardButtonPressed();
    void refreshButtonPressed();
    void printButtonPressed();
    void goToDownloadHistoryView();
    // The overflow menu of a full toolbar, and the page menu of the floating menu button.
    void openAllTabbarOptions();
    void menuButtonPressed();
    BrowserToolbar* toolbar() const { return m_toolbar; }
    // The downloads bar of the tabs' home page; nullptr until it was first needed.
    QWidget* downloadsBar() const { return m_downloadsBar; }
    QWidget* menuButton() const { return m_menuButton; }
    void errorRefreshButtonPressed();
    void closeActiveWebView() override;
    Qt::ScreenOrientations supportedInterfaceOrientations() const;
    // One tap of the hidden gesture (the page's taps count too).
    void handleSingleTap();
    // Becoming active, or the page's "resetKorvelIdleTimer": a whole idle interval from now, and
    // the power saver's schedule looked at again.
    void magicTouch();
    // The idle timer ran out: go home, start the screensaver or save power, as configured.
    void idleTimerExceeded();
    IdleState idleState() const;
    // Dismisses a presented alert, then the Home action.
    void gotoHomeUI();
    IdleTimer& idleTimer() { return *m_idle; }
    // The network came or went (the notification's object is the monitor).
    void reachabilityDidChange(bool reachable);
    bool isFileURLAllowed(const QUrl& url) const;
    // A tab that is no longer shown: its video pauses, its audio pauses and rewinds, and its
    // page leaves full screen.
    void stopMediaOfHiddenTab() override;
    // Tabbed: the entries the tabbed home page was last given, and its local icons.
    const HomePageEntries& homePageEntries() const { return m_entries; }
    // Whether the page shows the tabbed home page.
    bool showsHomePage() const override;
    QWebEngineView* popupView() const;
    // A page is loading: the page takes no touches and the spinner runs (when it is enabled).
    bool isLoading() const;
    QWidget* spinner() const;
    // Seconds until the failed page is tried again; 0 when nothing failed.
    int secondsToRetry() const;

Q_SIGNALS:
    // The Home action left the window (the shell shows the home screen).
    void homeRequested();
    // A single window's page asked for a folder of the home screen: it is shown when home is back.
    void categoryRequested(qint64 categoryId);
    // A page was printed into this PDF file (when no printer is set up).
    void printedToFile(const QString& path);
    void pageFinished(bool ok);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KVWKViewController(QWidget* parent);
    void placeOverlays();

    void loadWebsite(const QUrl& url);
    // Tabbed: the home page's entries and its local icons into the page that finished.
    void homePageFinishedSteps();
    void loadSelectedWebsite();
    // The tab controller holding this window is the visible screen.
    bool tabControllerOnTop() const;
    // The stack this window is on, or that of the tab controller holding it.
    NavigationStack* stackOfScreen() const;
    void loadBuiltInErrorPage();
    void applyUserAgent();
    void pageFinishedSteps(bool ok);
    void checkPageContentForKeywords();
    void onLoadingChanged(const QWebEngineLoadingInfo& info);
    void onDownloadRequested(QWebEngineDownloadRequest* download);
    // When the person last touched, clicked or typed on the page; invalid before that.
    QDateTime lastUserInput() const;
    void onCertificateError(const QWebEngineCertificateError& error);
    void onAuthenticationRequired(const QUrl& url, QAuthenticator* authenticator);
    // The window goes quiet; `end` ends the visit with it.
    void singleTabwillDisappear(std::optional<VisitEnd> end);
    // The view and its first page (KVWKViewControllerPage.cpp, with the rest of the page's side).
    void makePage();
    // Back from the toolbar or the page menu, as VisitRules::back decides.
    void goBack(BackSource source);
    enum class HomeCause { Person, Kiosk };
    void runHome(HomeCause cause);
    // The window (or its tab controller) is the screen the visitor sees: no other screen over it.
    bool onTop() const;
    // The window leaves the stack and the visit ends by `end`.
    void leaveWindow(VisitEnd end, Animation animation);
    // This window's connections to its page's relays, made once.
    void connectPage();
    // A visit ended: a fresh page in the next visitor's profile takes the old one's place.
    void renewPage();
    void singleTabDidDisappear();
    // The settings open over the window: it pauses, and its Home actions wait until it is back.
    void callSingleTabDisappear();
    void handleEnteredBackground();
    // Loads the blank page of a window that leaves or goes to the background; that one stays.
    void blankPage();
    void buildToolbar();
    void pauseMedia();
    void setLoading(bool loading);
    void printWebview();
    // Does what a toolbar or page-menu item says; Back is decided by where it was pressed.
    void performItem(int tag, BackSource source);
    void onActionChosen(int tag) { performItem(tag, BackSource::Toolbar); }
    WindowMode mode() const;

    // What the decisions' effects do to this window's page.
    QWidget* webViewWidget() override;
    void goHome() override;
    void load(const QUrl& url) override;
    void loadHTML(const QString& html, const QUrl& baseURL) override;
    void loadErrorPage() override;
    void stopLoading() override;
    void evaluateScript(const QString& script) override;
    void retryFailedPage() override;
    void popWindow(Animation animation) override;
    void showBars(PageBars bars) override;
    void resetIdleTimer() override;
    void loadVisibleWebSites(Animation transition) override;
    void startDownload(const QUrl& url) override;

    KVWebView* m_view = nullptr;
    WindowPage* m_pages = nullptr;  // makes, prepares and renews the page
    KVWebPage* m_page = nullptr;    // the present one
    PopupWindows* m_popups = nullptr;
    NavigationPolicy m_policy;
    BrowserWindowState m_state;
    NavigationServices m_services;
    EffectPerformer m_performer;
    std::optional<QUrl> m_extURL;
    std::optional<allowedWebsite> m_errorPage;
    bool m_isFirstTimeLoad = true;
    // The engine's download being decided on; only while its request signal is handled.
    QWebEngineDownloadRequest* m_offeredDownload = nullptr;
    QPointer<KVFileDownloader> m_objForFileDownloader;
    bool m_left = false;
    bool m_homeWaiting = false;
    // The network changed while another screen was over the window: what it became.
    std::optional<bool> m_networkWaiting;
    QWidget* m_downloadsBar = nullptr;  // on the tabs' home page, while downloads and their history are allowed
    RefreshLock m_errorRefreshLock;
    RefreshLock m_homeLock;
    BrowserToolbar* m_toolbar = nullptr;
    QWidget* m_menuButton = nullptr;
    QProgressBar* m_spinner = nullptr;
    QList<ToolbarItem> m_items;
    QStringList m_arrForShowingTabName;
    TapSeries m_taps;
    quint64 m_lastPressTimestamp = 0;
    PagePrinter* m_printer = nullptr;
    PageRecovery* m_recovery = nullptr;
    LoadRetryPerformer* m_retry = nullptr;
    // The built-in or the administrator's error page (which a failed load shows, and which ends no retry).
    bool isErrorPage(const QUrl& url) const;
    PageInputFilter* m_input = nullptr;
    // Whether a download was asked for by the person.
    UserActivation m_activation;
    // The page dialog on screen; Home waits for it to go (see homeButtonPressed).
    QPointer<Alert> m_pageDialog;
    bool m_homeAfterDialog = false;
    IdleTimer* m_idle = nullptr;
    bool m_menuOpened = false;  // the page menu was opened: idle runs its Home action
    void startIdleTimer();
    void stopIdleTimer();
    QPointer<QEventLoop> m_filePickerWait;
    QPointer<KVWebPage> m_adoptedPage;  // a page's new window this tab takes over in Init
    HomePageEntries m_entries;
    bool m_clearHistoryOnHome = false;
    quint64 m_pageGeneration = 0;  // counts the pages this window has had
    int m_showingHtml = 0;  // local-server pages the window put in as HTML, whose navigation is still to come
    bool m_blanking = false;  // the next navigation is the window's own blank page  // a website was left for the home page: Back does not return
};

}  // namespace korvel

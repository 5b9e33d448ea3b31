#include "browser/ui/BrowserTabsController.h"

#include "browser/FaviconService.h"
#include "browser/HandedOverAddress.h"
#include "browser/IdleRules.h"
#include "browser/IdleTimer.h"
#include "browser/WindowOrientation.h"
#include "browser/ui/IdleActionPerformer.h"
#include "browser/ui/VisitEndPerformer.h"
#include "browser/ui/TabCell.h"
#include "browser/ui/BrowserTab.h"
#include "browser/ui/KVWebPage.h"
#include "browser/ui/KVWebView.h"
#include "browser/ui/RemoteImage.h"
#include "browser/ui/Routes.h"
#include "log/KVLog.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Timer.h"
#include "platform/ui/Images.h"
#include "platform/ui/Accessibility.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Toast.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace korvel {

namespace {

KVSettings& settings()
{
    return KVSettings::getSettingsObject();
}

const KVBrowserPrefSettings& preferences()
{
    return settings().kvBrowPref;
}

// A tab's window, made by the routes (the tabs do not know the window itself).
BrowserTab* newWindow(const std::optional<allowedWebsite>& website, const QString& address)
{
    const auto& make = Routes::current().tabWindow;
    return make ? make(website, address) : nullptr;
}

}  // namespace

BrowserTabsController::BrowserTabsController(QWidget* parent)
    : TabContainer(parent)
{
    setObjectName(QStringLiteral("BrowserTabsController"));
    m_idle = IdleActionPerformer::makeTimer([this] {
        IdleState state;
        state.screen = IdleScreen::Tabs;
        state.mode = WindowMode::Tabbed;
        // A new timer ends the screensaver's claim on the screen.
        if (IdleRules::wantsTimer(preferences(), state))
            m_screenSaver = false;
        return state;
    }, [this] { idleTimerExceeded(); }, this);
}

BrowserTabsController::~BrowserTabsController() = default;

int BrowserTabsController::countOfTabs() const
{
    return TabRules::normalizedCountOfTabs(preferences().countOfTabs);
}

int BrowserTabsController::heightForTabbarController() const
{
    // The strip's cells are touch targets.
    return Theme::touchTarget + 6;
}

void BrowserTabsController::viewDidLoad()
{
    // A screen rebuilt in place (new settings) keeps its tabs.
    if (m_stripContent)
        return;
    KVBrowserPrefSettings& p = settings().kvBrowPref;
    if (p.countOfTabs != TabRules::normalizedCountOfTabs(p.countOfTabs)) {
        p.countOfTabs = TabRules::normalizedCountOfTabs(p.countOfTabs);
        settings().save();
    }
    setStyleSheet(QStringLiteral("QWidget#tabParentView { background: %1; }")
                      .arg(Theme::appearance() == Appearance::Dark ? QStringLiteral("#101010") : QStringLiteral("#c7c7cc")));
    auto* bar = new QHBoxLayout(tabParentView());
    bar->setContentsMargins(0, 6, 0, 0);
    bar->setSpacing(0);
    m_strip = new QScrollArea(tabParentView());
    m_strip->setObjectName(QStringLiteral("tabStrip"));
    m_strip->setFrameShape(QFrame::NoFrame);
    m_strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_strip->setWidgetResizable(false);
    m_strip->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"));
    QScroller::grabGesture(m_strip->viewport(), QScroller::LeftMouseButtonGesture);
    m_stripContent = new QWidget;
    m_stripLayout = new QHBoxLayout(m_stripContent);
    m_stripLayout->setContentsMargins(0, 0, 0, 0);
    m_stripLayout->setSpacing(0);
    m_strip->setWidget(m_stripContent);
    m_addButton = new QPushButton(tabParentView());
    m_addButton->setObjectName(QStringLiteral("tabAddButton"));
    m_addButton->setIcon(Images::icon(QStringLiteral("tab_add_icon")));
    m_addButton->setIconSize(QSize(28, 28));
    m_addButton->setFixedSize(Theme::touchTarget, Theme::touchTarget);
    m_addButton->setFlat(true);
    m_addButton->setFocusPolicy(Qt::NoFocus);
    m_addButton->setStyleSheet(QStringLiteral("QPushButton#tabAddButton { border: none; border-radius: 10px; }"
                                              " QPushButton#tabAddButton:pressed { background: rgba(128, 128, 128, 90); }"));
    //% "New tab"
    m_addButton->setAccessibleName(qtTrId("TEXT_NEW_TAB"));
    connect(m_addButton, &QPushButton::clicked, this, &BrowserTabsController::onAddActionBtnPressed);
    bar->addWidget(m_strip, 1);
    bar->addWidget(m_addButton, 0, Qt::AlignTop);

    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, kUpdateCellNotification, [this](const Notification&) { collectionRefreshMethod(); });
    center.addObserver(this, kRemoveCellNotification, [this](const Notification&) { removecell(); });
    center.addObserver(this, kCreateCellNotification, [this](const Notification& n) {
        if (auto* page = qobject_cast<KVWebPage*>(n.object))
            openInNewTab(page, n.userInfo.value(QStringLiteral("url")).toUrl());
    });
    center.addObserver(this, kCallMultiTabDisappearNotification, [this](const Notification&) { callMultiTabDisappear(); });
    // Titles and icons may have changed while the kiosk was in the background: the strip is read again.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && isVisible())
            collectionRefreshMethod();
    });
    // Also one handed over before the tabs existed (at launch).
    HandedOverAddress::deliverTo(this, [this](const QUrl& address) { isActive(address); });
    TabContainer::viewDidLoad();
}

void BrowserTabsController::viewWillAppear(bool animated)
{
    TabRules::setLeftForSettings(false);
    TabContainer::viewWillAppear(animated);
    if (m_screenSaver)
        return;
    if (NavigationStack* stack = navigationStack())
        stack->hideNavigationBar();
    const bool first = std::exchange(m_firstTimeAppear, false);
    if (first)
        firstOne();
    // First shown, or back from the settings: the idle timer runs (again).
    if ((first || std::exchange(m_left, false)) && IdleRules::timersEnabled(preferences())) {
        m_idle->reset();
        m_idle->observeEvents();
    }
}

Qt::ScreenOrientations BrowserTabsController::supportedInterfaceOrientations() const
{
    return WindowOrientation::supportedOrientations(preferences().browserOrientation);
}

BrowserTab* BrowserTabsController::tab(int index) const
{
    return index >= 0 && index < m_windows.size() ? m_windows.at(index).data() : nullptr;
}

TabCell* BrowserTabsController::cell(int index) const
{
    return index >= 0 && index < m_cells.size() ? m_cells.at(index) : nullptr;
}

void BrowserTabsController::firstOne()
{
    const int index = m_rules.firstOne();
    insertTab(newWindow(std::nullopt, QString()), index);
}

void BrowserTabsController::onAddActionBtnPressed()
{
    const TabRules::Opening opening = m_rules.add(countOfTabs());
    if (opening.refusal) {
        makeToast(viewControllerContainer(), *opening.refusal);
        return;
    }
    insertTab(newWindow(std::nullopt, QString()), *opening.index);
}

void BrowserTabsController::openInNewTab(KVWebPage* page, const QUrl& url)
{
    const TabRules::Opening opening = m_rules.openPageWindow(countOfTabs());
    if (opening.refusal) {
        makeToast(viewControllerContainer(), *opening.refusal);
        return;
    }
    // The page is taken over now, inside the engine's call that opened it; it is shown once that
    // call has returned.
    const auto& forPage = Routes::current().tabWindowForPage;
    BrowserTab* window = forPage ? forPage(page, this) : nullptr;
    if (!window)
        return;
    allowedWebsite website;
    website.url = url.toString(QUrl::FullyEncoded);
    window->setSelectedWebsite(website);
    window->hide();
    const int index = *opening.index;
    QPointer<BrowserTab> guard(window);
    m_windows.insert(index, guard);
    m_cells.insert(index, nullptr);
    QMetaObject::invokeMethod(this, [this, guard] {
        const int at = int(m_windows.indexOf(guard));
        if (!guard || at < 0)
            return;
        m_windows.removeAt(at);
        m_cells.removeAt(at);
        insertTab(guard, at);
    }, Qt::QueuedConnection);
}

void BrowserTabsController::insertTab(BrowserTab* window, int index)
{
    if (!window)
        return;
    m_windows.insert(index, window);
    auto* cell = new TabCell(m_stripContent);
    //% "Home"
    cell->setLabel(qtTrId("TEXT_HOME"));
    connect(cell, &TabCell::tapped, this, [this](TabCell* tapped) { selectTab(int(m_cells.indexOf(tapped))); });
    connect(cell, &TabCell::crossPressedForTabCell, this, &BrowserTabsController::crossPressedForTabCell);
    m_cells.insert(index, cell);
    m_stripLayout->insertWidget(index, cell);
    QList<Screen*> screens;
    for (const QPointer<BrowserTab>& w : std::as_const(m_windows))
        screens.append(w.data());
    setViewControllers(screens);
    refreshCollectionViewSize();
    showTab(m_rules.selectInt());
}

void BrowserTabsController::showTab(int index)
{
    setSelectedViewCotnrollerAtIndex(index);
    for (int i = 0; i < m_cells.size(); ++i) {
        if (TabCell* c = m_cells.at(i)) {
            c->setSelectedLook(i == index);
            c->setCloseButtonVisible(TabRules::closeButtonsShown(m_rules.count()));
        }
    }
    if (TabCell* c = cell(index))
        m_strip->ensureWidgetVisible(c, 0, 0);
}

void BrowserTabsController::selectTab(int index)
{
    if (index < 0 || index >= m_windows.size() || isSwitching())
        return;
    const int old = m_rules.selectInt();
    if (!m_rules.select(index) && getSelectedIndex() == index)
        return;
    if (old != index) {
        if (BrowserTab* leaving = tab(old)) {
            leaving->stopMediaOfHiddenTab();
            discardWhenLongHidden(leaving);
        }
    }
    // The home page is rebuilt from the settings as they are now.
    if (BrowserTab* arriving = tab(index); arriving && arriving->showsHomePage())
        arriving->webView()->reload();
    showTab(index);
}

void BrowserTabsController::discardWhenLongHidden(BrowserTab* window)
{
    // A tab left alone for long gives its renderer's memory back; the engine loads the page again
    // when the tab is shown.
    QPointer<BrowserTab> guard(window);
    singleShot(discardAfter, this, [this, guard] {
        if (!guard || guard == tab(m_rules.selectInt()) || !guard->webView() || guard->isVisible())
            return;
        QWebEnginePage* page = guard->webView()->page();
        if (page->lifecycleState() == QWebEnginePage::LifecycleState::Active)
            page->setLifecycleState(QWebEnginePage::LifecycleState::Frozen);
        page->setLifecycleState(QWebEnginePage::LifecycleState::Discarded);
    });
}

void BrowserTabsController::crossPressedForTabCell(TabCell* cell)
{
    const int index = int(m_cells.indexOf(cell));
    if (index >= 0)
        closeTab(index);
}

void BrowserTabsController::closeTab(int index)
{
    BrowserTab* window = tab(index);
    const std::optional<int> next = m_rules.close(index);
    if (!next || !window)
        return;
    // The page goes with its window, and its renderer with it.
    if (KVWebView* view = window->webView())
        view->stop();
    m_windows.removeAt(index);
    if (TabCell* c = m_cells.takeAt(index)) {
        m_stripLayout->removeWidget(c);
        c->deleteLater();
    }
    removeViewControllerFromContainer(window);
    refreshCollectionViewSize();
    showTab(*next);
    // The last website of the visit went with its tab: the visit is over.
    bool websitesStillOpen = false;
    for (const QPointer<BrowserTab>& w : std::as_const(m_windows)) {
        const QString scheme = w && w->webView() ? w->webView()->url().scheme() : QString();
        websitesStillOpen = websitesStillOpen || scheme == QLatin1String("http") || scheme == QLatin1String("https");
    }
    VisitEndPerformer::endVisit(VisitEnd::TabClosed, {WindowMode::Tabbed, true, websitesStillOpen});
    // A closed tab's page leaves most of its heap free but kept by the allocator; once it is
    // deleted, that goes back to the system, so a day of opening and closing tabs does not grow.
    singleShot(std::chrono::seconds(1), this, [] {
#ifdef __GLIBC__
        malloc_trim(0);
#endif
    });
}

void BrowserTabsController::removecell()
{
    QPointer<BrowserTabsController> self(this);
    singleShot(std::chrono::milliseconds(700), this, [self] {
        if (self)
            self->autodeletetab();
    });
}

void BrowserTabsController::autodeletetab()
{
    if (const std::optional<int> target = m_rules.autoCloseTarget())
        closeTab(*target);
}

void BrowserTabsController::collectionRefreshMethod()
{
    for (int i = 0; i < m_cells.size(); ++i)
        refreshCell(i);
}

void BrowserTabsController::refreshCell(int index)
{
    TabCell* c = cell(index);
    BrowserTab* window = tab(index);
    if (!c || !window || !window->webView())
        return;
    c->setCloseButtonVisible(TabRules::closeButtonsShown(m_rules.count()));
    const TabLabel label = TabRules::labelFor(window->webView()->url());
    switch (label.kind) {
    case TabLabel::Kind::Unknown:
        return;
    case TabLabel::Kind::Home:
        c->setLabel(qtTrId("TEXT_HOME"));
        c->setIcon(QPixmap());
        return;
    case TabLabel::Kind::Error:
        //% "Error"
        c->setLabel(qtTrId("TEXT_TAB_ERROR"));
        c->setIcon(QPixmap());
        return;
    case TabLabel::Kind::File:
        c->setLabel(label.host);
        c->setIcon(QPixmap());
        return;
    case TabLabel::Kind::Website: {
        const bool newHost = c->label() != label.host;
        c->setLabel(label.host);
        if (!newHost)
            return;
        c->setIcon(QPixmap());
        QPointer<TabCell> guard(c);
        const QString host = label.host;
        RemoteImage::load(FaviconService::address(label.faviconSite), c, [guard, host](const QImage& image) {
            if (guard && !image.isNull() && guard->label() == host)
                guard->setIcon(QPixmap::fromImage(image));
        });
        return;
    }
    }
}

void BrowserTabsController::refreshCollectionViewSize()
{
    const int cellWidth = TabRules::cellWidth(width());
    for (TabCell* c : std::as_const(m_cells)) {
        if (c)
            c->setFixedSize(cellWidth, heightForTabbarController() - 6);
    }
    m_stripContent->setFixedSize(cellWidth * int(m_cells.size()), heightForTabbarController() - 6);
    // The Tab key goes through the tabs as they stand, then to the new-tab button after them, all
    // right after the strip itself: the strip was made before any tab's window, so its tabs come
    // before every window's toolbar, however late a tab was added.
    QList<QWidget*> strip{m_strip};
    for (TabCell* c : std::as_const(m_cells)) {
        if (c)
            strip << c << c->closeButton();
    }
    Accessibility::tabInOrder(strip << m_addButton);
}

void BrowserTabsController::resizeEvent(QResizeEvent* event)
{
    TabContainer::resizeEvent(event);
    // Rotation: the strip takes the cell width of the new screen shape, the selected cell in view.
    if (m_stripContent) {
        refreshCollectionViewSize();
        if (TabCell* c = cell(m_rules.selectInt()))
            m_strip->ensureWidgetVisible(c, 0, 0);
    }
}

void BrowserTabsController::isActive(const QUrl& externalURL)
{
    if (externalURL.isEmpty() || !isViewLoaded())
        return;
    NavigationEffects effects;
    const std::optional<allowedWebsite> website = WebsiteRules::getAllowedWebsiteForExternalURL(externalURL, settings().allowedWebsites, &effects);
    if (!website)
        return;
    BrowserTab* selected = tab(m_rules.selectInt());
    if (selected && selected->showsHomePage()) {
        selected->setSelectedWebsite(*website);
        selected->webView()->load(WebsiteRules::urlWithScheme(externalURL));
        return;
    }
    const TabRules::Opening opening = m_rules.openPageWindow(countOfTabs());
    if (opening.refusal) {
        makeToast(viewControllerContainer(), *opening.refusal);
        return;
    }
    insertTab(newWindow(*website, externalURL.toString(QUrl::FullyEncoded)), *opening.index);
}

void BrowserTabsController::callMultiTabDisappear()
{
    multiTabwillDisappear();
    TabRules::setLeftForSettings(true);
}

void BrowserTabsController::multiTabwillDisappear()
{
    if (m_screenSaver)
        return;
    m_left = true;
    NotificationCenter& center = NotificationCenter::defaultCenter();
    // The visit ends here, once for every tab.
    homeMethod();
    center.post(kStopTimerNotification);
    m_idle->invalidate();
    m_idle->stopObservingEvents();
    // Every tab pauses, blanks its page and goes home once the settings are closed.
    center.post(kCallSingleTabDisappearNotification);
}

void BrowserTabsController::homeMethod()
{
    VisitEndPerformer::endVisit(VisitEnd::Settings, {WindowMode::Tabbed, true, false});
}

void BrowserTabsController::idleTimerExceeded()
{
    m_screenSaver = true;
    m_idle->invalidate();
    IdleState state;
    state.screen = IdleScreen::Tabs;
    state.mode = WindowMode::Tabbed;
    IdleActionPerformer::timerExceeded(state, {});
}

}  // namespace korvel

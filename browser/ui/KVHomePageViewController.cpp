#include "browser/ui/KVHomePageViewController.h"

#include "browser/AdminAccess.h"
#include "browser/FaviconService.h"
#include "browser/HandedOverAddress.h"
#include "browser/IconDrop.h"
#include "browser/IdleRules.h"
#include "browser/IdleTimer.h"
#include "browser/PowerSaver.h"
#include "browser/ui/DownloadsBar.h"
#include "browser/ui/EffectPerformer.h"
#include "browser/ui/IdleActionPerformer.h"
#include "browser/ui/VisitEndPerformer.h"
#include "browser/ui/RemoteImage.h"
#include "browser/ui/Routes.h"
#include "log/KVLog.h"
#include "log/KVLogBridge.h"
#include "platform/NotificationCenter.h"
#include "platform/Timer.h"
#include "platform/ui/Alert.h"
#include "platform/Clock.h"
#include "platform/ui/Images.h"
#include "platform/ui/Accessibility.h"
#include "platform/ui/Theme.h"
#include "platform/Device.h"
#include "platform/KeepAwake.h"
#include "platform/FormatString.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Toast.h"
#include "policy/IconLayout.h"
#include "policy/WebsiteAddress.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

#include <QMetaMethod>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGestureEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace korvel {

namespace {

constexpr int kSpacing = 10;

// The built-in globe for a website, folder for a category; drawn here when the images are missing.
QImage builtInIcon(bool website, QSize size)
{
    const QPixmap shipped = Images::pixmap(website ? QStringLiteral("korvelglobe") : QStringLiteral("categories"), size,
                                           qApp->devicePixelRatio());
    if (!shipped.isNull())
        return shipped.toImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(0, 116, 255), 2));
    if (website) {
        p.setBrush(QColor(220, 235, 255));
        p.drawEllipse(r);
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        p.drawEllipse(QRectF(r.center().x() - r.width() / 4, r.top(), r.width() / 2, r.height()));
    } else {
        p.setBrush(QColor(255, 214, 120));
        p.drawRoundedRect(r.adjusted(0, r.height() / 5, 0, 0), 6, 6);
        p.drawRoundedRect(QRectF(r.left(), r.top() + r.height() / 10, r.width() / 2.5, r.height() / 5), 3, 3);
    }
    return image;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

KVHomePageViewController::KVHomePageViewController(QWidget* parent)
    : Screen(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The Tab key goes from icon to icon (the list scrolls to each) and on to the downloads bar.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_grid = new HomeGridView;
    m_scroll->setWidget(m_grid);
    layout->addWidget(m_scroll);
    m_downloadsBarView = makeDownloadsBar();
    layout->addWidget(m_downloadsBarView);
    connect(m_grid, &HomeGridView::backgroundTapped, this, &KVHomePageViewController::handleSingleTap);
    m_idleTimer2 = IdleActionPerformer::makeTimer([this] { return idleState(); }, [this] { idleTimerExceeded2(); }, this);
    IdleActionPerformer::onScreensaverAborted(this, [this] { magicTouch(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        const NavigationStack* stack = navigationStack();
        if (!stack || stack->topScreen() != this)
            return;
        if (state == Qt::ApplicationActive)
            magicTouch();
        else if (state == Qt::ApplicationInactive)
            homeButtonPressed3();
    });
}

KVHomePageViewController::~KVHomePageViewController() = default;

QWidget* KVHomePageViewController::makeDownloadsBar()
{
    return new DownloadsBar(
        [this] {
            // Nothing to do when the history is already on top.
            NavigationStack* stack = navigationStack();
            if (stack && stack->topScreen() != this)
                return;
            Q_EMIT downloadHistoryRequested();
            if (Routes::current().showDownloads)
                Routes::current().showDownloads(stack);
        },
        this);
}

void KVHomePageViewController::viewDidLoad()
{
    m_selectedCategoryId = 0;
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    // A private kiosk starts every visit to the home screen without anything the last visitor left.
    VisitEndPerformer::endVisit(VisitEnd::Start, {});
    Device::current().setScreenBrightness(p.brightness);
    setLeftBarButton(BarButton{qtTrId("TEXT_BACK"), [this] { back(); }, Images::icon(QStringLiteral("navigation_back_category"))});
    if (NavigationStack* stack = navigationStack())
        stack->hideNavigationBar();
    loadWallpaper();
    KVLog(QStringLiteral("App General"), QStringLiteral("Home Page Loaded"));
    const KVSettings& s = KVSettings::getSettingsObject();
    if (!s.kvBrowPref.useMultiTab) {
        // Also one handed over before this screen existed (at launch).
        HandedOverAddress::deliverTo(this, [this](const QUrl& address) { isActive(address); });
    } else if (!s.allowedWebsites.isEmpty() || !s.allowedWebsitesCategories.isEmpty()) {
        // Once this screen is on its stack.
        QMetaObject::invokeMethod(this, &KVHomePageViewController::showDemoWithTabbarStoryboardFile, Qt::QueuedConnection);
    }
}

void KVHomePageViewController::showDemoWithTabbarStoryboardFile()
{
    NavigationStack* stack = navigationStack();
    if (!stack || stack->topScreen() != this)
        return;
    if (Routes::current().openTabs)
        m_tabbarController = Routes::current().openTabs(stack);
}

void KVHomePageViewController::isActive(const QUrl& externalURL)
{
    if (externalURL.isEmpty())
        return;
    NavigationEffects effects;
    const std::optional<allowedWebsite> website =
        WebsiteRules::getAllowedWebsiteForExternalURL(externalURL, KVSettings::getSettingsObject().allowedWebsites, &effects);
    EffectPerformer(this, nullptr).perform(effects);
    if (!website)
        return;
    // A window already open leaves first, as on Home (a page dialog it shows is closed first):
    // windows handed over one after another do not pile up, each with its page still running, and
    // none opens under a dialog of the one below.
    if (Routes::current().sendWindowHome) {
        // Held: when Home takes this screen away too, the home screen after it opens it.
        Routes::current().sendWindowHome(navigationStack(), [externalURL] { HandedOverAddress::hold(externalURL); });
    }
    // The window for the other program's address opens half a second after it is made, once the
    // home screen has settled.
    showWindowWhenOnTop(*website, externalURL.toString(QUrl::FullyEncoded), 10);
}

void KVHomePageViewController::showWindowWhenOnTop(const allowedWebsite& website, const QString& address, int tries)
{
    QPointer<KVHomePageViewController> self(this);
    singleShot(std::chrono::milliseconds(500), this, [self, website, address, tries] {
        NavigationStack* stack = self ? self->navigationStack() : nullptr;
        if (!stack)
            return;
        // A window still on its way Home is waited for a little; past that it opens where it is.
        if (Routes::current().windowOnTop && Routes::current().windowOnTop(stack) && tries > 0)
            self->showWindowWhenOnTop(website, address, tries - 1);
        else {
            HandedOverAddress::take();
            self->showWindow(website, address);
        }
    });
}

namespace {

std::optional<qint64>& categoryOnReturn()
{
    static std::optional<qint64> category;
    return category;
}

}  // namespace

void KVHomePageViewController::showCategoryOnReturn(qint64 categoryId)
{
    categoryOnReturn() = categoryId;
}

void KVHomePageViewController::viewWillAppear(bool)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    // A window's page asked for a folder: the grid comes back showing it.
    if (const std::optional<qint64> category = std::exchange(categoryOnReturn(), std::nullopt)) {
        setTitle(QString());
        m_selectedCategoryId = 0;
        for (const allowedWebsiteCategory& c : settings.allowedWebsitesCategories) {
            if (c.categoryId == *category) {
                setTitle(c.categoryTitle);
                m_selectedCategoryId = c.categoryId;
            }
        }
    }
    if (!settings.kvBrowPref.useMultiTab)
        openRunAtStartupWebsite();
    NavigationStack* stack = navigationStack();
    if (stack)
        stack->hideNavigationBar();
    settings.load();
    loadVisibleAllowedWebsites();
    reloadData();
    if (stack && m_selectedCategoryId != 0)
        stack->showNavigationBar();
    if (IdleRules::timersEnabled(settings.kvBrowPref)) {
        m_idleTimer2->reset();
        m_idleTimer2->observeEvents();
    }
    // The kiosk keeps the display and the machine awake exactly while "PreventSuspend" is on.
    KeepAwake::shared().setPreventSuspend(settings.kvBrowPref.preventSuspend ? KeepAwake::Mode::Prevent : KeepAwake::Mode::Allow);
}

void KVHomePageViewController::viewWillDisappear(bool animated)
{
    Screen::viewWillDisappear(animated);
    m_idleTimer2->invalidate();
    if (IdleRules::homeStopsObservingOnDisappear(KVSettings::getSettingsObject().kvBrowPref))
        m_idleTimer2->stopObservingEvents();
}

void KVHomePageViewController::magicTouch()
{
    m_idleTimer2->reset();
    loadVisibleAllowedWebsites();
    reloadData();
    powerSaverModeSwitch();
}

void KVHomePageViewController::homeButtonPressed3()
{
    IdleActionPerformer::stopScreensaver();
    m_idleTimer2->invalidate();
}

void KVHomePageViewController::powerSaverModeSwitch()
{
    if (PowerSaver* saver = PowerSaver::current())
        saver->powerSaverModeSwitch();
}

void KVHomePageViewController::powerStateOn()
{
    if (PowerSaver* saver = PowerSaver::current())
        saver->powerStateOn();
}

void KVHomePageViewController::powerStateOff()
{
    if (PowerSaver* saver = PowerSaver::current())
        saver->powerStateOff();
}

void KVHomePageViewController::idleTimerExceeded2()
{
    IdleActionPerformer::timerExceeded(idleState(), {nullptr, nullptr, nullptr, [this] { back(); }});
}

IdleState KVHomePageViewController::idleState() const
{
    const PowerSaver* saver = PowerSaver::current();
    const NavigationStack* stack = navigationStack();
    IdleState state;
    state.screen = IdleScreen::Home;
    state.mode = KVSettings::getSettingsObject().kvBrowPref.useMultiTab ? WindowMode::Tabbed : WindowMode::SingleWindow;
    state.isTop = stack && stack->topScreen() == this;
    state.categoryOpen = m_selectedCategoryId != 0;
    state.powerSaveOn = saver && saver->powerSaveOn();
    return state;
}

void KVHomePageViewController::openRunAtStartupWebsite()
{
    const KVSettings& settings = KVSettings::getSettingsObject();
    for (const allowedWebsite& w : settings.allowedWebsites) {
        if (!w.runAtStartup)
            continue;
        // Pushed after the appearance in progress has finished, so the stack is not re-entered.
        QPointer<KVHomePageViewController> self(this);
        QTimer::singleShot(0, this, [self, w] {
            if (self && self->navigationStack() && self->navigationStack()->topScreen() == self)
                self->openWebsite(w);
        });
        break;
    }
}

void KVHomePageViewController::loadVisibleAllowedWebsites()
{
    VisibleItems visible = VisibleItems::loadVisibleAllowedWebsites(KVSettings::getSettingsObject(), m_selectedCategoryId,
                                                                    orientation(), hasDragged());
    m_items = visible.items;
    m_downloadsBar = visible.downloadsBar;
    m_downloadsBarView->setVisible(m_downloadsBar);
}

ScreenOrientation KVHomePageViewController::orientation() const
{
    const QSize s = size();
    if (s.isEmpty())
        return ScreenOrientation::Unknown;
    return s.width() > s.height() ? ScreenOrientation::Landscape : ScreenOrientation::Portrait;
}

bool KVHomePageViewController::isTabletSized(QSize screenSize)
{
    // Seven inches at the platform's 96 logical dots per inch is about 600 points on the short side
    // of a landscape tablet; phones stay well below.
    return std::min(screenSize.width(), screenSize.height()) >= 600;
}

QSize KVHomePageViewController::itemSize(Idiom idiom)
{
    return idiom == Idiom::Tablet ? QSize(110, 120) : QSize(60, 80);
}

QSize KVHomePageViewController::iconSize(Idiom idiom)
{
    return idiom == Idiom::Tablet ? QSize(104, 104) : QSize(52, 52);
}

bool KVHomePageViewController::tablet() const
{
    const QScreen* s = screen();
    return isTabletSized(s ? s->size() : size());
}

QString KVHomePageViewController::iconFilePath(const QString& iconURL)
{
    if (iconURL.isEmpty() || iconURL == QLatin1String("http://") || iconURL == QLatin1String("https://"))
        return {};
    const QUrl url(iconURL);
    // A stored file URL may come from another device; only its name counts here.
    const QString name = url.isLocalFile() ? url.fileName() : iconURL;
    const QString documents = Paths::documentsDirectory();
    const std::optional<QString> path = Paths::resolvedInside(documents, documents + QLatin1Char('/') + name);
    if (!path)
        return {};
    const QFileInfo info(*path);
    return info.isFile() && info.isReadable() ? *path : QString();
}

Frame* KVHomePageViewController::storedFrame(const HomeItem& item)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    const bool landscape = orientation() == ScreenOrientation::Landscape;
    if (item.kind == HomeItem::Kind::Website && item.index >= 0 && item.index < settings.allowedWebsites.size()) {
        allowedWebsite& w = settings.allowedWebsites[item.index];
        return landscape ? &w.landscapeFrame : &w.portraitFrame;
    }
    if (item.kind == HomeItem::Kind::Category && item.index >= 0 && item.index < settings.allowedWebsitesCategories.size()) {
        allowedWebsiteCategory& c = settings.allowedWebsitesCategories[item.index];
        return landscape ? &c.landscapeFrame : &c.portraitFrame;
    }
    return nullptr;
}

void KVHomePageViewController::reloadData()
{
    qDeleteAll(m_cells);
    m_cells.clear();
    const KVSettings& settings = KVSettings::getSettingsObject();
    const bool isTablet = tablet();
    const QSize icon = iconSize(isTablet ? Idiom::Tablet : Idiom::Phone);
    for (int i = 0; i < m_items.size(); ++i) {
        const HomeItem& item = m_items[i];
        auto* cell = new HomeIconCell(i, m_grid);
        if (item.kind == HomeItem::Kind::Placeholder) {
            cell->makePlaceholder();
        } else if (item.kind == HomeItem::Kind::Website) {
            const allowedWebsite& w = settings.allowedWebsites.at(item.index);
            if (w.useFavicon) {
                // The globe stands in until the service answers, and stays when it cannot.
                cell->setContent(w.title, builtInIcon(true, icon), icon);
                RemoteImage::load(FaviconService::address(w.url), cell, [cell, icon](const QImage& image) {
                    if (!image.isNull())
                        cell->setContent(cell->titleText(), image.scaled(icon, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), icon);
                });
            } else {
                const QString file = iconFilePath(w.iconURL);
                QImage image = file.isEmpty() ? QImage() : QImage(file);
                image = image.isNull() ? builtInIcon(true, icon) : image.scaled(icon, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                cell->setContent(w.title, image, icon);
            }
        } else {
            const allowedWebsiteCategory& c = settings.allowedWebsitesCategories.at(item.index);
            const QString file = iconFilePath(c.iconURL);
            QImage image = file.isEmpty() ? QImage() : QImage(file);
            image = image.isNull() ? builtInIcon(false, icon) : image.scaled(icon, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            cell->setContent(c.categoryTitle, image, icon);
        }
        cell->setDraggable(!cell->isPlaceholder() && settings.kvBrowPref.allowDragDrop);
        connect(cell, &HomeIconCell::tapped, this, &KVHomePageViewController::didSelectItem);
        connect(cell, &HomeIconCell::dragged, this, [this] { setHasDragged(); });
        connect(cell, &HomeIconCell::dropped, this, &KVHomePageViewController::onCellDropped);
        cell->setResizable(!cell->isPlaceholder() && settings.kvBrowPref.allowResize);
        connect(cell, &HomeIconCell::resizeStarted, this, [this] { setHasDragged(); });
        connect(cell, &HomeIconCell::resized, this, &KVHomePageViewController::onCellResized);
        m_cells.append(cell);
    }
    layoutCells();
    for (HomeIconCell* cell : std::as_const(m_cells))
        cell->show();
    // The Tab key goes through the icons, then on to the downloads bar under them.
    if (!m_cells.isEmpty())
        Accessibility::tabInOrder({m_cells.last(), m_downloadsBarView->findChild<QToolButton*>(QStringLiteral("downloadsItem"))});
}

void KVHomePageViewController::layoutCells()
{
    m_laidOutFor = orientation();
    m_laidOutWidth = width();
    const QSize cellSize = itemSize(tablet() ? Idiom::Tablet : Idiom::Phone);
    const int available = std::max(cellSize.width(), m_scroll->viewport()->width() - 2 * kSpacing);
    const int columns = std::max(1, (available + kSpacing) / (cellSize.width() + kSpacing));
    bool changed = false;
    int bottom = 0;
    for (int i = 0; i < m_cells.size(); ++i) {
        const QRect flow(kSpacing + (i % columns) * (cellSize.width() + kSpacing),
                         kSpacing + (i / columns) * (cellSize.height() + kSpacing), cellSize.width(), cellSize.height());
        QRect placed = flow;
        if (Frame* f = m_cells[i]->isPlaceholder() ? nullptr : storedFrame(m_items[i])) {
            // An unplaced icon takes its flow position and keeps it from now on.
            if (f->isZero()) {
                *f = Frame{double(flow.x()), double(flow.y()), double(flow.width()), double(flow.height())};
                changed = true;
            } else {
                placed = QRectF(f->x, f->y, f->width, f->height).toRect();
            }
        }
        m_cells[i]->setGeometry(placed);
        bottom = std::max(bottom, placed.bottom() + 1);
    }
    m_grid->setMinimumHeight(bottom + kSpacing);
    if (changed)
        KVSettings::getSettingsObject().save();
}

void KVHomePageViewController::resizeEvent(QResizeEvent* event)
{
    Screen::resizeEvent(event);
    // A rotation gives every icon its frame for the new orientation.
    if (!m_cells.isEmpty() && (orientation() != m_laidOutFor || width() != m_laidOutWidth)) {
        loadVisibleAllowedWebsites();
        reloadData();
    }
}

bool KVHomePageViewController::hasDragged() const
{
    return UserDefaults::standard().objectForKey(QString::fromLatin1(IconLayout::hasDraggedKey)).toBool();
}

void KVHomePageViewController::setHasDragged()
{
    if (hasDragged())
        return;
    UserDefaults::standard().setObject(QString::fromLatin1(IconLayout::hasDraggedKey), true);
    UserDefaults::standard().synchronize();
}

void KVHomePageViewController::onCellDropped(int tag)
{
    if (tag < 0 || tag >= m_items.size() || tag >= m_cells.size())
        return;
    HomeIconCell* cell = m_cells[tag];
    Frame* f = storedFrame(m_items[tag]);
    if (!f)
        return;
    const double contentHeight = std::max(height(), m_grid->height());
    if (IconDrop::accepted(cell->x(), cell->y(), *f, width(), contentHeight))
        *f = Frame{double(cell->x()), double(cell->y()), double(cell->width()), double(cell->height())};
    else
        cell->setGeometry(QRectF(f->x, f->y, f->width, f->height).toRect());
    KVSettings::getSettingsObject().save();
}

void KVHomePageViewController::onCellResized(int tag)
{
    if (tag < 0 || tag >= m_items.size() || tag >= m_cells.size())
        return;
    Frame* f = storedFrame(m_items[tag]);
    if (!f)
        return;
    const QRect r = m_cells[tag]->geometry();
    *f = Frame{double(r.x()), double(r.y()), double(r.width()), double(r.height())};
    KVSettings::getSettingsObject().save();
}

void KVHomePageViewController::didSelectItem(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    const HomeItem item = m_items[index];
    KVSettings& settings = KVSettings::getSettingsObject();
    if (item.kind == HomeItem::Kind::Website) {
        if (item.index >= 0 && item.index < settings.allowedWebsites.size())
            openWebsite(settings.allowedWebsites.at(item.index));
        return;
    }
    if (item.kind != HomeItem::Kind::Category || item.index < 0 || item.index >= settings.allowedWebsitesCategories.size())
        return;
    // A copy: showing the bar lets queued work run, which may reload the settings under a reference.
    const allowedWebsiteCategory category = settings.allowedWebsitesCategories.at(item.index);
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    setTitle(category.categoryTitle);
    m_selectedCategoryId = category.categoryId;
    loadVisibleAllowedWebsites();
    reloadData();
}

void KVHomePageViewController::openWebsite(const allowedWebsite& website)
{
    const KVSettings& settings = KVSettings::getSettingsObject();
    const KVBrowserPrefSettings& p = settings.kvBrowPref;
    const QUrl url(website.url);
    if (WebsiteRules::checkIfWebsiteBlocked(url, settings)) {
        if (p.makeToast)
            makeToast(this, qtTrId("HOME_ACCESS_DENIED").arg(website.url));
        return;
    }
    if (p.allowContentBlocking) {
        NavigationEffects ignored;  // a keyword in the address is refused without a message here
        if (WebsiteRules::checkBlockedKeyWordIsExistOrNot(website.url, true, p, &ignored))
            return;
    }
    if (website.url.endsWith(QLatin1String(".pdf"))) {
        const bool local = website.url.startsWith(QLatin1String("file://"));
        if (local && !p.isAllowPDFViewer) {
            //% "Opening documents is turned off. Please contact the administrator."
            makeToast(this, qtTrId("PDF_VIEWER_SHOULD_BE_ENABLE_CONTACT_ADMINISTRATOR"));
            return;
        }
        if (p.isAllowPDFViewer) {
            const QUrl document = WebsiteAddress::appendDocDirectoryPathIfFileURL(url);
            Q_EMIT readerRequested(document);
            if (NavigationStack* stack = navigationStack(); stack && Routes::current().openDocument)
                Routes::current().openDocument(document, stack);
            return;
        }
    }
    NavigationStack* stack = navigationStack();
    if (stack)
        stack->hideNavigationBar();
    if (p.useMultiTab || !stack)
        return;
    showWindow(website, QString());
}

void KVHomePageViewController::showWindow(const allowedWebsite& website, const QString& address)
{
    if (!Routes::current().openWebsite)
        return;
    if (Screen* window = Routes::current().openWebsite(website, address, navigationStack()))
        Q_EMIT websiteOpened(window);
}

void KVHomePageViewController::back()
{
    if (NavigationStack* stack = navigationStack())
        stack->hideNavigationBar();
    setTitle(QString());
    m_selectedCategoryId = 0;
    loadVisibleAllowedWebsites();
    reloadData();
}

void KVHomePageViewController::handleSingleTap()
{
    const KVSettings& settings = KVSettings::getSettingsObject();
    const TapOutcome outcome = AdminTapGesture::tap(m_taps, Clock::instance().now(), AdminAccess::timeStart(), settings.kvBrowPref);
    if (outcome != TapOutcome::Granted)
        return;
    KVLog(QStringLiteral("App General"), QStringLiteral("Password Alert Shown"));
    AdminAccess::granted(this);
}

void KVHomePageViewController::loadWallpaper()
{
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    if (m_wallpaperLoad)
        m_wallpaperLoad->cancel();
    m_wallpaperFlag = false;
    const std::optional<QUrl> url = p.wallpaper.isEmpty() ? std::nullopt : WebsiteAddress::getURLFromString(p.wallpaper);
    if (url && url->isLocalFile()) {
        const QImage image(url->toLocalFile());
        m_wallpaperFlag = !image.isNull();
        m_grid->setWallpaper(image, p.wallpaperStyle);
        return;
    }
    m_grid->setWallpaper(QImage(), p.wallpaperStyle);
    if (!url)
        return;
    const int style = p.wallpaperStyle;
    m_wallpaperLoad = RemoteImage::load(*url, this, [this, style](const QImage& image) {
        if (image.isNull())
            return;
        m_wallpaperFlag = true;
        m_grid->setWallpaper(image, style);
    });
    singleShot(std::chrono::seconds(20), this, [this, load = m_wallpaperLoad] {
        if (load == m_wallpaperLoad)  // a later load has its own check
            checkWallpaper();
    });
}

void KVHomePageViewController::checkWallpaper()
{
    if (m_wallpaperFlag)
        return;
    if (m_wallpaperLoad)
        m_wallpaperLoad->cancel();
    m_grid->setWallpaper(QImage(), KVSettings::getSettingsObject().kvBrowPref.wallpaperStyle);
}

}  // namespace korvel

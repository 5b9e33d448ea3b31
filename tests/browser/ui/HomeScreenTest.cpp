#include "browser/ui/HomeGridView.h"
#include "browser/ui/KVHomePageViewController.h"
#include "browser/AdminAccess.h"
#include "browser/FaviconService.h"
#include "browser/IconDrop.h"
#include "platform/UserDefaults.h"
#include "policy/IconLayout.h"
#include "tests/browser/ui/WebWindowTest.h"
#include "tests/support/ScopedEnv.h"

#include <QBuffer>
#include <QDir>
#include <QPushButton>
#include <QToolButton>

#include <limits>

using namespace korvel;
using korvel::test::WebTestServer;

namespace {

class HomeScreenTest : public test::WebWindowTest {
protected:
    void TearDown() override
    {
        AdminAccess::setGrantedHandler(nullptr);
        AdminAccess::setTimeStart({});
        WebWindowTest::TearDown();
    }

    static allowedWebsite site(const QString& title, const QString& address, qint64 categoryId = 0)
    {
        allowedWebsite w;
        w.title = title;
        w.url = address;
        w.categoryId = categoryId;
        return w;
    }

    KVHomePageViewController* showHome()
    {
        settings().save();
        auto* home = new KVHomePageViewController;
        stack->push(home, NavigationStack::Animation::None);
        test::processEventsUntil([] { return false; }, 50);
        return home;
    }

    static QStringList titles(const KVHomePageViewController* home)
    {
        QStringList list;
        for (const HomeIconCell* cell : home->cells())
            list << (cell->isPlaceholder() ? QStringLiteral("<slot>") : cell->titleText());
        return list;
    }

    static HomeIconCell* cellTitled(const KVHomePageViewController* home, const QString& title)
    {
        for (HomeIconCell* cell : home->cells())
            if (cell->titleText() == title)
                return cell;
        return nullptr;
    }

    void tapBackground(KVHomePageViewController* home)
    {
        HomeGridView* grid = home->gridView();
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(grid->width() - 3, grid->height() - 3));
    }
};

}  // namespace

TEST_F(HomeScreenTest, TheGridShowsTheVisibleItemsInTheirOrder)
{
    const struct {
        const char* name;
        bool allowDragDrop;
        QStringList expected;
    } cases[] = {
        {"flow layout", false, {"Alpha", "Delta", "Games"}},
        // Unplaced icons follow the folders; the hidden website keeps an empty slot.
        {"drag and drop", true, {"<slot>", "Games", "Alpha", "Delta"}},
    };
    for (const auto& c : cases) {
        allowedWebsite hidden = site(QStringLiteral("Charlie"), url("c.test"));
        hidden.hideURL = true;
        hidden.isResetForFrame = true;
        settings().allowedWebsites = {site(QStringLiteral("Alpha"), url("a.test")), site(QStringLiteral("Bravo"), url("b.test"), 1), hidden,
                                      site(QStringLiteral("Delta"), url("d.test"))};
        settings().allowedWebsitesCategories = {allowedWebsiteCategory::initWithParams(QStringLiteral("Games"), QString(), 1, {}, {})};
        settings().kvBrowPref.allowDragDrop = c.allowDragDrop;
        KVHomePageViewController* home = showHome();
        EXPECT_EQ(titles(home), c.expected) << c.name;
        const QSize cell = KVHomePageViewController::itemSize(Idiom::Tablet);
        for (HomeIconCell* cellWidget : home->cells()) {
            EXPECT_EQ(cellWidget->size(), cell) << c.name;
            EXPECT_EQ(cellWidget->testAttribute(Qt::WA_TransparentForMouseEvents), cellWidget->isPlaceholder()) << c.name;
        }
        // The flow position each icon took is what the settings now hold for it.
        const Frame alpha = settings().allowedWebsites[0].landscapeFrame;
        const QRect shown = cellTitled(home, QStringLiteral("Alpha"))->geometry();
        EXPECT_EQ(QRectF(alpha.x, alpha.y, alpha.width, alpha.height).toRect(), shown) << c.name;
        freshStack();
    }
}

// A tap on a website opens its window; a page there asks for a folder through the program's
// command: the window goes and the grid shows it.
TEST_F(HomeScreenTest, APagesCategoryCommandOpensTheFolder)
{
    allowedWebsiteCategory news;
    news.categoryId = 7;
    news.categoryTitle = QStringLiteral("News");
    settings().allowedWebsitesCategories = {news};
    settings().allowedWebsites = {site(QStringLiteral("Alpha"), url("allowed.test")), site(QStringLiteral("Bravo"), url("b.test"), 7)};
    KVHomePageViewController* home = showHome();
    QTest::mouseClick(cellTitled(home, QStringLiteral("Alpha")), Qt::LeftButton);
    auto* window = qobject_cast<KVWKViewController*>(stack->topScreen());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test::processEventsUntil([&] { return window->webView()->title() == QLatin1String("Start"); }, 20000));
    window->webView()->page()->runJavaScript(QStringLiteral("location.href = 'kvcallback://categoryLoad_7'"));
    ASSERT_TRUE(test::processEventsUntil([&] { return stack->topScreen() == home; }));
    EXPECT_EQ(titles(home), QStringList{QStringLiteral("Bravo")});
}

TEST_F(HomeScreenTest, AFolderShowsItsWebsitesAndBackLeavesIt)
{
    settings().allowedWebsites = {site(QStringLiteral("Alpha"), url("a.test")), site(QStringLiteral("Bravo"), url("b.test"), 7),
                                  site(QStringLiteral("Echo"), url("e.test"), 7)};
    settings().allowedWebsitesCategories = {allowedWebsiteCategory::initWithParams(QStringLiteral("News"), QString(), 7, {}, {})};
    KVHomePageViewController* home = showHome();
    EXPECT_FALSE(stack->isNavigationBarShown());
    QTest::mouseClick(cellTitled(home, QStringLiteral("News")), Qt::LeftButton);
    EXPECT_EQ(home->selectedCategoryId(), 7);
    EXPECT_EQ(titles(home), (QStringList{"Bravo", "Echo"}));
    ASSERT_TRUE(stack->isNavigationBarShown());
    EXPECT_EQ(stack->leftBarButton()->text(), QStringLiteral("Back"));
    stack->leftBarButton()->click();
    EXPECT_EQ(home->selectedCategoryId(), 0);
    EXPECT_EQ(titles(home), (QStringList{"Alpha", "News"}));
    EXPECT_FALSE(stack->isNavigationBarShown());
}

TEST_F(HomeScreenTest, TapRulesThatOpenNothing)
{
    const QString blocked = url("blocked.test");
    const struct {
        const char* name;
        QString address;
        bool makeToast;
        QString toast;  // empty: no toast
    } cases[] = {
        {"blocked, with toasts", blocked, true, QStringLiteral("Access Denied for ") + blocked},
        {"blocked, toasts off", blocked, false, QString()},
        {"keyword in the address", url("poker.test"), true, QString()},
        {"local PDF without the reader", QStringLiteral("file:///doc/manual.pdf"), true,
         qtTrId("PDF_VIEWER_SHOULD_BE_ENABLE_CONTACT_ADMINISTRATOR")},
    };
    for (const auto& c : cases) {
        test::closeToasts();
        settings().kvBrowPref.allowAllWebsites = true;
        settings().kvBrowPref.makeToast = c.makeToast;
        settings().kvBrowPref.allowContentBlocking = true;
        settings().kvBrowPref.strBlockedKeyWord = QStringLiteral("poker");
        settings().blockedWebsites = {blockedWebsite::initWithParams(QStringLiteral("http://blocked.test/"), WebsiteProtocol::Http, QStringLiteral("b"))};
        settings().allowedWebsites = {site(QStringLiteral("Target"), c.address)};
        KVHomePageViewController* home = showHome();
        QTest::mouseClick(cellTitled(home, QStringLiteral("Target")), Qt::LeftButton);
        EXPECT_EQ(stack->topScreen(), home) << c.name;
        if (c.toast.isEmpty()) {
            EXPECT_TRUE(Toast::visibleToasts().isEmpty()) << c.name;
        } else {
            EXPECT_TRUE(toastShown(c.toast)) << c.name;
        }
        freshStack();
    }
}

TEST_F(HomeScreenTest, RestrictedSettingsCountFromTheApplicationsStartOnEveryScreen)
{
    settings().kvBrowPref.restrictSettings = true;
    settings().kvBrowPref.passwordTimeout = 1;
    settings().allowedWebsites = {site(QStringLiteral("Alpha"), url("a.test"))};
    AdminAccess::setTimeStart(clock.now());
    // Every Home makes a new home screen and, with a start website, a new browser window: each
    // one made long after the start must still refuse.
    const struct {
        const char* name;
        int secondsAfterStart;
        bool browserWindow;
        bool granted;
    } cases[] = {
        {"home screen within the minute", 30, false, true},
        {"browser window within the minute", 40, true, true},
        {"home screen made after the minute", 90, false, false},
        {"browser window made after the minute", 100, true, false},
    };
    const QDateTime start = clock.now();
    for (const auto& c : cases) {
        clock.setNow(start.addSecs(c.secondsAfterStart));
        int grants = 0;
        KVHomePageViewController* home = showHome();
        KVWKViewController* window = c.browserWindow ? KVWKViewController::initWithWebsite(settings().allowedWebsites.first(), stack.get()) : nullptr;
        AdminAccess::setGrantedHandler([&](QWidget* screen) {
            ++grants;
            EXPECT_EQ(screen, window ? static_cast<QWidget*>(window) : home) << c.name << ": the grant names the tapped screen";
        });
        for (int i = 0; i < 5; ++i) {
            if (window)
                window->handleSingleTap();
            else
                tapBackground(home);
            clock.advance(std::chrono::milliseconds(300));
        }
        EXPECT_EQ(grants, c.granted ? 1 : 0) << c.name;
        delete window;
        freshStack();
    }
}

TEST_F(HomeScreenTest, TheRunAtStartupWebsiteOpensOnEveryAppearance)
{
    allowedWebsite start = site(QStringLiteral("Start"), url("allowed.test"));
    start.runAtStartup = true;
    settings().allowedWebsites = {start};
    settings().save();
    auto* home = new KVHomePageViewController;
    QSignalSpy opened(home, &KVHomePageViewController::websiteOpened);
    stack->push(home, NavigationStack::Animation::None);
    ASSERT_TRUE(test::processEventsUntil([&] { return opened.count() == 1; }));
    EXPECT_NE(qobject_cast<KVWKViewController*>(stack->topScreen()), nullptr);
    stack->popToRoot(NavigationStack::Animation::None);
    ASSERT_TRUE(test::processEventsUntil([&] { return opened.count() == 2; }));
    EXPECT_NE(qobject_cast<KVWKViewController*>(stack->topScreen()), nullptr);
}

TEST(IconDropTest, AnIconMustRestInsideTheView)
{
    const Frame stored{10, 10, 110, 120};
    const struct {
        double x, y;
        bool accepted;
    } cases[] = {
        {0, 0, true},       {690, 0, true},     {691, 0, false},  {-1, 0, false},
        {0, -1, false},     {0, 480, true},     {0, 481, false},  {300, 200, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IconDrop::accepted(c.x, c.y, stored, 800, 600.9), c.accepted) << c.x << "," << c.y;
}

TEST(HomeGridViewTest, WallpaperStyles)
{
    const QRect area(0, 0, 400, 300);
    const struct {
        int style;
        QSize image;
        QRect expected;
    } cases[] = {
        {0, {100, 50}, QRect(150, 125, 100, 50)},  // centred, unscaled
        {1, {100, 50}, area},                      // stretched
        {2, {100, 50}, QRect(0, 50, 400, 200)},    // fitted, aspect kept
        {2, {50, 100}, QRect(125, 0, 150, 300)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HomeGridView::wallpaperRect(c.image, area, c.style), c.expected) << c.style;
    EXPECT_TRUE(KVHomePageViewController::isTabletSized({1024, 768}));
    EXPECT_FALSE(KVHomePageViewController::isTabletSized({390, 844}));
}

TEST_F(HomeScreenTest, IconsComeFromReadableFilesOfTheDocumentsDirectory)
{
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(documents() + QStringLiteral("/icon.png")));
    const QString icon = QDir::cleanPath(documents() + QStringLiteral("/icon.png"));
    const struct {
        QString iconURL;
        QString expected;
    } cases[] = {
        {QString(), QString()},
        {QStringLiteral("http://"), QString()},
        {QStringLiteral("icon.png"), icon},
        {QStringLiteral("file:///elsewhere/icon.png"), icon},
        {QStringLiteral("missing.png"), QString()},
        {QStringLiteral("../icon.png"), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KVHomePageViewController::iconFilePath(c.iconURL), c.expected) << qPrintable(c.iconURL);

    allowedWebsite w = site(QStringLiteral("Red"), url("a.test"));
    w.iconURL = QStringLiteral("icon.png");
    settings().allowedWebsites = {w, site(QStringLiteral("Plain"), url("b.test"))};
    KVHomePageViewController* home = showHome();
    const QImage shown = cellTitled(home, QStringLiteral("Red"))->image();
    EXPECT_EQ(shown.size(), KVHomePageViewController::iconSize(Idiom::Tablet));
    EXPECT_EQ(shown.pixelColor(50, 50), QColor(Qt::red));
    EXPECT_NE(cellTitled(home, QStringLiteral("Plain"))->image().pixelColor(52, 52), QColor(Qt::red));
}

TEST(IconDropTest, APinchScalesAboutTheCentre)
{
    const Frame start{100, 100, 100, 120};
    const struct {
        double scale;
        Frame expected;
    } cases[] = {
        {2, {50, 40, 200, 240}},
        {0.5, {125, 130, 50, 60}},
        {1, start},
        {0, start},
        {-1, start},
        {std::numeric_limits<double>::quiet_NaN(), start},
    };
    for (const auto& c : cases) {
        const Frame f = IconDrop::pinched(start, c.scale);
        EXPECT_EQ(QRectF(f.x, f.y, f.width, f.height), QRectF(c.expected.x, c.expected.y, c.expected.width, c.expected.height))
            << c.scale;
    }
}

TEST_F(HomeScreenTest, PinchingResizesAnIconAndStoresItsFrame)
{
    UserDefaults::standard().removeObject(QString::fromLatin1(IconLayout::hasDraggedKey));
    settings().allowedWebsites = {site(QStringLiteral("Alpha"), url("a.test"))};
    for (bool allowResize : {false, true}) {
        settings().kvBrowPref.allowResize = allowResize;
        KVHomePageViewController* home = showHome();
        HomeIconCell* cell = cellTitled(home, QStringLiteral("Alpha"));
        ASSERT_NE(cell, nullptr);
        const QRect before = cell->geometry();
        cell->pinch(1.5, Qt::GestureStarted);
        cell->pinch(1.0, Qt::GestureUpdated);
        cell->pinch(2.0, Qt::GestureFinished);
        const Frame stored = settings().allowedWebsites[0].landscapeFrame;
        if (!allowResize) {
            EXPECT_EQ(cell->geometry(), before);
            EXPECT_FALSE(UserDefaults::standard().objectForKey(QString::fromLatin1(IconLayout::hasDraggedKey)).toBool());
            continue;
        }
        EXPECT_EQ(cell->size(), before.size() * 3);
        EXPECT_EQ(cell->geometry().center(), before.center());
        EXPECT_EQ(QRectF(stored.x, stored.y, stored.width, stored.height).toRect(), cell->geometry());
        EXPECT_TRUE(UserDefaults::standard().objectForKey(QString::fromLatin1(IconLayout::hasDraggedKey)).toBool());
        // The size survives a rebuild of the grid.
        freshStack();
        KVHomePageViewController* again = showHome();
        EXPECT_EQ(cellTitled(again, QStringLiteral("Alpha"))->size(), before.size() * 3);
    }
}

TEST(FaviconServiceTest, TheAddressCarriesTheWebsitesAddressText)
{
    const QUrl service(QStringLiteral("http://icons.example:8081"));
    const struct {
        const char* website;
        const char* expected;
    } cases[] = {
        {"https://www.example.com/", "http://icons.example:8081/s2/favicons?domain=www.example.com"},
        {"http://example.com/a%20b/?q=1&r=2", "http://icons.example:8081/s2/favicons?domain=example.com%2Fa%20b%2F%3Fq%3D1%26r%3D2"},
        {"file:///home/k/Documents/guide.pdf", "http://icons.example:8081/s2/favicons?domain=guide.pdf"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaviconService::address(QString::fromUtf8(c.website), service).toString(QUrl::FullyEncoded),
                  QString::fromUtf8(c.expected))
            << c.website;
}

TEST_F(HomeScreenTest, FaviconsAndWebWallpapersLoadOrLeaveTheDefaults)
{
    QImage green(16, 16, QImage::Format_RGB32);
    green.fill(Qt::green);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    green.save(&buffer, "PNG");
    WebTestServer::Page image;
    image.body = png;
    image.mimeType = "image/png";
    WebTestServer::shared().setPage(QStringLiteral("/s2/favicons"), image);
    WebTestServer::shared().setPage(QStringLiteral("/wall.png"), image);
    const QString origin = QStringLiteral("http://127.0.0.1:%1").arg(WebTestServer::shared().port());
    const test::ScopedEnv service("KORVEL_FAVICON_SERVICE", origin.toUtf8());

    allowedWebsite favicon = site(QStringLiteral("Fav"), url("a.test"));
    favicon.useFavicon = true;
    settings().allowedWebsites = {favicon};
    const struct {
        QString wallpaper;
        bool obtained;
    } cases[] = {
        {origin + QStringLiteral("/wall.png"), true},
        {origin + QStringLiteral("/missing.png"), false},
    };
    for (const auto& c : cases) {
        settings().kvBrowPref.wallpaper = c.wallpaper;
        KVHomePageViewController* home = showHome();
        HomeIconCell* cell = cellTitled(home, QStringLiteral("Fav"));
        ASSERT_NE(cell, nullptr);
        EXPECT_TRUE(test::processEventsUntil([&] { return cell->image().pixelColor(50, 50) == QColor(Qt::green); }, 5000));
        EXPECT_EQ(cell->image().size(), KVHomePageViewController::iconSize(Idiom::Tablet));
        test::processEventsUntil([&] { return home->wallpaperFlag(); }, c.obtained ? 5000 : 300);
        clock.advance(std::chrono::seconds(20));
        EXPECT_EQ(home->wallpaperFlag(), c.obtained) << qPrintable(c.wallpaper);
        EXPECT_EQ(home->gridView()->wallpaper().isNull(), !c.obtained) << qPrintable(c.wallpaper);
    }
}

TEST_F(HomeScreenTest, TheDownloadsBarNeedsDownloadsAndTheirHistory)
{
    settings().allowedWebsites = {site(QStringLiteral("Alpha"), url("a.test"))};
    const struct {
        bool download, history, shown;
    } cases[] = {{false, false, false}, {true, false, false}, {false, true, false}, {true, true, true}};
    for (const auto& c : cases) {
        settings().kvBrowPref.isAllowFileDownloadInDevice = c.download;
        settings().kvBrowPref.isAllowKeepDownloadHistory = c.history;
        KVHomePageViewController* home = showHome();
        EXPECT_EQ(home->downloadsBar()->isVisible(), c.shown) << c.download << c.history;
        if (!c.shown)
            continue;
        QSignalSpy requested(home, &KVHomePageViewController::downloadHistoryRequested);
        auto* item = home->downloadsBar()->findChild<QToolButton*>(QStringLiteral("downloadsItem"));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QStringLiteral("Downloads"));
        item->click();
        EXPECT_EQ(requested.count(), 1);
    }
}

TEST_F(HomeScreenTest, SettingUpTakesTheAdministratorsBrightness)
{
    settings().allowedWebsites = {site(QStringLiteral("Alpha"), url("a.test"))};
    settings().kvBrowPref.brightness = 0.35f;
    device.brightness = 0.9;
    showHome();
    EXPECT_FLOAT_EQ(float(device.brightness), 0.35f);
}

// The icons' titles follow the wallpaper, whatever the appearance: dark on a light picture (the
// built-in one included), white on a dark one.
TEST(HomeGridTitles, StandOutFromTheWallpaper)
{
    const struct {
        QColor background;
        QColor title;
    } cases[] = {
        {QColor(0xD0, 0xE5, 0xF8), QColor(0x1C, 0x1C, 0x1E)},
        {Qt::white, QColor(0x1C, 0x1C, 0x1E)},
        {QColor(0x10, 0x28, 0x5A), Qt::white},
        {Qt::black, Qt::white},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HomeGridView::titleColourOn(c.background), c.title) << qPrintable(c.background.name());
}

#pragma once

#include "browser/AdminTapGesture.h"
#include "browser/HomeItems.h"
#include "browser/IdleRules.h"
#include "browser/ui/HomeGridView.h"
#include "browser/ui/HomeIconCell.h"
#include "platform/ui/Screen.h"
#include "settings/Frame.h"
#include "settings/allowedWebsite.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QUrl>
#include <QWidget>

class QLabel;
class QScrollArea;

namespace korvel {

// The size class of the screen the home screen lays itself out for.
enum class Idiom { Phone, Tablet };

class KVSettings;
class IdleTimer;
class RemoteImage;

// The screen between websites: one icon per visible allowed website, one folder per category, over
// the wallpaper. Also carries the hidden administrator gesture.
class KVHomePageViewController : public Screen {
    Q_OBJECT
public:
    explicit KVHomePageViewController(QWidget* parent = nullptr);
    ~KVHomePageViewController() override;

    // The next home screen to appear shows this category's folder (0: the top level).
    static void showCategoryOnReturn(qint64 categoryId);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    // Becoming active: the idle timer restarts, the items are rebuilt and the power saver's
    // schedule is looked at again.
    void magicTouch();
    // Resigning active: the screensaver stops and the idle timer rests.
    void homeButtonPressed3();
    void idleTimerExceeded2();
    IdleState idleState() const;
    IdleTimer& idleTimer2() { return *m_idleTimer2; }
    // The shared power saver's (nothing when there is none).
    void powerSaverModeSwitch();
    void powerStateOn();
    void powerStateOff();

    // Rebuilds the item list from the settings for the open folder and the current orientation.
    void loadVisibleAllowedWebsites();
    const QList<HomeItem>& allowedVisibleWebsites() const { return m_items; }
    qint64 selectedCategoryId() const { return m_selectedCategoryId; }
    bool downloadsBarShown() const { return m_downloadsBar; }
    // The bar at the bottom with its one item, "Downloads"; 52 high when shown.
    QWidget* downloadsBar() const { return m_downloadsBarView; }
    bool wallpaperFlag() const { return m_wallpaperFlag; }

    // The cells in item order; rebuilt by reloadData().
    QList<HomeIconCell*> cells() const { return m_cells; }
    HomeGridView* gridView() const { return m_grid; }
    void reloadData();

    // What a tap on the item at `index` does (website: open it; folder: enter it).
    void didSelectItem(int index);
    // Leaves the open folder for the top level.
    void back();
    // Tabbed browsing takes over from this screen: the tab controller is pushed over it.
    void showDemoWithTabbarStoryboardFile();
    // An address handed over by another program: open the allowed website it belongs to.
    void isActive(const QUrl& externalURL);
    // A tap on the grid's background: one step of the hidden gesture.
    void handleSingleTap();

    ScreenOrientation orientation() const;
    // Cell size by screen: 110 x 120 from about seven inches up, else 60 x 80; the icon inside is
    // 104 x 104 or 52 x 52.
    static bool isTabletSized(QSize screenSize);
    static QSize itemSize(Idiom idiom);
    static QSize iconSize(Idiom idiom);
    // The icon file an "iconURL" names in the documents directory; empty when it names none.
    static QString iconFilePath(const QString& iconURL);

Q_SIGNALS:
    // A PDF was tapped while the document reader is allowed; the reader is pushed for it.
    void readerRequested(const QUrl& document);
    // A browser window was opened for a website.
    void websiteOpened(Screen* window);
    // The downloads bar was tapped: the download history should come up.
    void downloadHistoryRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* makeDownloadsBar();
    void openWebsite(const allowedWebsite& website);
    void showWindow(const allowedWebsite& website, const QString& address);
    void showWindowWhenOnTop(const allowedWebsite& website, const QString& address, int tries);
    void openRunAtStartupWebsite();
    void loadWallpaper();
    // Twenty seconds after a web wallpaper started loading: without an image by then, the plain
    // background stays and the load is abandoned.
    void checkWallpaper();
    void layoutCells();
    void onCellDropped(int tag);
    void onCellResized(int tag);
    Frame* storedFrame(const HomeItem& item);
    bool hasDragged() const;
    void setHasDragged();
    bool tablet() const;

    QScrollArea* m_scroll = nullptr;
    HomeGridView* m_grid = nullptr;
    QList<HomeItem> m_items;
    QList<HomeIconCell*> m_cells;
    qint64 m_selectedCategoryId = 0;
    QPointer<RemoteImage> m_wallpaperLoad;
    bool m_wallpaperFlag = false;  // the wallpaper image was obtained
    bool m_downloadsBar = false;
    QWidget* m_downloadsBarView = nullptr;
    TapSeries m_taps;
    ScreenOrientation m_laidOutFor = ScreenOrientation::Unknown;
    int m_laidOutWidth = -1;
    IdleTimer* m_idleTimer2 = nullptr;
    QPointer<Screen> m_tabbarController;
};

}  // namespace korvel

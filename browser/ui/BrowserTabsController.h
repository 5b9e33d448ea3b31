#pragma once

#include "browser/TabRules.h"
#include "browser/ui/TabContainer.h"

#include <QList>
#include <QPointer>
#include <QUrl>

#include <chrono>

class QHBoxLayout;
class QPushButton;
class QScrollArea;

namespace korvel {

class TabCell;
class IdleTimer;
class BrowserTab;
class KVWebPage;
struct allowedWebsite;

// Tabbed browsing: several browser windows as tabs under a strip of tab cells, a "+" button for a
// new tab (up to "CountOfTabs"), and pages' new windows opened as tabs. The strip's bookkeeping is
// TabRules'; this screen keeps the windows and cells in step with it.
class BrowserTabsController final : public TabContainer {
    Q_OBJECT
public:
    explicit BrowserTabsController(QWidget* parent = nullptr);
    ~BrowserTabsController() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void onAddActionBtnPressed();
    // A page's new window (the page already navigating) as a tab right after the selected one.
    void openInNewTab(KVWebPage* page, const QUrl& url);
    void crossPressedForTabCell(TabCell* cell);
    // Selecting a tab from the strip, as a tap does.
    void selectTab(int index);
    // The settings open: every tab goes quiet and the visit's data goes.
    void callMultiTabDisappear();
    Qt::ScreenOrientations supportedInterfaceOrientations() const;

    // How long a hidden tab keeps its page in memory.
    static constexpr std::chrono::minutes discardAfter{10};

    int tabCount() const { return m_rules.count(); }
    int selectInt() const { return m_rules.selectInt(); }
    const TabRules& rules() const { return m_rules; }
    BrowserTab* tab(int index) const;
    TabCell* cell(int index) const;
    QPushButton* addButton() const { return m_addButton; }
    IdleTimer& idleTimer() { return *m_idle; }

protected:
    int heightForTabbarController() const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void firstOne();
    // Puts `window` into the strip at `index` (its cell too) and shows it.
    void insertTab(BrowserTab* window, int index);
    void closeTab(int index);
    void removecell();
    void autodeletetab();
    void collectionRefreshMethod();
    void refreshCell(int index);
    void refreshCollectionViewSize();
    void isActive(const QUrl& externalURL);
    void multiTabwillDisappear();
    void homeMethod();
    void idleTimerExceeded();
    int countOfTabs() const;
    void showTab(int index);
    void discardWhenLongHidden(BrowserTab* window);

    TabRules m_rules;
    QList<QPointer<BrowserTab>> m_windows;
    QList<TabCell*> m_cells;
    QScrollArea* m_strip = nullptr;
    QWidget* m_stripContent = nullptr;
    QHBoxLayout* m_stripLayout = nullptr;
    QPushButton* m_addButton = nullptr;
    IdleTimer* m_idle = nullptr;
    bool m_screenSaver = false;  // bool_screenSaver: the screensaver came from this screen's timer
    bool m_firstTimeAppear = true;
    bool m_left = false;  // left for the settings
};

}  // namespace korvel

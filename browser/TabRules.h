#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace korvel {

struct KVBrowserPrefSettings;

// What a tab's strip cell shows, by the address its page shows.
struct TabLabel {
    enum class Kind {
        Unknown,   // nothing shown yet (a blank page): the cell keeps what it had
        Home,      // the tabbed home page
        Error,     // the program's error page
        File,      // another local file: its name, with the globe icon
        Website,   // a web page: its host, with the site's favicon
    };
    Kind kind = Kind::Unknown;
    QString host;         // Website: the host; File: the file's name
    QString faviconSite;  // Website: "scheme://host", what the favicon service is asked for

    bool operator==(const TabLabel&) const = default;
};

// One tab of the strip: the number it was created with and whether it is the selected one.
struct TabEntry {
    int id = 0;             // unique for the controller's life; follows the tab when others close
    int label = 0;          // "tabbar.label.key": the count of tabs when it was created
    bool selected = false;  // "tabbar.selected.key"

    bool operator==(const TabEntry&) const = default;
};

// The tab strip's bookkeeping, apart from any widget: which tabs exist in which order, which one is
// selected, and which one a page's new window opened (and may close again). The tab controller asks
// it first and then does to its windows what the answer says.
class TabRules {
public:
    // The limit the controller works with: a stored "CountOfTabs" outside 1..8 becomes 8.
    static int normalizedCountOfTabs(int stored);
    // The toast refusing one more tab when `open` tabs already reach `countOfTabs`; nothing when
    // another tab may open.
    static std::optional<QString> limitToast(int open, int countOfTabs);
    // The close buttons show only when closing leaves a tab.
    static bool closeButtonsShown(int open) { return open >= 2; }
    static TabLabel labelFor(const QUrl& url);
    // True from leaving the tabs for the settings until they are shown again (one set of tabs per
    // kiosk): their windows ignore load failures meanwhile.
    static bool leftForSettings();
    static void setLeftForSettings(bool left);
    // Width of one strip cell: screens from 700 logical pixels across (panels of about seven inches
    // and up) get the tablet's 230, narrower ones the phone's 170.
    static int cellWidth(int screenWidth) { return screenWidth >= 700 ? 230 : 170; }

    // The first tab, selected.
    int firstOne();
    // The index of a new tab, or the refusal toast.
    struct Opening {
        std::optional<int> index;
        std::optional<QString> refusal;
    };
    // "+": a tab appended and selected.
    Opening add(int countOfTabs);
    // A page's new window: a tab right after the selected one, selected and remembered for the
    // automatic close.
    Opening openPageWindow(int countOfTabs);
    // Closes the tab at `index`; the index selected afterwards (the tab before it, or the new first
    // one). Nothing, changing nothing, when `index` names no tab or is the only tab.
    std::optional<int> close(int index);
    // The page of the remembered tab closed its window: the tab to close, when it is still open
    // and nobody closed it by hand. Nothing otherwise.
    std::optional<int> autoCloseTarget() const;
    // Marks `index` selected; whether the selection changed (false also for an index outside).
    bool select(int index);

    const QList<TabEntry>& tabbarsInfo() const { return m_tabs; }
    int count() const { return int(m_tabs.size()); }
    int selectInt() const { return m_selected; }
    bool doautodeletetab() const { return m_autoDelete; }
    // The index of the tab a page's window opened; nothing when it is gone or none was.
    std::optional<int> selectedindexpath1() const;

private:
    int insert(int index);
    int indexOfId(int id) const;

    QList<TabEntry> m_tabs;
    int m_selected = 0;
    int m_nextId = 0;
    std::optional<int> m_rememberedId;
    bool m_autoDelete = false;
};

}  // namespace korvel

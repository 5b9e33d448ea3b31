#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korvel {

struct KVBrowserPrefSettings;

// One page action of the toolbar and the menus, identified by its tag.
struct ToolbarItem {
    // Stop is offered by the page menu only.
    enum Tag { Back = 0, Home = 1, Refresh = 2, Print = 3, Forward = 4, Downloads = 5, More = 6, Stop = 7 };

    int tag = Back;
    QString titleKey;       // localisation key of the title
    QString builtInImage;   // resource name of the built-in icon
    QString customImage;    // the administrator's image setting; empty when none

    bool operator==(const ToolbarItem&) const = default;
};

// Which actions the toolbar and the menus offer.
struct ToolbarLayout {
    QList<ToolbarItem> shown;          // on the toolbar itself, More last when there is one
    QStringList arrForShowingTabName;  // titles shown directly on a full toolbar

    // The items of the toolbar, tags 0 to 5 in order, as the preferences enable them.
    static QList<ToolbarItem> listOutAvailableTabs(const KVBrowserPrefSettings& preferences);
    // Up to four items all shown; five or more: the first three and More.
    static ToolbarLayout fill(const QList<ToolbarItem>& items);
    // The overflow menu: the enabled items not already on the toolbar, Back to Forward, then Downloads.
    static QList<ToolbarItem> overflowItems(const QList<ToolbarItem>& items, const QStringList& shownTitles,
                                            const QList<int>& disabledTags);
    // The floating menu button's actions after Cancel: Home, Refresh, Back, Stop, and Downloads when
    // downloads with history are allowed.
    static QList<ToolbarItem> pageMenuItems(const KVBrowserPrefSettings& preferences);
};

}  // namespace korvel

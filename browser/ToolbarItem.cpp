#include "browser/ToolbarItem.h"

#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

namespace {

bool downloadsWithHistory(const KVBrowserPrefSettings& p)
{
    return p.isAllowFileDownloadInDevice && p.isAllowKeepDownloadHistory;
}

}  // namespace

QList<ToolbarItem> ToolbarLayout::listOutAvailableTabs(const KVBrowserPrefSettings& p)
{
    QList<ToolbarItem> items;
    const auto add = [&items](bool shown, int tag, const char* key, const char* image, const QString& custom) {
        if (shown)
            items.append(ToolbarItem{tag, QString::fromLatin1(key), QString::fromLatin1(image), custom});
    };
    //% "Back"
    add(p.enableBackButton, ToolbarItem::Back, QT_TRID_NOOP("TEXT_BACK"), "tab_back_icon", p.backImage);
    //% "Home"
    add(p.enableHomeButton, ToolbarItem::Home, QT_TRID_NOOP("TEXT_HOME"), "tab_home_icon", p.homeImage);
    //% "Refresh"
    add(p.enableRefreshButton, ToolbarItem::Refresh, QT_TRID_NOOP("TEXT_REFRESH"), "tab_refresh_icon", p.refreshImage);
    //% "Print"
    add(p.enablePrintButton, ToolbarItem::Print, QT_TRID_NOOP("TEXT_PRINT"), "tab_printer_icon", p.printImage);
    //% "Forward"
    add(p.enableForwardButton, ToolbarItem::Forward, QT_TRID_NOOP("TEXT_FORWARD"), "tab_forward_icon", p.forwardImage);
    //% "Downloads"
    add(downloadsWithHistory(p), ToolbarItem::Downloads, QT_TRID_NOOP("TEXT_DOWNLOADS"), "tab_download_icon", QString());
    return items;
}

ToolbarLayout ToolbarLayout::fill(const QList<ToolbarItem>& items)
{
    ToolbarLayout layout;
    if (items.size() < 5) {
        layout.shown = items;
        return layout;
    }
    for (qsizetype i = 0; i < 3; ++i) {
        layout.shown.append(items.at(i));
        layout.arrForShowingTabName.append(items.at(i).titleKey);
    }
    //% "More"
    layout.shown.append(ToolbarItem{ToolbarItem::More, QString::fromLatin1(QT_TRID_NOOP("TEXT_MORE")),
                                    QStringLiteral("tab_more_icon"), QString()});
    return layout;
}

QList<ToolbarItem> ToolbarLayout::overflowItems(const QList<ToolbarItem>& items, const QStringList& shownTitles,
                                                const QList<int>& disabledTags)
{
    QList<ToolbarItem> menu;
    for (const ToolbarItem& item : items) {
        if (!disabledTags.contains(item.tag) && !shownTitles.contains(item.titleKey))
            menu.append(item);
    }
    return menu;
}

QList<ToolbarItem> ToolbarLayout::pageMenuItems(const KVBrowserPrefSettings& p)
{
    const auto item = [](int tag, const char* key) { return ToolbarItem{tag, QString::fromLatin1(key), {}, {}}; };
    QList<ToolbarItem> items = {item(ToolbarItem::Home, "TEXT_HOME"), item(ToolbarItem::Refresh, "TEXT_REFRESH"),
                                item(ToolbarItem::Back, "TEXT_BACK"),
                                //% "Stop"
                                item(ToolbarItem::Stop, QT_TRID_NOOP("TEXT_STOP"))};
    if (downloadsWithHistory(p))
        items.append(item(ToolbarItem::Downloads, "TEXT_DOWNLOADS"));
    return items;
}

}  // namespace korvel

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
    add(p.enableBackButton, ToolbarItem::Back, "TEXT_BACK", "tab_back_icon", p.backImage);
    add(p.enableHomeButton, ToolbarItem::Home, "TEXT_HOME", "tab_home_icon", p.homeImage);
    add(p.enableRefreshButton, ToolbarItem::Refresh, "TEXT_REFRESH", "tab_refresh_icon", p.refreshImage);
    add(p.enablePrintButton, ToolbarItem::Print, "TEXT_PRINT", "tab_printer_icon", p.printImage);
    add(p.enableForwardButton, ToolbarItem::Forward, "TEXT_FORWARD", "tab_forward_icon", p.forwardImage);
    add(downloadsWithHistory(p), ToolbarItem::Downloads, "TEXT_DOWNLOADS", "tab_download_icon", QString());
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
    layout.shown.append(ToolbarItem{ToolbarItem::More, QStringLiteral("TEXT_MORE"), QStringLiteral("tab_more_icon"), QString()});
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

QStringList ToolbarLayout::pageMenuTitleKeys(const KVBrowserPrefSettings& p)
{
    QStringList keys = {QStringLiteral("TEXT_HOME"), QStringLiteral("TEXT_REFRESH"), QStringLiteral("TEXT_BACK"),
                        QStringLiteral("TEXT_STOP")};
    if (downloadsWithHistory(p))
        keys.append(QStringLiteral("TEXT_DOWNLOADS"));
    return keys;
}

}  // namespace korvel

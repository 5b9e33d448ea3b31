#include "browser/HomeItems.h"

#include "settings/KVSettings.h"

namespace korvel {

VisibleItems VisibleItems::loadVisibleAllowedWebsites(KVSettings& settings, qint64 selectedCategoryId,
                                                      ScreenOrientation orientation, bool hasDragged)
{
    const KVBrowserPrefSettings& p = settings.kvBrowPref;
    const bool arranged = p.allowDragDrop || hasDragged;
    const bool topLevel = selectedCategoryId == 0;
    VisibleItems visible;
    QList<HomeItem> waiting;
    for (qsizetype i = 0; i < settings.allowedWebsites.size(); ++i) {
        allowedWebsite& w = settings.allowedWebsites[i];
        if (w.hideURL || w.categoryId != selectedCategoryId) {
            // A hidden website keeps its slot in an arranged grid, so the icons around it stay put.
            if (topLevel && arranged && w.isResetForFrame)
                visible.items.append({HomeItem::Kind::Placeholder, i});
            continue;
        }
        if (!arranged) {
            w.landscapeFrame = Frame{};
            w.portraitFrame = Frame{};
            visible.items.append({HomeItem::Kind::Website, i});
            continue;
        }
        const Frame& frame = orientation == ScreenOrientation::Landscape ? w.landscapeFrame : w.portraitFrame;
        if (orientation != ScreenOrientation::Unknown && frame.isZero())
            waiting.append({HomeItem::Kind::Website, i});
        else
            visible.items.append({HomeItem::Kind::Website, i});
    }
    if (topLevel) {
        for (qsizetype c = 0; c < settings.allowedWebsitesCategories.size(); ++c) {
            if (!arranged) {
                settings.allowedWebsitesCategories[c].landscapeFrame = Frame{};
                settings.allowedWebsitesCategories[c].portraitFrame = Frame{};
            }
            visible.items.append({HomeItem::Kind::Category, c});
        }
    }
    visible.items.append(waiting);
    visible.downloadsBar = p.isAllowKeepDownloadHistory && p.isAllowFileDownloadInDevice;
    return visible;
}

}  // namespace korvel

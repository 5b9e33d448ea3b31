#pragma once

#include <QList>

namespace korvel {

class KVSettings;

// One item of the home screen's grid, pointing into the settings' lists.
struct HomeItem {
    enum class Kind {
        Website,      // allowedWebsites[index]
        Placeholder,  // a hidden website's slot, kept free; shows nothing
        Category,     // allowedWebsitesCategories[index]
    };
    Kind kind = Kind::Website;
    qsizetype index = -1;

    bool operator==(const HomeItem&) const = default;
};

enum class ScreenOrientation { Portrait, Landscape, Unknown };

struct VisibleItems {
    QList<HomeItem> items;  // in display order
    bool downloadsBar = false;

    // Which items the home screen shows, at the top level (category 0) or inside a folder: placed
    // icons first (list order), then folders (top level), then websites still to be placed. Without
    // drag and drop in use the icons follow the flow layout, so their stored frames are cleared here.
    static VisibleItems loadVisibleAllowedWebsites(KVSettings& settings, qint64 selectedCategoryId,
                                                   ScreenOrientation orientation, bool hasDragged);
};

}  // namespace korvel

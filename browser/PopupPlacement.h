#pragma once

#include <QRect>

namespace korvel {

// Where a page's own pop-up (the list of a <select>, a date picker) may appear: the engine places
// it against the screen's edges, so next to a field low in a window smaller than the screen it
// would hang out of the kiosk window.
class PopupPlacement {
public:
    // `popup` moved the least distance that brings it inside `area` (both in screen coordinates);
    // a pop-up larger than the area is cut to it, keeping its top-left part. An empty area leaves
    // the pop-up as it is.
    static QRect keepInside(const QRect& popup, const QRect& area);
};

}  // namespace korvel

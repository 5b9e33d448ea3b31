#include "browser/PopupPlacement.h"

#include <algorithm>

namespace korvel {

namespace {

// One axis: the start that keeps [start, start + length) within [low, low + room), and the length.
std::pair<int, int> fit(int start, int length, int low, int room)
{
    if (length >= room)
        return {low, room};
    return {std::clamp(start, low, low + room - length), length};
}

}  // namespace

QRect PopupPlacement::keepInside(const QRect& popup, const QRect& area)
{
    if (area.isEmpty())
        return popup;
    const auto [x, width] = fit(popup.x(), popup.width(), area.x(), area.width());
    const auto [y, height] = fit(popup.y(), popup.height(), area.y(), area.height());
    return {x, y, width, height};
}

}  // namespace korvel

#pragma once

#include "settings/Frame.h"

namespace korvel {

// Where a dragged home-screen icon may come to rest.
struct IconDrop {
    // The drop at `origin` is kept when the icon (of its stored frame's size) stays inside the view's
    // width and inside `contentHeight` (the larger of the view's and the grid's content height,
    // truncated to whole points); otherwise the icon goes back to its stored frame.
    static bool accepted(double x, double y, const Frame& stored, double viewWidth, double contentHeight);
    // One step of a pinch: width and height multiplied by `scale`, the centre kept. No size limits;
    // a scale that is not a positive finite number leaves the frame as it is.
    static Frame pinched(const Frame& current, double scale);
};

}  // namespace korvel

#include "browser/IconDrop.h"

#include <cmath>

namespace korvel {

bool IconDrop::accepted(double x, double y, const Frame& stored, double viewWidth, double contentHeight)
{
    const double limit = std::trunc(contentHeight);
    return x >= 0 && y >= 0 && x <= viewWidth - stored.width && y <= limit - stored.height;
}

Frame IconDrop::pinched(const Frame& current, double scale)
{
    if (!std::isfinite(scale) || scale <= 0)
        return current;
    const double width = current.width * scale;
    const double height = current.height * scale;
    const double centreX = current.x + current.width / 2;
    const double centreY = current.y + current.height / 2;
    return Frame{centreX - width / 2, centreY - height / 2, width, height};
}

}  // namespace korvel

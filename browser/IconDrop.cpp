#include "browser/IconDrop.h"

#include <cmath>

namespace korvel {

bool IconDrop::accepted(double x, double y, const Frame& stored, double viewWidth, double contentHeight)
{
    const double limit = std::trunc(contentHeight);
    return x >= 0 && y >= 0 && x <= viewWidth - stored.width && y <= limit - stored.height;
}

}  // namespace korvel

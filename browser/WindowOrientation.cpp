#include "browser/WindowOrientation.h"

namespace korvel {

Qt::ScreenOrientations WindowOrientation::supportedOrientations(qint32 browserOrientation)
{
    switch (browserOrientation) {
    case 0:
        return Qt::PortraitOrientation | Qt::InvertedPortraitOrientation | Qt::LandscapeOrientation
               | Qt::InvertedLandscapeOrientation;
    case 1:
        return Qt::LandscapeOrientation | Qt::InvertedLandscapeOrientation;
    default:
        return Qt::PortraitOrientation;
    }
}

}  // namespace korvel

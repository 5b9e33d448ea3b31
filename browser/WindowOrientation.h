#pragma once

#include <QtCore/qnamespace.h>

namespace korvel {

// The orientations a window allows for the "BrowserOrientation" preference: 0 any, 1 landscape
// (both ways), anything else portrait.
class WindowOrientation {
public:
    static Qt::ScreenOrientations supportedOrientations(qint32 browserOrientation);
};

}  // namespace korvel

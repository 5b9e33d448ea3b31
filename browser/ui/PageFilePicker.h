#pragma once

#include "browser/PageFiles.h"

#include <QStringList>

#include <functional>

namespace korvel {

class Screen;

// The screen through which a page's file input is answered. The browser may not know the
// administration screens that build it: the application installs the factory at launch.
class PageFilePicker {
public:
    // Called once with the chosen files' absolute paths, or with none when nothing was chosen.
    using Finished = std::function<void(const QStringList& paths)>;
    // A screen to present for `request`; nullptr when none can be made.
    using Factory = std::function<Screen*(const PageFileRequest& request, Finished finished)>;

    static void setFactory(Factory factory);
    // The factory's screen; nullptr when no factory is installed (a page then gets no file).
    static Screen* make(const PageFileRequest& request, Finished finished);
};

}  // namespace korvel

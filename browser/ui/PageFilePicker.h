#pragma once

#include "browser/PageFiles.h"

#include <QStringList>

#include <functional>

namespace korvel {

class Screen;

// The screen through which a page's file input is answered. The browser may not know the
// administration screens that build it: the way to them is a route the shell installs.
class PageFilePicker {
public:
    // Called once with the chosen files' absolute paths, or with none when nothing was chosen.
    using Finished = std::function<void(const QStringList& paths)>;
    // The route's screen; nullptr when none is installed (a page then gets no file).
    static Screen* make(const PageFileRequest& request, Finished finished);
};

}  // namespace korvel

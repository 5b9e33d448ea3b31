#pragma once

#include "browser/ui/Routes.h"

namespace korvel {

// The ways between the browser's own screens: the window, the tabs, the reader, the download
// history and the home screen's return to a folder. The shell adds the ways to screens above the
// browser (the settings, the file picker) and the wake-up of the power saver.
namespace StandardRoutes {
Routes make();
}  // namespace StandardRoutes

}  // namespace korvel

#pragma once

class QWidget;

namespace korvel {

// The window that receives the user's input: the active window, else the first visible
// top-level window; nullptr when nothing is shown.
QWidget* keyWindow();

}  // namespace korvel

#include "platform/ui/KeyWindow.h"

#include <QApplication>
#include <QWidget>

namespace korvel {

QWidget* keyWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    // A kiosk compositor may never activate our window (and the offscreen platform does not).
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip)
            return window;
    }
    return nullptr;
}

}  // namespace korvel

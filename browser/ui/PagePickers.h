#pragma once

#include <QObject>

namespace korvel {

// Keeps what a page opens to pick a value inside the kiosk window. The engine answers a colour
// input with a QColorDialog, a top-level window of its own that could be moved, left open or
// used to reach the desktop's dialogs; such a dialog is kept off screen and answered from an
// in-window ColorPicker instead. The engine's own pop-ups (a <select>'s list, a date picker) are
// drawn by the page in windows of their own; they are kept within the kiosk window's rectangle.
class PagePickers final : public QObject {
    Q_OBJECT
public:
    // Watches the application's widgets from now on (once; later calls do nothing) and turns off
    // the platform's native dialogs, which would not be widgets and could not be kept off screen.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace korvel

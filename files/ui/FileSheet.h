#pragma once

#include "platform/ui/ActionSheet.h"

#include <QString>

#include <functional>

class QWidget;

namespace korvel {

// What the kiosk offers for one file of the documents directory: its name, size and where it can
// be reached, and Open where a screen of the program shows that kind. The file never goes to
// another application.
class FileSheet {
public:
    // The sheet for the file at `path`, not shown yet.
    static ActionSheet* make(const QString& path);

    // Offers the file at `path` in the sheet, over `viewObj`'s window (the key window when nullptr).
    // Nothing happens when the file does not exist.
    static void showFile(const QString& path, QWidget* viewObj);
};

}  // namespace korvel

#pragma once

#include "platform/ui/Screen.h"

namespace korvel {

// Stands where a settings screen of a later version will be, and says so, so nothing on the menu
// pretends to work.
class UnavailableScreen final : public Screen {
    Q_OBJECT
public:
    static QString message();

    // `menuId` is the menu row that opened it (0 for none), so the menu can tell it is on top.
    UnavailableScreen(const QString& title, int menuId, QWidget* parent = nullptr);

    int menuId() const { return m_menuId; }

private:
    int m_menuId = 0;
};

}  // namespace korvel

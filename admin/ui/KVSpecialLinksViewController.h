#pragma once

#include "admin/ui/PreferencesScreen.h"

namespace korvel {

// Whether phone numbers and print links in pages act.
class KVSpecialLinksViewController final : public PreferencesScreen {
    Q_OBJECT
public:
    explicit KVSpecialLinksViewController(QWidget* parent = nullptr);
};

}  // namespace korvel

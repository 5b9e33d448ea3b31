#pragma once

#include "platform/ui/Alert.h"

namespace korvel {

// A list of actions rising from the bottom of the window, the cancel action last and apart. It
// is an alert in every other way: buttons are its actions, it is the visible alert while shown,
// and a touch beside it acts as its cancel action.
class ActionSheet final : public Alert {
    Q_OBJECT
public:
    explicit ActionSheet(const QString& title, const QString& message = QString(), QWidget* parent = nullptr);
};

}  // namespace korvel

#pragma once

#include "platform/ui/Screen.h"

namespace korvel {

// The application's name, version and the device it runs on.
class AboutKorvelViewController final : public Screen {
    Q_OBJECT
public:
    explicit AboutKorvelViewController(QWidget* parent = nullptr);

    // The lines shown, top to bottom.
    QStringList lines() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace korvel

#pragma once

#include "platform/ui/ModalOverlay.h"

#include <QColor>

namespace korvel {

// A shade over the whole window that takes every touch: the power saver's darkness where no
// backlight can be set, and the motion lock.
class DimmingOverlay final : public ModalOverlay {
    Q_OBJECT
public:
    explicit DimmingOverlay(QColor shade, QWidget* parent = nullptr);

    // Covers the window of `over`; false when there is none.
    bool showOver(QWidget* over) { return cover(over); }
    void remove() { uncover(); }
    QColor shade() const { return m_shade; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_shade;
};

}  // namespace korvel

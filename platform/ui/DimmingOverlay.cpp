#include "platform/ui/DimmingOverlay.h"

#include <QPainter>

namespace korvel {

DimmingOverlay::DimmingOverlay(QColor shade, QWidget* parent)
    : ModalOverlay(parent)
    , m_shade(shade)
{
    setObjectName(QStringLiteral("dimmingOverlay"));
}

void DimmingOverlay::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), m_shade);
}

}  // namespace korvel

#include "platform/ui/ToggleSwitch.h"

#include "platform/ui/Theme.h"

#include <QPainter>

namespace korvel {

namespace {

constexpr QSize trackSize(52, 32);

}  // namespace

ToggleSwitch::ToggleSwitch(QWidget* parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

QSize ToggleSwitch::sizeHint() const
{
    return {trackSize.width() + 12, Theme::touchTarget};
}

bool ToggleSwitch::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void ToggleSwitch::paintEvent(QPaintEvent*)
{
    const Theme& theme = Theme::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track(QPointF((width() - trackSize.width()) / 2.0, (height() - trackSize.height()) / 2.0), QSizeF(trackSize));
    const qreal radius = track.height() / 2;
    QColor on = theme.tint;
    QColor off = theme.separator;
    if (!isEnabled()) {
        on.setAlpha(110);
        off.setAlpha(110);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? on : off);
    painter.drawRoundedRect(track, radius, radius);
    const qreal knob = track.height() - 4;
    const qreal x = isChecked() ? track.right() - 2 - knob : track.left() + 2;
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(QRectF(x, track.top() + 3, knob, knob));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
}

}  // namespace korvel

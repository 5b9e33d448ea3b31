#include "platform/ui/SegmentedControl.h"

#include "platform/ui/Accessibility.h"
#include "platform/ui/Theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace korvel {

namespace {

constexpr int drawnHeight = 36;
constexpr int minimumSegmentWidth = 64;

}  // namespace

SegmentedControl::SegmentedControl(const QStringList& segments, QWidget* parent)
    : QWidget(parent)
    , m_segments(segments)
{
    setFont(Theme::detailFont());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
    // Named after its choices until its row gives it the row's title.
    Accessibility::markControl(this, QAccessible::PageTabList, segments.join(QStringLiteral(" / ")));
}

void SegmentedControl::setSelectedIndex(int index)
{
    m_selected = index >= 0 && index < m_segments.size() ? index : -1;
    Accessibility::setValue(this, m_selected >= 0 ? m_segments.at(m_selected) : QString());
    update();
}

QSize SegmentedControl::sizeHint() const
{
    int widest = minimumSegmentWidth;
    for (const QString& segment : m_segments)
        widest = std::max(widest, fontMetrics().horizontalAdvance(segment) + 28);
    return {widest * int(std::max<qsizetype>(1, m_segments.size())), Theme::touchTarget};
}

QSize SegmentedControl::minimumSizeHint() const
{
    return {minimumSegmentWidth * int(std::max<qsizetype>(1, m_segments.size())), Theme::touchTarget};
}

QRectF SegmentedControl::segmentRect(int index) const
{
    const qreal width = m_segments.isEmpty() ? 0 : qreal(this->width() - 2) / m_segments.size();
    return QRectF(1 + index * width, (height() - drawnHeight) / 2.0, width, drawnHeight);
}

void SegmentedControl::paintEvent(QPaintEvent*)
{
    const Theme& theme = Theme::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(1, (height() - drawnHeight) / 2.0, width() - 2, drawnHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme.groupedBackground == theme.cell ? theme.selection : theme.groupedBackground);
    painter.drawRoundedRect(whole, 9, 9);
    for (int i = 0; i < m_segments.size(); ++i) {
        const QRectF r = segmentRect(i);
        if (i == m_selected) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(theme.tint);
            painter.drawRoundedRect(r.adjusted(2, 2, -2, -2), 7, 7);
        } else if (i > 0 && i - 1 != m_selected) {
            painter.setPen(QPen(theme.separator, 1));
            painter.drawLine(QPointF(r.left(), r.top() + 8), QPointF(r.left(), r.bottom() - 8));
        }
        // The text on the tint is the one the palette puts on a highlight (black on a pale tint).
        painter.setPen(i == m_selected ? palette().color(QPalette::HighlightedText) : (isEnabled() ? theme.label : theme.secondaryLabel));
        painter.drawText(r, Qt::AlignCenter, fontMetrics().elidedText(m_segments.at(i), Qt::ElideRight, int(r.width()) - 8));
    }
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(theme.tint, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(whole.adjusted(-0.5, -0.5, 0.5, 0.5), 9, 9);
    }
}

void SegmentedControl::keyPressEvent(QKeyEvent* event)
{
    // Arrows step through the choices (in reading order), Space moves on to the next one.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    int step = 0;
    if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Space)
        step = event->key() == Qt::Key_Right && rtl ? -1 : 1;
    else if (event->key() == Qt::Key_Left)
        step = rtl ? 1 : -1;
    if (step == 0 || m_segments.isEmpty() || !isEnabled()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const int count = int(m_segments.size());
    const int next = m_selected < 0 ? 0 : (event->key() == Qt::Key_Space ? (m_selected + 1) % count : std::clamp(m_selected + step, 0, count - 1));
    if (next == m_selected)
        return;
    setSelectedIndex(next);
    Q_EMIT selectionChanged(next);
}

void SegmentedControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void SegmentedControl::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (m_segments.isEmpty() || !rect().contains(event->position().toPoint()))
        return;
    const int index = std::clamp(int(event->position().x() * m_segments.size() / std::max(1, width())), 0,
                                 int(m_segments.size()) - 1);
    if (index == m_selected)
        return;
    setSelectedIndex(index);
    Q_EMIT selectionChanged(index);
}

}  // namespace korvel

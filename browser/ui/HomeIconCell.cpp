#include "browser/ui/HomeIconCell.h"

#include "browser/IconDrop.h"
#include "platform/ui/Accessibility.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"
#include "settings/Frame.h"

#include <QApplication>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace korvel {

namespace {

constexpr int kTitleHeight = 16;

QImage rounded(const QImage& source, qreal radius)
{
    QImage image(source.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(image.rect()), radius, radius);
    p.setClipPath(path);
    p.drawImage(0, 0, source);
    return image;
}

}  // namespace

HomeIconCell::HomeIconCell(int tag, QWidget* parent)
    : QWidget(parent), m_tag(tag)
{
    m_imageLabel = new QLabel(this);
    m_imageLabel->setAlignment(Qt::AlignCenter);
    m_imageLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_titleLabel = new QLabel(this);
    m_titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_titleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = Theme::detailFont();
    font.setPixelSize(ThemeLegibility::scaled(12));
    font.setWeight(QFont::Medium);
    m_titleLabel->setFont(font);
    Accessibility::markControl(this, QAccessible::Button, QString());
}

QString HomeIconCell::titleText() const
{
    return m_title;
}

void HomeIconCell::setContent(const QString& title, const QImage& image, QSize iconSize)
{
    m_placeholder = false;
    m_image = image;
    m_iconSize = iconSize;
    m_title = title;
    // Assistive technology says the website's name, whatever the title label has room for.
    setAccessibleName(title);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    layoutContent();
}

void HomeIconCell::makePlaceholder()
{
    m_placeholder = true;
    m_image = QImage();
    m_title.clear();
    m_titleLabel->clear();
    m_imageLabel->clear();
    setAccessibleName(QString());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void HomeIconCell::resizeEvent(QResizeEvent*)
{
    layoutContent();
}

void HomeIconCell::layoutContent()
{
    // Subviews follow the cell, so a resized icon keeps its proportions.
    // A line of the title's font (larger text makes it taller), at most a third of the cell.
    const int titleHeight = std::min(std::max(kTitleHeight, m_titleLabel->fontMetrics().height()), height() / 3);
    m_imageLabel->setGeometry(0, 0, width(), height() - titleHeight);
    m_titleLabel->setGeometry(0, height() - titleHeight, width(), titleHeight);
    // A long title ends in an ellipsis under its icon rather than being cut at the cell's edges.
    m_titleLabel->setText(m_titleLabel->fontMetrics().elidedText(m_title, Qt::ElideRight, width()));
    if (!m_image.isNull()) {
        const int side = std::max(1, std::min({m_iconSize.width(), width(), height() - titleHeight}));
        // Drawn at the screen's pixel density, so icons stay sharp on high-DPI panels.
        const qreal dpr = devicePixelRatioF();
        QPixmap icon = QPixmap::fromImage(
            rounded(m_image.scaled(QSize(side, side) * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 10 * dpr));
        icon.setDevicePixelRatio(dpr);
        m_imageLabel->setPixmap(icon);
    }
}

void HomeIconCell::mousePressEvent(QMouseEvent* event)
{
    // Accepted here so that a tap on an icon never reaches the grid's gesture.
    event->accept();
    m_pressPos = event->position().toPoint();
    m_dragging = false;
}

void HomeIconCell::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_draggable || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint delta = event->position().toPoint() - m_pressPos;
    if (!m_dragging && delta.manhattanLength() < 6)
        return;
    if (!m_dragging) {
        m_dragging = true;
        setHighlighted(true);
        raise();
        Q_EMIT dragged(m_tag);
    }
    move(pos() + delta);
}

void HomeIconCell::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (m_dragging) {
        m_dragging = false;
        setHighlighted(false);
        Q_EMIT dropped(m_tag);
        return;
    }
    if (rect().contains(event->position().toPoint()))
        Q_EMIT tapped(m_tag);
}

void HomeIconCell::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    update();
}

void HomeIconCell::paintEvent(QPaintEvent*)
{
    // The ring shows once the keyboard moves the focus, as Qt's own focus frames do.
    const bool ring = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
    if (!m_highlighted && !ring)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), Theme::cornerRadius, Theme::cornerRadius);
    if (m_highlighted) {
        QColor shade = Theme::current().label;
        shade.setAlpha(40);
        p.fillPath(path, shade);
    }
    // Where the keyboard stands, for a visitor with a keyboard or a switch device.
    if (ring)
        p.strokePath(path, QPen(Theme::current().tint, 3));
}

void HomeIconCell::setResizable(bool resizable)
{
    if (resizable == m_resizable)
        return;
    m_resizable = resizable;
    if (resizable)
        grabGesture(Qt::PinchGesture);
    else
        ungrabGesture(Qt::PinchGesture);
}

void HomeIconCell::pinch(double scale, Qt::GestureState state)
{
    if (!m_resizable)
        return;
    if (state == Qt::GestureStarted || m_pinchFrame.isNull()) {
        m_pinchFrame = QRectF(geometry());
        setHighlighted(true);
        raise();
        Q_EMIT resizeStarted(m_tag);
    }
    const Frame current{m_pinchFrame.x(), m_pinchFrame.y(), m_pinchFrame.width(), m_pinchFrame.height()};
    const Frame next = IconDrop::pinched(current, scale);
    m_pinchFrame = QRectF(next.x, next.y, next.width, next.height);
    setGeometry(m_pinchFrame.toRect());
    if (state == Qt::GestureFinished || state == Qt::GestureCanceled) {
        m_pinchFrame = QRectF();
        setHighlighted(false);
        Q_EMIT resized(m_tag);
    }
}

void HomeIconCell::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (!m_placeholder && event->modifiers() == Qt::NoModifier && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        Q_EMIT tapped(m_tag);
        return;
    }
    QWidget::keyPressEvent(event);
}

void HomeIconCell::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void HomeIconCell::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

bool HomeIconCell::event(QEvent* event)
{
    if (event->type() == QEvent::Gesture) {
        auto* gestures = static_cast<QGestureEvent*>(event);
        if (auto* pinchGesture = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture))) {
            gestures->accept(pinchGesture);
            // The scale since the previous step: the frame follows the fingers step by step.
            pinch(pinchGesture->scaleFactor(), pinchGesture->state());
            return true;
        }
    }
    return QWidget::event(event);
}

// ---------------------------------------------------------------------------------------------

}  // namespace korvel

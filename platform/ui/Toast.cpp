#include "platform/ui/Toast.h"

#include "platform/Timer.h"
#include "platform/ui/KeyWindow.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Theme.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

#include <algorithm>
#include <vector>

namespace korvel {

namespace {

constexpr int padding = 14;
constexpr int edgeMargin = 10;
constexpr int gap = 8;
constexpr int imageSide = 80;
constexpr int fadeInMs = 200;

// Oldest first, so stacked toasts keep their order.
std::vector<Toast*>& shownToasts()
{
    static std::vector<Toast*> toasts;
    return toasts;
}

}  // namespace

Toast::Toast(QWidget* over, const QString& text, ToastOptions options)
    : QWidget(over->window())
    , m_over(over)
    , m_text(text)
    , m_options(std::move(options))
{
    setObjectName(QStringLiteral("toast"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setFont(Theme::bodyFont());
    if (!m_options.image.isNull())
        m_scaledImage = m_options.image.scaled(imageSide, imageSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    over->installEventFilter(this);
    connect(over, &QObject::destroyed, this, [this] {
        unregister();
        deleteLater();
    });
    shownToasts().push_back(this);
}

Toast::~Toast()
{
    unregister();
}

void Toast::remove()
{
    if (m_removed)
        return;
    unregister();
    hide();
    deleteLater();
    if (m_over)
        layoutOver(m_over);
}

QList<Toast*> Toast::visibleToasts(QWidget* over)
{
    QList<Toast*> result;
    for (Toast* toast : shownToasts()) {
        if (!over || toast->m_over == over)
            result.append(toast);
    }
    return result;
}

void Toast::unregister()
{
    m_removed = true;
    auto& toasts = shownToasts();
    toasts.erase(std::remove(toasts.begin(), toasts.end(), this), toasts.end());
}

bool Toast::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_over && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        layoutOver(m_over);
    return QWidget::eventFilter(watched, event);
}

void Toast::fitInto(int maxWidth)
{
    const int imageWidth = m_scaledImage.isNull() ? 0 : m_scaledImage.width() + padding;
    const int textWidth = std::max(1, maxWidth - 2 * padding - imageWidth);
    QFont titleFont = font();
    titleFont.setBold(true);
    const QRect title = m_options.title.isEmpty()
        ? QRect()
        : QFontMetrics(titleFont).boundingRect(QRect(0, 0, textWidth, 100000), Qt::TextWordWrap, m_options.title);
    const QRect text = m_text.isEmpty()
        ? QRect()
        : fontMetrics().boundingRect(QRect(0, 0, textWidth, 100000), Qt::TextWordWrap, m_text);
    const int between = title.isEmpty() || text.isEmpty() ? 0 : 4;
    const int left = padding + imageWidth;
    m_titleRect = QRect(left, padding, title.width(), title.height());
    m_textRect = QRect(left, padding + title.height() + between, text.width(), text.height());
    const int contentHeight = std::max(title.height() + between + text.height(), m_scaledImage.height());
    m_imageRect = m_scaledImage.isNull()
        ? QRect()
        : QRect(QPoint(padding, padding + (contentHeight - m_scaledImage.height()) / 2), m_scaledImage.size());
    resize(left + std::max(title.width(), text.width()) + padding, contentHeight + 2 * padding);
}

// Places every toast over `over`: each position's toasts form a column, the oldest nearest the
// edge (top and bottom) or first from the top (centre).
void Toast::layoutOver(QWidget* over)
{
    QWidget* window = over->window();
    const QRect area(over->mapTo(window, QPoint(0, 0)), over->size());
    for (const ToastPosition position : {ToastPosition::Top, ToastPosition::Center, ToastPosition::Bottom}) {
        QList<Toast*> column;
        for (Toast* toast : visibleToasts(over)) {
            if (toast->position() == position)
                column.append(toast);
        }
        int height = 0;
        for (Toast* toast : column) {
            toast->fitInto(std::min(area.width() * 8 / 10, 560));
            height += toast->height() + (height > 0 ? gap : 0);
        }
        int y = 0;
        switch (position) {
        case ToastPosition::Top:
            y = area.top() + edgeMargin;
            break;
        case ToastPosition::Center:
            y = area.top() + (area.height() - height) / 2;
            break;
        case ToastPosition::Bottom:
            y = area.top() + area.height() - edgeMargin;
            break;
        }
        for (Toast* toast : column) {
            const int x = area.left() + (area.width() - toast->width()) / 2;
            if (position == ToastPosition::Bottom) {
                y -= toast->height();
                toast->move(x, y);
                y -= gap;
            } else {
                toast->move(x, y);
                y += toast->height() + gap;
            }
        }
    }
}

void Toast::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    QPainterPath background;
    background.addRoundedRect(QRectF(rect()), Theme::cornerRadius, Theme::cornerRadius);
    painter.fillPath(background, Theme::current().toastBackground);
    if (!m_scaledImage.isNull())
        painter.drawImage(m_imageRect, m_scaledImage);
    painter.setPen(Theme::current().toastText);
    if (!m_options.title.isEmpty()) {
        QFont titleFont = font();
        titleFont.setBold(true);
        painter.setFont(titleFont);
        painter.drawText(m_titleRect, Qt::TextWordWrap, m_options.title);
        painter.setFont(font());
    }
    if (!m_text.isEmpty())
        painter.drawText(m_textRect, Qt::TextWordWrap, m_text);
}

Toast* makeToast(QWidget* over, const QString& text, ToastOptions options)
{
    if (text.isEmpty() && options.title.isEmpty() && options.image.isNull())
        return nullptr;
    if (!over)
        over = keyWindow();
    if (!over)
        return nullptr;
    auto* toast = new Toast(over, text, std::move(options));
    Toast::layoutOver(over);
    toast->show();
    toast->raise();
    if (NavigationStack::animationsEnabled()) {
        toast->m_opacity = 0.0;
        auto* fade = new QVariantAnimation(toast);
        fade->setStartValue(0.0);
        fade->setEndValue(1.0);
        fade->setDuration(fadeInMs);
        QObject::connect(fade, &QVariantAnimation::valueChanged, toast, [toast](const QVariant& value) {
            toast->m_opacity = value.toReal();
            toast->update();
        });
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    }
    singleShot(toast->duration(), toast, [toast] { toast->remove(); });
    return toast;
}

}  // namespace korvel

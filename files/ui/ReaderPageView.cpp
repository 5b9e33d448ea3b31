#include "files/ui/ReaderPageView.h"

#include "platform/ui/NavigationStack.h"
#include "platform/ui/Theme.h"

#include <QGestureEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfDocument>
#include <QPinchGesture>
#include <QVariantAnimation>

#include <cmath>

namespace korvel {

namespace {

// A finger that moves less than this between press and release has tapped.
constexpr int tapSlop = 12;

}  // namespace

ReaderPageView::ReaderPageView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("readerPageView"));
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    grabGesture(Qt::PinchGesture);
    m_animation = new QVariantAnimation(this);
    m_animation->setDuration(220);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_dragX = value.toReal();
        update();
    });
}

void ReaderPageView::setDocument(QPdfDocument* document)
{
    m_document = document;
    m_cache.clear();
    m_links.clear();
    m_linksPage = -1;
    m_page = 0;
    m_dragX = 0;
    m_zoom = 1.0;
    m_pan = {};
    update();
}

int ReaderPageView::pageCount() const
{
    return m_document ? m_document->pageCount() : 0;
}

void ReaderPageView::setCurrentPage(int page)
{
    if (pageCount() == 0)
        return;
    page = std::clamp(page, 0, pageCount() - 1);
    m_animation->stop();
    m_dragX = 0;
    if (page == m_page) {
        update();
        return;
    }
    m_page = page;
    if (m_zoom != 1.0) {
        m_zoom = 1.0;
        m_pan = {};
        m_cache.remove(m_page);
    }
    dropFarPages();
    update();
    Q_EMIT currentPageChanged(m_page);
}

void ReaderPageView::setZoom(qreal zoom)
{
    zoom = std::clamp(zoom, 1.0, maximumZoom);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    if (m_zoom == 1.0)
        m_pan = {};
    // The shown page is rendered again at the new scale on the next paint.
    m_cache.remove(m_page);
    update();
}

void ReaderPageView::setPaper(Paper paper)
{
    if (paper == m_paper)
        return;
    m_paper = paper;
    m_cache.clear();
    update();
}

QRectF ReaderPageView::fittedRect(int page) const
{
    const QSizeF points = m_document ? m_document->pagePointSize(page) : QSizeF();
    if (points.isEmpty() || width() <= 0 || height() <= 0)
        return {};
    const QSizeF fitted = points.scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

const QImage& ReaderPageView::rendered(int page)
{
    auto found = m_cache.find(page);
    if (found != m_cache.end())
        return *found;
    const qreal scale = devicePixelRatioF() * (page == m_page ? m_zoom : 1.0);
    const QSize pixels = (fittedRect(page).size() * scale).toSize();
    QImage image;
    if (m_document && !pixels.isEmpty()) {
        // Pages render on a transparent ground: they are laid on paper here.
        image = QImage(pixels, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.drawImage(0, 0, m_document->render(page, pixels));
        switch (m_paper) {
        case Paper::Day:
            break;
        case Paper::Sepia:
            painter.setCompositionMode(QPainter::CompositionMode_Multiply);
            painter.fillRect(image.rect(), QColor(0xF4, 0xEC, 0xD8));
            break;
        case Paper::Night:
            painter.end();
            image.invertPixels();
            break;
        }
    }
    image.setDevicePixelRatio(scale);
    return *m_cache.insert(page, image);
}

void ReaderPageView::dropFarPages()
{
    for (auto it = m_cache.begin(); it != m_cache.end();) {
        if (std::abs(it.key() - m_page) > 1)
            it = m_cache.erase(it);
        else
            ++it;
    }
}

void ReaderPageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Theme::current().groupedBackground);
    if (pageCount() == 0)
        return;
    const qreal stride = width() + pageSpacing;
    for (int page = m_page - 1; page <= m_page + 1; ++page) {
        if (page < 0 || page >= pageCount())
            continue;
        const qreal x = (page - m_page) * stride + m_dragX;
        if (x <= -stride || x >= stride)
            continue;
        const QRectF target = page == m_page ? shownRect().translated(x, 0) : fittedRect(page).translated(x, 0);
        const QImage& image = rendered(page);
        if (image.isNull())
            painter.fillRect(target, m_paper == Paper::Night ? Qt::black : Qt::white);
        if (!image.isNull())
            painter.drawImage(target, image);
    }
}

QRectF ReaderPageView::shownRect() const
{
    QRectF target = fittedRect(m_page);
    if (m_zoom != 1.0) {
        const QPointF centre = target.center();
        target = QRectF(0, 0, target.width() * m_zoom, target.height() * m_zoom);
        target.moveCenter(centre + m_pan);
    }
    return target;
}

const ReaderLink* ReaderPageView::linkAt(QPointF at)
{
    if (m_linksPage != m_page) {
        m_links = ReaderLinks::onPage(m_document, m_page);
        m_linksPage = m_page;
    }
    const QRectF shown = shownRect();
    const QSizeF points = m_document ? m_document->pagePointSize(m_page) : QSizeF();
    if (shown.isEmpty() || points.isEmpty())
        return nullptr;
    const QPointF onPage((at.x() - shown.left()) * points.width() / shown.width(), (at.y() - shown.top()) * points.height() / shown.height());
    for (const ReaderLink& link : m_links) {
        if (link.rect.contains(onPage))
            return &link;
    }
    return nullptr;
}

void ReaderPageView::resizeEvent(QResizeEvent*)
{
    m_cache.clear();
}

bool ReaderPageView::event(QEvent* event)
{
    if (event->type() == QEvent::Gesture) {
        auto* gestures = static_cast<QGestureEvent*>(event);
        if (auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture))) {
            if (pinch->state() == Qt::GestureStarted) {
                m_pinching = true;
                m_pinchStartZoom = m_zoom;
            }
            setZoom(m_pinchStartZoom * pinch->totalScaleFactor());
            if (pinch->state() == Qt::GestureFinished || pinch->state() == Qt::GestureCanceled)
                m_pinching = false;
            gestures->accept(pinch);
            return true;
        }
    }
    return QWidget::event(event);
}

void ReaderPageView::mousePressEvent(QMouseEvent* event)
{
    m_animation->stop();
    m_pressed = true;
    m_moved = false;
    m_pressAt = m_lastAt = event->position().toPoint();
}

void ReaderPageView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed || m_pinching)
        return;
    const QPoint at = event->position().toPoint();
    if ((at - m_pressAt).manhattanLength() > tapSlop)
        m_moved = true;
    const QPoint delta = at - m_lastAt;
    m_lastAt = at;
    if (!m_moved)
        return;
    if (m_zoom > 1.0) {
        // A zoomed page is moved, not turned.
        m_pan += delta;
    } else {
        m_dragX += delta.x();
        // Nothing lies beyond the first and the last page but a little give.
        if ((m_page == 0 && m_dragX > 0) || (m_page == pageCount() - 1 && m_dragX < 0))
            m_dragX = std::clamp(m_dragX, -width() / 6.0, width() / 6.0);
    }
    update();
}

void ReaderPageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    if (!m_moved) {
        if (const ReaderLink* link = linkAt(event->position())) {
            const ReaderLink tapped = *link;
            Q_EMIT linkTapped(tapped);
        } else {
            Q_EMIT tapped();
        }
        return;
    }
    if (m_zoom > 1.0)
        return;
    const qreal threshold = width() / 5.0;
    if (m_dragX < -threshold && m_page < pageCount() - 1)
        settle(1);
    else if (m_dragX > threshold && m_page > 0)
        settle(-1);
    else
        settle(0);
}

void ReaderPageView::settle(int direction)
{
    const int target = m_page + direction;
    if (!NavigationStack::animationsEnabled()) {
        if (direction != 0)
            setCurrentPage(target);
        m_dragX = 0;
        update();
        return;
    }
    m_animation->stop();
    m_animation->disconnect(this, nullptr);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_dragX = value.toReal();
        update();
    });
    m_animation->setStartValue(m_dragX);
    m_animation->setEndValue(-direction * qreal(width() + pageSpacing));
    connect(m_animation, &QVariantAnimation::finished, this, [this, target, direction] {
        m_dragX = 0;
        if (direction != 0)
            setCurrentPage(target);
        update();
    });
    m_animation->start();
}

}  // namespace korvel

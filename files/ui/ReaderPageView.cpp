#include "files/ui/ReaderPageView.h"

#include "files/ReaderRules.h"
#include "files/ui/ReaderDocument.h"

#include "platform/ui/NavigationStack.h"
#include "platform/ui/Theme.h"

#include <QGestureEvent>
#include <QMouseEvent>
#include <QPainter>
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

void ReaderPageView::setDocument(ReaderDocument* document)
{
    if (m_document)
        m_document->disconnect(this);
    m_document = document;
    m_asked.clear();
    m_cache.clear();
    m_zoomed = {};
    m_zoomTicket = 0;
    m_links.clear();
    m_linksPage = -1;
    m_page = 0;
    m_dragX = 0;
    m_scroll = 0;
    m_zoom = 1.0;
    m_pan = {};
    if (document) {
        connect(document, &ReaderDocument::rendered, this, &ReaderPageView::onRendered);
        connect(document, &ReaderDocument::linksReady, this, [this](quint64 ticket, const QList<ReaderLink>& links) {
            if (ticket == m_linksTicket)
                m_links = links;
        });
    }
    askForLinks();
    update();
}

int ReaderPageView::pageCount() const
{
    return m_document && m_document->status() == ReaderDocument::Status::Ready ? m_document->pageCount() : 0;
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
    m_scroll = 0;
    if (m_zoom != 1.0) {
        m_zoom = 1.0;
        m_pan = {};
    }
    m_zoomed = {};
    dropFarPages();
    askForLinks();
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
    // The part in view is asked for at the new scale on the next paint.
    m_zoomed = {};
    update();
}

void ReaderPageView::setInsets(const QMargins& insets)
{
    if (insets == m_insets)
        return;
    m_insets = insets;
    dropPictures();
    setScroll(m_scroll);
    update();
}

void ReaderPageView::setScroll(qreal scroll)
{
    const QSizeF points = m_document ? m_document->pagePointSize(m_page) : QSizeF();
    m_scroll = std::clamp(scroll, 0.0, ReaderRules::pageOverflow(points, QRectF(rect().marginsRemoved(m_insets))));
    update();
}

void ReaderPageView::setPaper(Paper paper)
{
    if (paper == m_paper)
        return;
    m_paper = paper;
    dropPictures();
    update();
}

bool ReaderPageView::settled() const
{
    return m_asked.isEmpty() && m_zoomTicket == 0;
}

QRectF ReaderPageView::fittedRect(int page) const
{
    const QSizeF points = m_document ? m_document->pagePointSize(page) : QSizeF();
    return ReaderRules::fittedPage(points, QRectF(rect().marginsRemoved(m_insets)), page == m_page ? m_scroll : 0);
}

const QImage* ReaderPageView::fitted(int page)
{
    if (const auto found = m_cache.constFind(page); found != m_cache.constEnd())
        return &*found;
    const QSize pixels = (fittedRect(page).size() * devicePixelRatioF()).toSize();
    if (!m_document || pixels.isEmpty())
        return nullptr;
    for (const Asked& asked : std::as_const(m_asked)) {
        if (asked.page == page && asked.clip.isEmpty() && asked.scaledSize == pixels)
            return nullptr;
    }
    if (const quint64 ticket = m_document->requestRender(page, pixels, QRect(), ReaderDocument::Priority::Page))
        m_asked.insert(ticket, {page, pixels, QRect()});
    return nullptr;
}

ReaderPageView::Asked ReaderPageView::zoomedPart() const
{
    const qreal dpr = devicePixelRatioF();
    const QRectF shown = shownRect();
    const QRectF visible = shown.intersected(QRectF(rect()));
    Asked part;
    part.page = m_page;
    part.scaledSize = (shown.size() * dpr).toSize();
    part.clip = QRectF((visible.topLeft() - shown.topLeft()) * dpr, visible.size() * dpr).toAlignedRect().intersected(QRect(QPoint(0, 0), part.scaledSize));
    return part;
}

void ReaderPageView::askForZoomedPart()
{
    const Asked want = zoomedPart();
    const auto same = [](const Asked& a, const Asked& b) { return a.page == b.page && a.scaledSize == b.scaledSize && a.clip == b.clip; };
    if (want.clip.isEmpty() || !m_document || (!m_zoomed.isNull() && same(m_zoomedShows, want)) || (m_zoomTicket && same(m_zoomAsked, want)))
        return;
    // Only the latest part in view is worth drawing; one not sent yet is forgotten.
    if (m_zoomTicket)
        m_document->drop(m_zoomTicket);
    m_zoomTicket = m_document->requestRender(want.page, want.scaledSize, want.clip, ReaderDocument::Priority::Page);
    m_zoomAsked = want;
}

void ReaderPageView::onRendered(quint64 ticket, const QImage& image)
{
    if (ticket == m_zoomTicket) {
        m_zoomTicket = 0;
        if (!image.isNull() && m_zoom > 1.0 && m_zoomAsked.page == m_page && m_zoomAsked.scaledSize == zoomedPart().scaledSize) {
            m_zoomed = onPaper(image);
            m_zoomedShows = m_zoomAsked;
        }
        update();
        return;
    }
    const auto asked = m_asked.constFind(ticket);
    if (asked == m_asked.constEnd())
        return;
    const Asked what = *asked;
    m_asked.erase(asked);
    const QSize pixels = (fittedRect(what.page).size() * devicePixelRatioF()).toSize();
    // A picture of a page turned away from, or of the view before it was resized, is of no use.
    if (!image.isNull() && std::abs(what.page - m_page) <= 1 && what.scaledSize == pixels)
        m_cache.insert(what.page, onPaper(image));
    update();
}

QImage ReaderPageView::onPaper(const QImage& image) const
{
    QImage paper = image.convertToFormat(QImage::Format_RGB32);
    switch (m_paper) {
    case Paper::Day:
        break;
    case Paper::Sepia: {
        QPainter painter(&paper);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillRect(paper.rect(), QColor(0xF4, 0xEC, 0xD8));
        break;
    }
    case Paper::Night:
        paper.invertPixels();
        break;
    }
    paper.setDevicePixelRatio(devicePixelRatioF());
    return paper;
}

void ReaderPageView::dropPictures()
{
    if (m_document) {
        for (auto it = m_asked.constBegin(); it != m_asked.constEnd(); ++it)
            m_document->drop(it.key());
        if (m_zoomTicket)
            m_document->drop(m_zoomTicket);
    }
    m_asked.clear();
    m_zoomTicket = 0;
    m_cache.clear();
    m_zoomed = {};
}

void ReaderPageView::askForLinks()
{
    m_links.clear();
    m_linksPage = m_page;
    m_linksTicket = m_document ? m_document->requestLinks(m_page) : 0;
}

void ReaderPageView::dropFarPages()
{
    for (auto it = m_cache.begin(); it != m_cache.end();) {
        if (std::abs(it.key() - m_page) > 1)
            it = m_cache.erase(it);
        else
            ++it;
    }
    for (auto it = m_asked.begin(); it != m_asked.end();) {
        if (std::abs(it->page - m_page) > 1) {
            if (m_document)
                m_document->drop(it.key());
            it = m_asked.erase(it);
        } else {
            ++it;
        }
    }
}

void ReaderPageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Theme::current().groupedBackground);
    if (pageCount() == 0)
        return;
    const QColor blank = m_paper == Paper::Night ? Qt::black : m_paper == Paper::Sepia ? QColor(0xF4, 0xEC, 0xD8) : Qt::white;
    const qreal stride = width() + pageSpacing;
    // The shown page first: its picture is the one most wanted.
    for (int page : {m_page, m_page - 1, m_page + 1}) {
        if (page < 0 || page >= pageCount())
            continue;
        const qreal x = (page - m_page) * stride + m_dragX;
        if (x <= -stride || x >= stride)
            continue;
        const QRectF target = page == m_page ? shownRect().translated(x, 0) : fittedRect(page).translated(x, 0);
        const QImage* image = fitted(page);
        if (image)
            painter.drawImage(target, *image);
        else
            painter.fillRect(target, blank);
        if (page != m_page || m_zoom == 1.0)
            continue;
        // While zoomed, the part in view drawn sharp over the fitted picture.
        askForZoomedPart();
        if (!m_zoomed.isNull() && m_zoomedShows.scaledSize == zoomedPart().scaledSize) {
            const qreal dpr = devicePixelRatioF();
            const QRectF part(target.topLeft() + QPointF(m_zoomedShows.clip.topLeft()) / dpr, QSizeF(m_zoomedShows.clip.size()) / dpr);
            painter.drawImage(part, m_zoomed);
        }
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

const ReaderLink* ReaderPageView::linkAt(QPointF at) const
{
    if (m_linksPage != m_page)
        return nullptr;
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
    dropPictures();
    setScroll(m_scroll);
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
    if (!m_moved && (at - m_pressAt).manhattanLength() > tapSlop) {
        m_moved = true;
        // A drag mostly up or down reads the page; one mostly sideways turns it.
        const QPoint start = at - m_pressAt;
        m_vertical = std::abs(start.y()) > std::abs(start.x());
    }
    const QPoint delta = at - m_lastAt;
    m_lastAt = at;
    if (!m_moved)
        return;
    if (m_zoom > 1.0) {
        // A zoomed page is moved, not turned.
        m_pan += delta;
    } else if (m_vertical) {
        setScroll(m_scroll - delta.y());
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
    if (m_zoom > 1.0 || m_vertical)
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

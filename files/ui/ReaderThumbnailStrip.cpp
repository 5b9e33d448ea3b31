#include "files/ui/ReaderThumbnailStrip.h"

#include "files/ui/ReaderDocument.h"

#include "platform/ui/Theme.h"

#include <QMouseEvent>
#include <QPainter>

namespace korvel {

namespace {

constexpr int thumbnailWidth = 48;  // pages are fitted into 48 x 64
constexpr int gap = 8;
constexpr int tapSlop = 12;

}  // namespace

ReaderThumbnailStrip::ReaderThumbnailStrip(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("readerThumbnails"));
    setMinimumHeight(thumbnailHeight + 2 * gap);
}

QSize ReaderThumbnailStrip::sizeHint() const
{
    return {400, thumbnailHeight + 2 * gap};
}

void ReaderThumbnailStrip::setDocument(ReaderDocument* document)
{
    if (m_document)
        m_document->disconnect(this);
    m_document = document;
    m_cache.clear();
    m_asked.clear();
    if (document) {
        connect(document, &ReaderDocument::rendered, this, [this](quint64 ticket, const QImage& image) {
            const auto asked = m_asked.constFind(ticket);
            if (asked == m_asked.constEnd())
                return;
            QImage picture = image;
            picture.setDevicePixelRatio(devicePixelRatioF());
            m_cache.insert(*asked, picture);
            m_asked.erase(asked);
            update();
        });
    }
    m_current = 0;
    m_offset = 0;
    update();
}

int ReaderThumbnailStrip::pageCount() const
{
    return m_document && m_document->status() == ReaderDocument::Status::Ready ? m_document->pageCount() : 0;
}

int ReaderThumbnailStrip::slotWidth() const
{
    return thumbnailWidth + gap;
}

void ReaderThumbnailStrip::clampOffset()
{
    const qreal content = qreal(pageCount()) * slotWidth() + gap;
    // A short document sits in the middle; a long one scrolls between its ends.
    if (content <= width())
        m_offset = -(width() - content) / 2;
    else
        m_offset = std::clamp(m_offset, 0.0, content - width());
}

void ReaderThumbnailStrip::setCurrentPage(int page)
{
    m_current = page;
    m_offset = qreal(page) * slotWidth() + gap + thumbnailWidth / 2.0 - width() / 2.0;
    clampOffset();
    update();
}

int ReaderThumbnailStrip::pageAt(int x) const
{
    const qreal content = x + m_offset - gap / 2.0;
    if (content < 0)
        return -1;
    const int page = int(content / slotWidth());
    return page < pageCount() ? page : -1;
}

void ReaderThumbnailStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Theme& theme = Theme::current();
    painter.fillRect(rect(), theme.cell);
    if (pageCount() == 0)
        return;
    const int first = std::max(0, int((m_offset - gap) / slotWidth()));
    const int last = std::min(pageCount() - 1, int((m_offset + width()) / slotWidth()) + 1);
    // Pictures well outside the visible run are let go, and those not drawn yet are not asked for.
    const int margin = last - first + 1;
    for (auto it = m_cache.begin(); it != m_cache.end();) {
        if (it.key() < first - margin || it.key() > last + margin)
            it = m_cache.erase(it);
        else
            ++it;
    }
    for (auto it = m_asked.begin(); it != m_asked.end();) {
        if (*it < first || *it > last) {
            m_document->drop(it.key());
            it = m_asked.erase(it);
        } else {
            ++it;
        }
    }
    const qreal dpr = devicePixelRatioF();
    for (int page = first; page <= last; ++page) {
        const QRectF slot(page * slotWidth() + gap - m_offset, gap, thumbnailWidth, thumbnailHeight);
        const QSizeF points = m_document->pagePointSize(page);
        QRectF box = slot;
        if (!points.isEmpty()) {
            const QSizeF fitted = points.scaled(slot.size(), Qt::KeepAspectRatio);
            box = QRectF(QPointF(slot.center().x() - fitted.width() / 2, slot.center().y() - fitted.height() / 2), fitted);
        }
        const auto found = m_cache.constFind(page);
        if (found == m_cache.constEnd()) {
            const QList<int> waiting = m_asked.values();
            if (!waiting.contains(page)) {
                if (const quint64 ticket = m_document->requestRender(page, (box.size() * dpr).toSize(), QRect(), ReaderDocument::Priority::Picture))
                    m_asked.insert(ticket, page);
            }
        }
        painter.fillRect(box, Qt::white);
        if (found != m_cache.constEnd() && !found->isNull())
            painter.drawImage(box, *found);
        painter.setPen(QPen(page == m_current ? theme.tint : theme.separator, page == m_current ? 3 : 1));
        painter.drawRect(box);
    }
}

void ReaderThumbnailStrip::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    m_moved = false;
    m_pressAt = event->position().toPoint();
    m_lastX = m_pressAt.x();
}

void ReaderThumbnailStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed)
        return;
    const QPoint at = event->position().toPoint();
    if ((at - m_pressAt).manhattanLength() > tapSlop)
        m_moved = true;
    if (m_moved) {
        m_offset -= at.x() - m_lastX;
        clampOffset();
        update();
    }
    m_lastX = at.x();
}

void ReaderThumbnailStrip::mouseReleaseEvent(QMouseEvent* event)
{
    if (!std::exchange(m_pressed, false) || m_moved)
        return;
    const int page = pageAt(event->position().toPoint().x());
    if (page >= 0)
        Q_EMIT pageSelected(page);
}

}  // namespace korvel

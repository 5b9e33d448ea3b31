#pragma once

#include "files/ui/ReaderLinks.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QWidget>

class QPdfDocument;
class QVariantAnimation;

namespace korvel {

// One page of a document at a time, scaled to fit, paged horizontally by a swipe with a gap
// between neighbouring pages; a tap is reported, two fingers zoom. Only the shown page and its
// two neighbours are kept rendered, so memory does not grow with the pages read.
class ReaderPageView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int pageSpacing = 20;
    // How the paper looks: as printed, warm for long reading, or light text on dark.
    enum class Paper { Day, Sepia, Night };
    static constexpr qreal maximumZoom = 4.0;

    explicit ReaderPageView(QWidget* parent = nullptr);

    void setDocument(QPdfDocument* document);
    int currentPage() const { return m_page; }
    // Clamped to the document's pages; a page change drops the zoom.
    void setCurrentPage(int page);
    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom);
    Paper paper() const { return m_paper; }
    void setPaper(Paper paper);
    // Rendered pages held now.
    int renderedPageCount() const { return int(m_cache.size()); }

Q_SIGNALS:
    void currentPageChanged(int page);
    // A tap beside every link of the page.
    void tapped();
    void linkTapped(const korvel::ReaderLink& link);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int pageCount() const;
    // The page's area inside a page-sized slot at the origin, scaled to fit.
    QRectF fittedRect(int page) const;
    const QImage& rendered(int page);
    // Where the shown page is drawn now, zoom and pan included.
    QRectF shownRect() const;
    // The link under `at`, nullptr when there is none.
    const ReaderLink* linkAt(QPointF at);
    void dropFarPages();
    void settle(int direction);

    QPointer<QPdfDocument> m_document;
    int m_page = 0;
    qreal m_dragX = 0;
    qreal m_zoom = 1.0;
    Paper m_paper = Paper::Day;
    QPointF m_pan;
    QPoint m_pressAt;
    QPoint m_lastAt;
    bool m_pressed = false;
    bool m_moved = false;
    bool m_pinching = false;
    qreal m_pinchStartZoom = 1.0;
    QHash<int, QImage> m_cache;
    QList<ReaderLink> m_links;
    int m_linksPage = -1;
    QVariantAnimation* m_animation = nullptr;
};

}  // namespace korvel

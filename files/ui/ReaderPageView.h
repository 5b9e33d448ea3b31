#pragma once

#include "files/PdfRenderProtocol.h"

#include <QHash>
#include <QImage>
#include <QMargins>
#include <QPointer>
#include <QWidget>

class QVariantAnimation;

namespace korvel {

class ReaderDocument;

// One page of a document at a time, as wide as the view, paged horizontally by a swipe with a gap
// between neighbouring pages and scrolled vertically by a drag; a tap is reported, two fingers
// zoom. The page is laid out clear of the insets (the bars drawn over the view). Pages are drawn at the
// screen's resolution by the document's helper: the shown page and its two neighbours fitted to
// the view, and, while zoomed, only the part of the page in view. Until a picture arrives the
// page shows as blank paper.
class ReaderPageView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int pageSpacing = 20;
    // How the paper looks: as printed, warm for long reading, or light text on dark.
    enum class Paper { Day, Sepia, Night };
    static constexpr qreal maximumZoom = 4.0;

    explicit ReaderPageView(QWidget* parent = nullptr);

    void setDocument(ReaderDocument* document);
    int currentPage() const { return m_page; }
    // Clamped to the document's pages; a page change drops the zoom.
    void setCurrentPage(int page);
    qreal zoom() const { return m_zoom; }
    // The bars over the view: the page starts below the top one and scrolls clear of the bottom one.
    void setInsets(const QMargins& insets);
    QMargins insets() const { return m_insets; }
    // How far the page is scrolled down, and where the shown page is drawn now.
    qreal scroll() const { return m_scroll; }
    void setScroll(qreal scroll);
    QRectF pageRect() const { return shownRect(); }
    void setZoom(qreal zoom);
    Paper paper() const { return m_paper; }
    void setPaper(Paper paper);
    // Pictures of pages held now (the zoomed part included).
    int renderedPageCount() const { return int(m_cache.size()) + (m_zoomed.isNull() ? 0 : 1); }
    // Whether the pictures the view shows now have all arrived.
    bool settled() const;
    // The links of the shown page, once they have arrived.
    const QList<ReaderLink>& links() const { return m_links; }

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
    // A picture asked for: of a page fitted to the view, or of the part of the zoomed page in view.
    struct Asked {
        int page = 0;
        QSize scaledSize;
        QRect clip;
    };

    int pageCount() const;
    // The page's area inside a page-sized slot at the origin, scaled to fit.
    QRectF fittedRect(int page) const;
    // The picture of `page` fitted to the view, asked for when there is none yet.
    const QImage* fitted(int page);
    // The zoomed page's part in view, in device pixels of the page drawn at the zoom.
    Asked zoomedPart() const;
    void askForZoomedPart();
    void onRendered(quint64 ticket, const QImage& image);
    QImage onPaper(const QImage& image) const;
    void dropPictures();
    void askForLinks();
    // Where the shown page is drawn now, zoom and pan included.
    QRectF shownRect() const;
    // The link under `at`, nullptr when there is none.
    const ReaderLink* linkAt(QPointF at) const;
    void dropFarPages();
    void settle(int direction);

    QPointer<ReaderDocument> m_document;
    int m_page = 0;
    qreal m_dragX = 0;
    qreal m_scroll = 0;
    QMargins m_insets;
    bool m_vertical = false;  // the drag under way scrolls the page rather than turning it
    qreal m_zoom = 1.0;
    Paper m_paper = Paper::Day;
    QPointF m_pan;
    QPoint m_pressAt;
    QPoint m_lastAt;
    bool m_pressed = false;
    bool m_moved = false;
    bool m_pinching = false;
    qreal m_pinchStartZoom = 1.0;
    QHash<int, QImage> m_cache;            // fitted pictures by page
    QHash<quint64, Asked> m_asked;         // tickets not answered yet
    QImage m_zoomed;                       // the part in view of the zoomed page
    Asked m_zoomedShows;                   // what m_zoomed is a picture of
    quint64 m_zoomTicket = 0;
    Asked m_zoomAsked;
    QList<ReaderLink> m_links;
    int m_linksPage = -1;
    quint64 m_linksTicket = 0;
    QVariantAnimation* m_animation = nullptr;
};

}  // namespace korvel

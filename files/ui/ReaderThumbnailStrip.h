#pragma once

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QWidget>


namespace korvel {

class ReaderDocument;

// Small pictures of the pages in a row that scrolls with a finger, the current page marked and
// kept in view; a tap chooses a page. Only the pictures near the visible part are kept; they are
// asked of the document's helper after the shown page.
class ReaderThumbnailStrip final : public QWidget {
    Q_OBJECT
public:
    static constexpr int thumbnailHeight = 64;

    explicit ReaderThumbnailStrip(QWidget* parent = nullptr);

    void setDocument(ReaderDocument* document);
    int currentPage() const { return m_current; }
    // Marks `page` and scrolls it into the middle.
    void setCurrentPage(int page);
    // The page whose picture is at `x`, -1 when there is none.
    int pageAt(int x) const;
    int renderedPageCount() const { return int(m_cache.size()); }

    QSize sizeHint() const override;

Q_SIGNALS:
    void pageSelected(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int pageCount() const;
    int slotWidth() const;
    void clampOffset();

    QPointer<ReaderDocument> m_document;
    QHash<quint64, int> m_asked;  // tickets not answered yet, by page
    int m_current = 0;
    qreal m_offset = 0;
    QHash<int, QImage> m_cache;
    QPoint m_pressAt;
    int m_lastX = 0;
    bool m_pressed = false;
    bool m_moved = false;
};

}  // namespace korvel

#pragma once

#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;

namespace korvel {

// One icon of the home screen: image over title. A placeholder shows nothing and lets touches
// through to the grid, so a hidden website's slot behaves like the background.
class HomeIconCell final : public QWidget {
    Q_OBJECT
public:
    HomeIconCell(int tag, QWidget* parent);

    int tag() const { return m_tag; }
    QString titleText() const;
    QImage image() const { return m_image; }
    bool isPlaceholder() const { return m_placeholder; }

    void setContent(const QString& title, const QImage& image, QSize iconSize);
    void makePlaceholder();
    // Dragging moves the cell with the pointer; without it a press and release is a tap.
    void setDraggable(bool draggable) { m_draggable = draggable; }
    // Pinching with two fingers resizes the cell about its centre.
    void setResizable(bool resizable);
    // One step of a pinch (the gesture's scale since the previous step) in the gesture's state.
    void pinch(double scale, Qt::GestureState state);

Q_SIGNALS:
    void tapped(int tag);
    void dragged(int tag);
    void dropped(int tag);
    void resizeStarted(int tag);
    void resized(int tag);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    void setHighlighted(bool highlighted);
    void layoutContent();

    int m_tag;
    bool m_placeholder = false;
    bool m_draggable = false;
    bool m_dragging = false;
    bool m_resizable = false;
    bool m_highlighted = false;
    QRectF m_pinchFrame;  // exact while pinching, so small steps do not round away
    QPoint m_pressPos;
    QString m_title;
    QImage m_image;
    QSize m_iconSize;
    QLabel* m_imageLabel = nullptr;
    QLabel* m_titleLabel = nullptr;
};

}  // namespace korvel

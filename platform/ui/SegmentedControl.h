#pragma once

#include <QStringList>
#include <QWidget>

namespace korvel {

// A row of mutually exclusive choices drawn as one rounded control. Each segment is a full touch
// target high.
class SegmentedControl final : public QWidget {
    Q_OBJECT
public:
    explicit SegmentedControl(const QStringList& segments, QWidget* parent = nullptr);

    QStringList segments() const { return m_segments; }
    // -1 when none is selected.
    int selectedIndex() const { return m_selected; }
    // Out-of-range indexes select nothing. Does not emit.
    void setSelectedIndex(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The person chose another segment.
    void selectionChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF segmentRect(int index) const;

    QStringList m_segments;
    int m_selected = -1;
};

}  // namespace korvel

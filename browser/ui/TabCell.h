#pragma once

#include <QFrame>
#include <QPixmap>

class QLabel;
class QPushButton;

namespace korvel {

// One tab of the strip: the page's icon and label, and a close button. Tapping the cell selects
// its tab; the close button closes it.
class TabCell final : public QFrame {
    Q_OBJECT
public:
    explicit TabCell(QWidget* parent = nullptr);

    void setLabel(const QString& text);
    QString label() const;
    // The page's icon; a null pixmap gives the globe.
    void setIcon(const QPixmap& icon);
    void setCloseButtonVisible(bool visible);
    bool isCloseButtonVisible() const;
    // The selected look (white or the system background) or the unselected one (gray).
    void setSelectedLook(bool selected);
    bool isSelectedLook() const { return m_selected; }
    QPushButton* closeButton() const { return m_close; }

Q_SIGNALS:
    void tapped(TabCell* cell);
    void crossPressedForTabCell(TabCell* cell);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyLook();

    QLabel* m_icon = nullptr;
    QLabel* m_label = nullptr;
    QPushButton* m_close = nullptr;
    QString m_text;
    bool m_selected = false;
};

}  // namespace korvel

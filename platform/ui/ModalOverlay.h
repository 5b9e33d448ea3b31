#pragma once

#include <QPointer>
#include <QWidget>

namespace korvel {

// A layer over the whole window of a widget that dims it and takes every touch, wheel and key
// while it is shown, so nothing under it can be reached. It is a child of that window, never a
// window of its own, so it offers no way to close or leave anything.
class ModalOverlay : public QWidget {
    Q_OBJECT
public:
    ~ModalOverlay() override;

protected:
    explicit ModalOverlay(QWidget* parent = nullptr);

    // Covers the window of `over` (the key window when nullptr) and shows the overlay. Returns
    // false, showing nothing, when there is no window.
    bool cover(QWidget* over);
    // Hides the overlay and gives the focus back to where it was.
    void uncover();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_host;
    QPointer<QWidget> m_previousFocus;
};

}  // namespace korvel

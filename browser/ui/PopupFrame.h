#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QWebEngineView;

namespace korvel {

// What a page's pop-up window is shown in: a translucent black layer over the whole browser window
// that takes every touch beside the pop-up (a tap there does nothing), the pop-up's view 25 pixels
// in from every edge, and a round close button on the view's top-right corner, since a touch screen
// has no other way to close it.
class PopupFrame final : public QWidget {
    Q_OBJECT
public:
    static constexpr int margin = 25;
    static constexpr int closeButtonSide = 50;

    // Lays itself over `browserWindow` and takes `view` into it (the frame owns it from now on).
    PopupFrame(QWebEngineView* view, QWidget* browserWindow);
    ~PopupFrame() override;

    QWebEngineView* view() const { return m_view; }
    QAbstractButton* closeButton() const { return m_close; }
    // Runs over the pop-up while its page loads, whatever "EnableLoadingIcon" says.
    QWidget* spinner() const { return m_spinner; }

Q_SIGNALS:
    // The close button was pressed; the browser window decides what closing means.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void place();

    QPointer<QWebEngineView> m_view;
    QAbstractButton* m_close = nullptr;
    QWidget* m_spinner = nullptr;
};

}  // namespace korvel

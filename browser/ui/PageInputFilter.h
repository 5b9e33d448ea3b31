#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>

#include <functional>

class QTouchEvent;
class QWidget;

namespace korvel {

// Watches the input that reaches a page's widget. It notes when the person last touched, clicked
// or typed (a page's own print call counts only right after), and while zooming is switched off it
// keeps every way of zooming from the page: Ctrl with the wheel, Ctrl with plus, minus or 0, the
// touchpad's pinch, and a pinch on the touch screen (a touch takes only its first finger then).
class PageInputFilter final : public QObject {
    Q_OBJECT
public:
    PageInputFilter(std::function<bool()> zoomAllowed, QObject* parent = nullptr);

    // Starts watching `widget` (the page's widget changes when the engine renews it); watching
    // the same widget again changes nothing.
    void watch(QWidget* widget);
    // What Escape does before the page sees it; the key stops here when `action` says it was used
    // (leaving a page's full screen, as every browser does).
    void setEscapeAction(std::function<bool()> action) { m_escape = std::move(action); }
    // Invalid until the person first reached the page.
    QDateTime lastUserInput() const { return m_lastUserInput; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keepsOneFinger(QObject* watched, QTouchEvent* touch);

    std::function<bool()> m_zoomAllowed;
    std::function<bool()> m_escape;
    QPointer<QWidget> m_watched;
    QDateTime m_lastUserInput;
    int m_finger = -1;  // the touch point a touch keeps while zoom is off
    bool m_forwarding = false;
};

}  // namespace korvel

#include "platform/ui/ModalOverlay.h"

#include "platform/ui/KeyWindow.h"
#include "platform/ui/Theme.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace korvel {

ModalOverlay::ModalOverlay(QWidget* parent)
    : QWidget(parent)
{
    // Keys must reach the overlay (Escape, Return) even when it holds no text field.
    setFocusPolicy(Qt::StrongFocus);
    hide();
}

ModalOverlay::~ModalOverlay()
{
    if (m_host)
        m_host->removeEventFilter(this);
}

bool ModalOverlay::cover(QWidget* over)
{
    QWidget* target = over ? over : keyWindow();
    if (!target)
        return false;
    QWidget* window = target->window();
    if (parentWidget() != window)
        setParent(window);
    if (m_host != window) {
        if (m_host)
            m_host->removeEventFilter(this);
        m_host = window;
        window->installEventFilter(this);
    }
    if (!isVisible()) {
        QWidget* focus = QApplication::focusWidget();
        m_previousFocus = focus && !isAncestorOf(focus) ? focus : nullptr;
    }
    setGeometry(window->rect());
    show();
    raise();
    return true;
}

void ModalOverlay::uncover()
{
    const bool hadFocus = hasFocus() || isAncestorOf(QApplication::focusWidget());
    hide();
    if (hadFocus && m_previousFocus && m_previousFocus->isVisible())
        m_previousFocus->setFocus(Qt::OtherFocusReason);
    m_previousFocus = nullptr;
}

void ModalOverlay::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Theme::current().dim);
}

// Everything that reaches the overlay stops here: nothing under it may see a touch or a key.
void ModalOverlay::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void ModalOverlay::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void ModalOverlay::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void ModalOverlay::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void ModalOverlay::wheelEvent(QWheelEvent* event)
{
    event->accept();
}

void ModalOverlay::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

void ModalOverlay::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
}

// Tab and Backtab go round the overlay's own controls and never out to the window under it.
bool ModalOverlay::focusNextPrevChild(bool next)
{
    // In the window's Tab order, as the screens under it go.
    QList<QWidget*> chain;
    for (QWidget* widget = nextInFocusChain(); widget && widget != this; widget = widget->nextInFocusChain()) {
        if (isAncestorOf(widget) && widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
            chain.append(widget);
    }
    if (chain.isEmpty())
        return true;
    const qsizetype current = chain.indexOf(QApplication::focusWidget());
    qsizetype following = 0;
    if (current >= 0)
        following = (current + (next ? 1 : chain.size() - 1)) % chain.size();
    else if (!next)
        following = chain.size() - 1;
    chain.at(following)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool ModalOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_host && event->type() == QEvent::Resize)
        setGeometry(m_host->rect());
    return QWidget::eventFilter(watched, event);
}

}  // namespace korvel

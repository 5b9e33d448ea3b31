#include "app/ui/KVMainWindow.h"

#include "platform/ui/NavigationStack.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace korvel {

KVMainWindow::KVMainWindow(QWidget* parent)
    : QWidget(parent)
    , m_stack(new NavigationStack(this))
{
    setWindowTitle(QStringLiteral("Korvel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    // Keys that leave or shrink a window are caught before any widget sees them.
    qApp->installEventFilter(this);
}

void KVMainWindow::showForKiosk(bool fullScreen)
{
    m_fullScreen = fullScreen;
    if (m_statusBar)
        m_statusBar->setVisible(!fullScreen);
    if (fullScreen)
        showFullScreen();
    else
        showMaximized();
}

void KVMainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void KVMainWindow::setStatusBar(QWidget* bar)
{
    delete m_statusBar;
    m_statusBar = bar;
    if (!bar)
        return;
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, bar);
    bar->setVisible(isVisible() && !m_fullScreen);
}

bool KVMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool altF4 = key->key() == Qt::Key_F4 && (key->modifiers() & Qt::AltModifier);
        const bool closeKeys = key->matches(QKeySequence::Close) || key->matches(QKeySequence::Quit)
                               || key->matches(QKeySequence::FullScreen);
        if (altF4 || closeKeys || key->key() == Qt::Key_F11)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void KVMainWindow::changeEvent(QEvent* event)
{
    // A window manager that minimises the window anyway gets it back at once.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        showForKiosk(m_fullScreen);
    QWidget::changeEvent(event);
}

}  // namespace korvel

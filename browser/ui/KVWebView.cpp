#include "browser/ui/KVWebView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWebEnginePage>

namespace korvel {

KVWebView::KVWebView(QWidget* parent)
    : QWebEngineView(parent)
{
}

QList<QAction*> KVWebView::contextActions() const
{
    if (!page() || !m_copyPasteAllowed || !m_copyPasteAllowed())
        return {};
    return {page()->action(QWebEnginePage::Cut), page()->action(QWebEnginePage::Copy),
            page()->action(QWebEnginePage::Paste), page()->action(QWebEnginePage::SelectAll)};
}

void KVWebView::contextMenuEvent(QContextMenuEvent* event)
{
    const QList<QAction*> actions = contextActions();
    event->accept();
    if (actions.isEmpty())
        return;
    QMenu menu(this);
    menu.addActions(actions);
    menu.exec(event->globalPos());
}

}  // namespace korvel

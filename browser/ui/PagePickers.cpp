#include "browser/ui/PagePickers.h"

#include "browser/PopupPlacement.h"
#include "browser/ui/ColorPicker.h"

#include <QApplication>
#include <QColorDialog>
#include <QEvent>
#include <QPointer>
#include <QWebEngineView>

namespace korvel {

namespace {

void answerFromPicker(QColorDialog* dialog)
{
    QPointer<QColorDialog> asked(dialog);
    auto* picker = new ColorPicker(dialog->currentColor(), [asked](std::optional<QColor> color) {
        if (!asked)
            return;
        // The engine listens to these two signals and deletes the dialog (later) on either. They are
        // sent directly: QDialog's accept() and reject() would change its modality on the way, which
        // puts it back on the list of modal windows.
        if (color) {
            asked->setCurrentColor(*color);
            Q_EMIT asked->colorSelected(*color);
        } else {
            Q_EMIT asked->rejected();
        }
    });
    // The dialog going first (its page or view closed) takes the question with it.
    QObject::connect(dialog, &QObject::destroyed, picker, &ColorPicker::cancel);
    QWidget* over = dialog->parentWidget();
    if (!over || !picker->showOver(over))
        delete picker;  // no window to show in: answers Cancel
}

// The list of a <select> and the date picker are the engine's own windows (Qt::Popup) beside the
// page's view, placed against the screen's edges: one that would reach out of the kiosk window is
// moved back into it.
void keepPagePopupInside(QWidget* widget)
{
    if (!widget->isWindow() || widget->windowType() != Qt::Popup || !qobject_cast<QWebEngineView*>(widget->parentWidget()))
        return;
    const QRect inside = PopupPlacement::keepInside(widget->geometry(), widget->parentWidget()->window()->geometry());
    if (inside != widget->geometry())
        widget->setGeometry(inside);
}

}  // namespace

void PagePickers::install()
{
    static PagePickers* filter = nullptr;
    if (filter)
        return;
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    filter = new PagePickers(qApp);
    qApp->installEventFilter(filter);
}

bool PagePickers::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) && watched->isWidgetType())
        keepPagePopupInside(static_cast<QWidget*>(watched));
    if (type == QEvent::Show) {
        auto* dialog = qobject_cast<QColorDialog*>(watched);
        if (dialog && dialog->isWindow() && !dialog->testAttribute(Qt::WA_DontShowOnScreen)) {
            // The show event comes before the window is mapped (QWidget sends it first): the dialog
            // never reaches the screen. Shown as a window-modal dialog it still blocks the kiosk
            // window, so it is hidden again at once; QWidget's own setVisible() takes it off Qt's
            // list of modal windows, where QDialog's would leave it (Qt 6.4). Its answer is given by
            // the signals the engine listens to.
            dialog->setAttribute(Qt::WA_DontShowOnScreen);
            QMetaObject::invokeMethod(dialog, [dialog] {
                dialog->QWidget::setVisible(false);
                answerFromPicker(dialog);
            }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korvel

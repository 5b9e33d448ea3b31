#include "tests/support/ScreenAudit.h"

#include "platform/ui/TableView.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QWidget>

namespace korvel::test {

namespace {

constexpr int finger = 50;

QString describe(const QWidget* widget, const QString& text)
{
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        name += QLatin1Char('#') + widget->objectName();
    return name + QStringLiteral(" \"") + text.left(40) + QLatin1Char('"');
}

// Inside a scroll area a widget may lie beyond the window's edge on purpose.
bool scrolls(const QWidget* widget)
{
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QScrollArea*>(w))
            return true;
    }
    return false;
}

}  // namespace

bool looksLikeKey(const QString& text)
{
    static const QRegularExpression key(QStringLiteral("^[A-Z][A-Z0-9_]+$"));
    return key.match(text).hasMatch() && text != QLatin1String("OK");
}

QStringList auditScreen(QWidget* window)
{
    QStringList problems;
    const QRect bounds = window->rect();
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    for (QWidget* widget : all) {
        if (!widget->isVisibleTo(window) || widget->size().isEmpty())
            continue;
        const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
            if (!text.isEmpty() && label->pixmap().isNull()) {
                const QRect needed = label->fontMetrics().boundingRect(
                    label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), text);
                if (needed.width() > label->contentsRect().width() + 1 || needed.height() > label->contentsRect().height() + 1)
                    problems << QStringLiteral("clipped text: ") + describe(widget, text);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
            // The clear button inside a text field is part of the field's own target.
            if (!qobject_cast<QLineEdit*>(button->parentWidget()) && (button->height() < finger || button->width() < finger))
                problems << QStringLiteral("touch target %1x%2: ").arg(button->width()).arg(button->height()) + describe(widget, text);
            if (!text.isEmpty()
                && button->fontMetrics().horizontalAdvance(text) > button->width() - (button->icon().isNull() ? 0 : 8))
                problems << QStringLiteral("clipped text: ") + describe(widget, text);
        } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            text = field->placeholderText();
            if (field->height() < 44)
                problems << QStringLiteral("text field %1 high: ").arg(field->height()) + describe(widget, text);
        } else if (auto* cell = qobject_cast<TableCell*>(widget)) {
            if (cell->height() < finger)
                problems << QStringLiteral("row %1 high: ").arg(cell->height()) + describe(widget, cell->row().title);
        }
        // Section headers are capitals by design ("HISTORY"); there only a key's underscore gives it away.
        const bool header = widget->objectName() == QLatin1String("sectionHeader");
        if (looksLikeKey(text) && (!header || text.contains(QLatin1Char('_'))))
            problems << QStringLiteral("raw key: ") + describe(widget, text);
        if (!scrolls(widget) && !bounds.contains(inWindow) && (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)))
            problems << QStringLiteral("outside the window: ") + describe(widget, text);
    }
    return problems;
}

}  // namespace korvel::test

#include "platform/ui/Accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace korvel {

namespace {

constexpr char kRole[] = "korvelAccessibleRole";
constexpr char kChecked[] = "korvelAccessibleChecked";
constexpr char kValue[] = "korvelAccessibleValue";

// A control we paint ourselves: its role comes from the widget, its press is a Space key, which
// the widget already answers for the keyboard.
class MarkedControl final : public QAccessibleWidget {
public:
    MarkedControl(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return widget()->property(kValue).toString();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const QVariant checked = widget()->property(kChecked);
        if (checked.isValid()) {
            s.checkable = true;
            s.checked = checked.toBool();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        QPointer<QWidget> target = widget();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(target, &press);
        if (target) {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(target, &release);
        }
    }
};

QAccessibleInterface* markedControlFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(kRole);
    return role.isValid() ? new MarkedControl(widget, QAccessible::Role(role.toInt())) : nullptr;
}

class ControlFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            // A field with no title of its own is named by the hint it shows while empty.
            if (auto* field = qobject_cast<QLineEdit*>(watched); field && field->accessibleName().isEmpty())
                field->setAccessibleName(field->placeholderText());
        } else if (event->type() == QEvent::Polish) {
            if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
                // A tap leaves the focus where it was (a field keeps its keyboard); Tab reaches
                // every button, and only then does its focus ring show.
                button->setFocusPolicy(Qt::TabFocus);
                if (button->text().trimmed().isEmpty() && button->accessibleName().isEmpty() && !button->toolTip().isEmpty())
                    button->setAccessibleName(button->toolTip());
            }
        } else if (event->type() == QEvent::KeyPress) {
            // Enter presses the focused button too: switch devices often send Enter, not Space.
            auto* key = static_cast<QKeyEvent*>(event);
            auto* button = qobject_cast<QAbstractButton*>(watched);
            if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier
                && button->isEnabled() && button->hasFocus()) {
                button->animateClick();
                return true;
            }
        }
        return false;
    }
};

}  // namespace

void Accessibility::install(QApplication& application)
{
    static bool factoryInstalled = false;
    if (!factoryInstalled) {
        QAccessible::installFactory(markedControlFactory);
        factoryInstalled = true;
    }
    static QPointer<ControlFilter> filter;
    if (!filter) {
        filter = new ControlFilter(&application);
        application.installEventFilter(filter);
    }
}

void Accessibility::markControl(QWidget* widget, QAccessible::Role role, const QString& name)
{
    widget->setProperty(kRole, int(role));
    // An interface made before the role was known (an event while the widget was being built)
    // is cached by Qt; it is replaced, so the role is what every later query sees.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget); made && !dynamic_cast<MarkedControl*>(made)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        QAccessible::queryAccessibleInterface(widget);
    }
    widget->setAccessibleName(name);
    if (widget->focusPolicy() == Qt::NoFocus)
        widget->setFocusPolicy(Qt::TabFocus);
}

void Accessibility::tabInOrder(const QList<QWidget*>& widgets)
{
    QWidget* before = nullptr;
    for (QWidget* widget : widgets) {
        if (!widget)
            continue;
        if (qobject_cast<QAbstractButton*>(widget) && widget->focusPolicy() == Qt::NoFocus)
            widget->setFocusPolicy(Qt::TabFocus);
        // Qt ignores a pair with a widget that takes no focus: the others are linked past it, or
        // they would keep the order they were made in.
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (before)
            QWidget::setTabOrder(before, widget);
        before = widget;
    }
}

void Accessibility::setChecked(QWidget* widget, bool checked)
{
    if (widget->property(kChecked).toBool() == checked && widget->property(kChecked).isValid())
        return;
    widget->setProperty(kChecked, checked);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

void Accessibility::setValue(QWidget* widget, const QString& value)
{
    widget->setProperty(kValue, value);
    QAccessibleValueChangeEvent event(widget, value);
    QAccessible::updateAccessibility(&event);
}

}  // namespace korvel

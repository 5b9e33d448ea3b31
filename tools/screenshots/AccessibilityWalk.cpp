#include "tools/screenshots/AccessibilityWalk.h"

#include "browser/ui/BrowserToolbar.h"
#include "browser/ui/HomeIconCell.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QWebEngineView>
#include <QWidget>

namespace korvel {

namespace {

// The roles a person acts on: each needs a name that says what it does.
bool controlRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ListItem:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::PageTab:
    case QAccessible::PageTabList:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Link:
        return true;
    default:
        return false;
    }
}

// Widgets a finger can use, whatever they say of themselves.
bool usedByFinger(const QWidget* w)
{
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QSlider*>(w)
        || qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const SegmentedControl*>(w))
        return true;
    if (const auto* cell = qobject_cast<const TableCell*>(w))
        return cell->row().accessory == Accessory::Disclosure || cell->row().accessory == Accessory::Checkmark;
    if (const auto* icon = qobject_cast<const HomeIconCell*>(w))
        return !icon->isPlaceholder();
    return false;
}

QString describe(const QWidget* w)
{
    QString name = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty())
        name += QLatin1Char('#') + w->objectName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty())
        name += QStringLiteral(" \"%1\"").arg(button->text());
    if (!w->toolTip().isEmpty())
        name += QStringLiteral(" (tooltip \"%1\")").arg(w->toolTip());
    return name;
}

QString roleName(QAccessible::Role role)
{
    return QString::number(int(role), 16).prepend(QStringLiteral("0x"));
}

void walk(QAccessibleInterface* node, const QString& screen, QStringList& found)
{
    if (!node || !node->isValid() || node->state().invisible)
        return;
    auto* widget = qobject_cast<QWidget*>(node->object());
    // What a web page shows belongs to the website; the engine gives it its own tree.
    if (qobject_cast<QWebEngineView*>(widget))
        return;
    if (widget && widget->isVisible()) {
        const QAccessible::Role role = node->role();
        const QString name = node->text(QAccessible::Name).trimmed();
        if (controlRole(role) && name.isEmpty())
            found << QStringLiteral("%1: %2: no accessible name").arg(screen, describe(widget));
        if (usedByFinger(widget) && !controlRole(role))
            found << QStringLiteral("%1: %2: role %3 is no control").arg(screen, describe(widget), roleName(role));
        if (controlRole(role) && widget->isEnabled() && !node->state().focusable && !node->state().readOnly)
            found << QStringLiteral("%1: %2: the keyboard cannot reach it").arg(screen, describe(widget));
        if (const auto* icon = qobject_cast<const HomeIconCell*>(widget); icon && !icon->isPlaceholder() && name != icon->titleText())
            found << QStringLiteral("%1: %2: named \"%3\", not after its website \"%4\"").arg(screen, describe(widget), name, icon->titleText());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
            button && qobject_cast<const BrowserToolbar*>(widget->parentWidget()) && name != button->text())
            found << QStringLiteral("%1: %2: named \"%3\", not after its action").arg(screen, describe(widget), name);
    }
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), screen, found);
}

}  // namespace

QStringList AccessibilityWalk::offenders(const QString& screen)
{
    QStringList found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowOpacity() == 0)
            continue;
        walk(QAccessible::queryAccessibleInterface(window), screen, found);
    }
    return found;
}

}  // namespace korvel

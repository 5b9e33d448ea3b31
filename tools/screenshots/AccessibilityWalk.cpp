#include "tools/screenshots/AccessibilityWalk.h"

#include "browser/ui/BrowserToolbar.h"
#include "browser/ui/HomeIconCell.h"
#include "platform/ui/ModalOverlay.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QWebEngineView>
#include <QWidget>

#include <algorithm>

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

// What the Tab key can reach now: under a sheet or an alert only what is in it.
QWidget* tabScope(QWidget* window)
{
    QWidget* scope = window;
    for (QObject* child : window->children()) {
        auto* overlay = qobject_cast<ModalOverlay*>(child);
        if (overlay && overlay->isVisible())
            scope = overlay;  // the later child lies on top
    }
    return scope;
}

// Rows of a screen differ by more than this; within it two controls stand on one line.
constexpr int lineTolerance = 8;

// Whether `b` comes before `a` as the screen is read: a line higher up, or on the same line nearer
// the start (the left, or the right when the screen runs right to left).
bool readBefore(const QRect& b, const QRect& a, bool rtl)
{
    if (b.bottom() < a.top() + lineTolerance)
        return true;
    if (a.bottom() < b.top() + lineTolerance)
        return false;
    // On one line: a control within another (a row's switch) is read after it.
    if (b.contains(a))
        return true;
    if (a.contains(b))
        return false;
    return rtl ? b.center().x() > a.center().x() + lineTolerance : b.center().x() < a.center().x() - lineTolerance;
}

// The Tab key walks the focus chain; that walk must follow the screen as it is read. The chain is
// a ring: it is read from the control that comes first on the screen.
void tabOrder(QWidget* window, const QString& screen, QStringList& found)
{
    QWidget* scope = tabScope(window);
    QList<QWidget*> chain;
    QList<QRect> places;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible() || w->size().isEmpty()
            || (scope != window && !scope->isAncestorOf(w)) || w->focusProxy())
            continue;
        bool web = false;
        for (const QWidget* p = w->parentWidget(); p && !web; p = p->parentWidget())
            web = qobject_cast<const QWebEngineView*>(p) != nullptr;
        // The home screen's icons stand where the administrator placed them, in one frame for
        // both directions: right to left they are not mirrored yet, and their Tab order is their
        // order on the home screen.
        if (web || (window->isRightToLeft() && qobject_cast<const HomeIconCell*>(w)))
            continue;
        // A list is read from its beginning, however far it is scrolled.
        QPoint at = w->mapTo(window, QPoint(0, 0));
        for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
            if (const auto* area = qobject_cast<const QAbstractScrollArea*>(p))
                at.ry() += area->verticalScrollBar()->value();
        }
        chain << w;
        places << QRect(at, w->size());
    }
    if (chain.size() < 2)
        return;
    const bool rtl = window->isRightToLeft();
    qsizetype first = 0;
    for (qsizetype i = 1; i < chain.size(); ++i) {
        if (readBefore(places.at(i), places.at(first), rtl))
            first = i;
    }
    for (qsizetype step = 0; step + 1 < chain.size(); ++step) {
        const qsizetype from = (first + step) % chain.size();
        const qsizetype to = (first + step + 1) % chain.size();
        if (readBefore(places.at(to), places.at(from), rtl))
            found << QStringLiteral("%1: %2 at %3,%4: Tab goes on to %5 at %6,%7, which is read before it")
                         .arg(screen, describe(chain.at(from)))
                         .arg(places.at(from).x())
                         .arg(places.at(from).y())
                         .arg(describe(chain.at(to)))
                         .arg(places.at(to).x())
                         .arg(places.at(to).y());
    }
}

}  // namespace

QStringList AccessibilityWalk::offenders(const QString& screen)
{
    QStringList found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowOpacity() == 0)
            continue;
        walk(QAccessible::queryAccessibleInterface(window), screen, found);
        tabOrder(window, screen, found);
    }
    return found;
}

}  // namespace korvel

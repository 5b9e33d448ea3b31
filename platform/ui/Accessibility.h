#pragma once

#include <QAccessible>
#include <QList>

class QApplication;
class QWidget;

namespace korvel {

// What assistive technology and a keyboard or switch device need from every control, given in
// one place so that screens do not each repeat it:
// - a button that shows no text is named after its tooltip;
// - buttons that do not take the focus on a tap (so a tap never takes the focus from a field)
//   are still reached with Tab, and Enter presses a focused button as Space does;
// - our own painted controls (home icons, table rows, segmented controls) say what they are
//   through markControl() and are pressed through the accessibility action like a Space key.
struct Accessibility {
    // Installs the factory and the event filter on the application. Safe to call more than once.
    static void install(QApplication& application);
    // Gives a widget painted by us a role and a name; a role of a control makes it reachable
    // with Tab. The widget activates on a Space key press (which the press action sends).
    static void markControl(QWidget* widget, QAccessible::Role role, const QString& name);
    // The checked state a check box or radio-button role reports.
    static void setChecked(QWidget* widget, bool checked);
    // The current value a control reports (the chosen segment, for example).
    static void setValue(QWidget* widget, const QString& value);
    // Puts the widgets one after another in the Tab order, as they are shown. A button is made
    // reachable with Tab first, as it will be when shown; other widgets that take no focus are
    // passed over (Qt keeps no order for them).
    static void tabInOrder(const QList<QWidget*>& widgets);
};

}  // namespace korvel

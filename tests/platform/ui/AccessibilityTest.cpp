#include "platform/ui/Accessibility.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ToggleSwitch.h"
#include "tests/support/WindowTest.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using namespace korvel;

namespace {

class AccessibilityTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        test::WindowTest::SetUp();
        Accessibility::install(*qApp);
    }
};

// The widget assistive technology speaks of for a row: the row itself, or the control it holds.
QWidget* spokenWidget(TableCell* cell)
{
    if (auto* toggle = cell->findChild<ToggleSwitch*>())
        return toggle;
    if (auto* field = cell->findChild<QLineEdit*>())
        return field;
    if (auto* segments = cell->findChild<SegmentedControl*>())
        return segments;
    if (auto* slider = cell->findChild<QSlider*>())
        return slider;
    return cell;
}

}  // namespace

TEST_F(AccessibilityTest, EveryKindOfRowIsAControlNamedByItsTitleThatTheKeyboardReaches)
{
    struct Case {
        Accessory accessory;
        QAccessible::Role role;
    };
    const Case cases[] = {{Accessory::None, QAccessible::ListItem},      {Accessory::Disclosure, QAccessible::Button},
                          {Accessory::Checkmark, QAccessible::RadioButton}, {Accessory::Switch, QAccessible::CheckBox},
                          {Accessory::TextField, QAccessible::EditableText}, {Accessory::Segmented, QAccessible::PageTabList},
                          {Accessory::Slider, QAccessible::Slider}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.accessory));
        TableRow row;
        row.title = QStringLiteral("Allow Pop-ups");
        row.accessory = c.accessory;
        row.segments = {QStringLiteral("Off"), QStringLiteral("On")};
        row.selectedSegment = 1;
        row.checked = true;
        auto* cell = new TableCell(row, window.get());
        cell->show();
        QWidget* spoken = spokenWidget(cell);
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(spoken);
        ASSERT_TRUE(node);
        EXPECT_EQ(node->role(), c.role);
        EXPECT_EQ(node->text(QAccessible::Name), row.title);
        EXPECT_NE(spoken->focusPolicy() & Qt::TabFocus, 0);
        if (c.accessory == Accessory::Checkmark) {
            EXPECT_TRUE(node->state().checked);
            cell->setChecked(false);
            EXPECT_FALSE(node->state().checked);
        }
        if (c.accessory == Accessory::Segmented)
            EXPECT_EQ(node->text(QAccessible::Value), QStringLiteral("On"));
    }
}

TEST_F(AccessibilityTest, KeysPressWhatAFingerTaps)
{
    // Space and Enter press a row or a switch row; the accessibility press does the same.
    for (const Accessory accessory : {Accessory::Disclosure, Accessory::Switch}) {
        TableRow row;
        row.title = QStringLiteral("Downloads");
        row.accessory = accessory;
        auto* cell = new TableCell(row, window.get());
        cell->show();
        const bool toggles = accessory == Accessory::Switch;
        QSignalSpy presses(cell, toggles ? SIGNAL(switchToggled(bool)) : SIGNAL(tapped()));
        QTest::keyClick(cell, Qt::Key_Space);
        QTest::keyClick(cell, Qt::Key_Return);
        QWidget* spoken = toggles ? static_cast<QWidget*>(cell->findChild<ToggleSwitch*>()) : cell;
        QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(spoken)->actionInterface();
        actions->doAction(toggles ? QAccessibleActionInterface::toggleAction() : QAccessibleActionInterface::pressAction());
        EXPECT_EQ(presses.size(), 3);
        if (accessory == Accessory::Switch)
            EXPECT_TRUE(cell->findChild<ToggleSwitch*>()->isChecked());
    }
    // Arrows choose among segments, in reading order, and say so.
    SegmentedControl segments({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, window.get());
    QSignalSpy chosen(&segments, &SegmentedControl::selectionChanged);
    segments.setSelectedIndex(0);
    QTest::keyClick(&segments, Qt::Key_Right);
    QTest::keyClick(&segments, Qt::Key_Right);
    QTest::keyClick(&segments, Qt::Key_Right);
    EXPECT_EQ(segments.selectedIndex(), 2);
    segments.setLayoutDirection(Qt::RightToLeft);
    QTest::keyClick(&segments, Qt::Key_Right);
    EXPECT_EQ(segments.selectedIndex(), 1);
    EXPECT_EQ(chosen.size(), 3);
}

TEST_F(AccessibilityTest, ButtonsAreReachedByTabNotTakenByATapAndPressedByEnter)
{
    auto* field = new QLineEdit(window.get());
    field->setPlaceholderText(QStringLiteral("Search"));
    auto* icon = new QToolButton(window.get());
    icon->setToolTip(QStringLiteral("Close"));
    icon->setFocusPolicy(Qt::NoFocus);
    field->show();
    icon->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(icon)->text(QAccessible::Name), QStringLiteral("Close"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name), QStringLiteral("Search"));
    field->setFocus();
    QTest::mouseClick(icon, Qt::LeftButton);
    EXPECT_TRUE(field->hasFocus());
    QSignalSpy clicks(icon, &QToolButton::clicked);
    icon->setFocus(Qt::TabFocusReason);
    QTest::keyClick(icon, Qt::Key_Return);
    EXPECT_TRUE(clicks.wait(1000));
}

// The order holds whatever order the widgets were made in, also past a widget that takes no focus
// (a tab's cell, made before the strip's first stop, around its close button).
TEST_F(AccessibilityTest, TabInOrderLinksTheFocusableWidgetsPastOnesThatTakeNone)
{
    auto* cell = new QWidget(window.get());
    auto* close = new QToolButton(cell);
    close->setFocusPolicy(Qt::NoFocus);
    auto* first = new QLineEdit(window.get());
    auto* second = new QToolButton(window.get());
    auto* other = new QLineEdit(window.get());
    Accessibility::tabInOrder({first, cell, close, second});
    const auto nextStop = [](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus);
        return w;
    };
    EXPECT_EQ(nextStop(first), close);
    EXPECT_EQ(nextStop(close), second);
    EXPECT_EQ(nextStop(second), other) << "what was not ordered keeps its place";
}

#include "platform/ui/ActionSheet.h"
#include "platform/ui/Alert.h"
#include "tests/support/WindowTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace std::chrono_literals;
using korvel::ActionSheet;
using korvel::Alert;

namespace {

class AlertTest : public korvel::test::WindowTest {
protected:
    // The password prompt: a secure field, "Cancel" (0) and "OK" (1), each recording its press.
    Alert* prompt()
    {
        auto* alert = new Alert(QStringLiteral("Korvel"), QStringLiteral("Enter password to enter settings."));
        alert->addTextField(QStringLiteral("Password"), Alert::TextEntry::Secure);
        alert->addButton(QStringLiteral("Cancel"), Alert::Role::Cancel, [this](Alert&) { pressed << QStringLiteral("Cancel"); });
        alert->addButton(QStringLiteral("OK"), Alert::Role::Default, [this](Alert& a) { pressed << QStringLiteral("OK:") + a.textFieldText(0); });
        return alert;
    }

    QStringList pressed;
};

}  // namespace

TEST_F(AlertTest, EachWayOfPressingRunsOneActionOnce)
{
    const std::pair<const char*, std::function<void(Alert*)>> ways[] = {
        {"click OK", [](Alert* a) { a->button(1)->click(); }},
        {"Escape is Cancel", [](Alert* a) { QTest::keyClick(a->textField(0), Qt::Key_Escape); }},
        {"Return is the only default button", [](Alert* a) { QTest::keyClick(a->textField(0), Qt::Key_Return); }},
        {"dismissWithButton", [](Alert* a) { a->dismissWithButton(0); }},
        {"dismiss runs nothing", [](Alert* a) { a->dismiss(); }},
    };
    const QStringList expected[] = {{"OK:"}, {"Cancel"}, {"OK:"}, {"Cancel"}, {}};
    const int indexes[] = {1, 0, 1, 0, -1};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(ways[i].first);
        pressed.clear();
        QPointer<Alert> alert = prompt();
        QSignalSpy finished(alert.data(), &Alert::finished);
        ASSERT_TRUE(alert->showOver(window.get()));
        EXPECT_EQ(Alert::visibleAlert(), alert);
        ways[i].second(alert);
        EXPECT_EQ(pressed, expected[i]);
        EXPECT_EQ(Alert::visibleAlert(), nullptr);
        EXPECT_FALSE(alert->isVisible());
        ASSERT_EQ(finished.count(), 1);
        EXPECT_EQ(finished.at(0).at(0).toInt(), indexes[i]);
        // A second press of a gone alert does nothing.
        alert->button(1)->click();
        alert->dismissWithButton(0);
        EXPECT_EQ(pressed, expected[i]);
        flushDeletes();
        EXPECT_FALSE(alert);
    }
}

TEST_F(AlertTest, TheActionReadsTheTextFields)
{
    Alert* alert = prompt();
    alert->addTextField(QStringLiteral("Login"), Alert::TextEntry::Plain, QStringLiteral("admin"));
    alert->showOver(window.get());
    EXPECT_EQ(alert->textField(0)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(alert->textField(0)->placeholderText(), QStringLiteral("Password"));
    EXPECT_EQ(alert->textField(1)->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(alert->textField(2), nullptr);
    QTest::keyClicks(alert->textField(0), QStringLiteral("9246"));
    QTest::keyClick(alert->textField(0), Qt::Key_Return);
    EXPECT_EQ(pressed, QStringList{"OK:9246"});
}

TEST_F(AlertTest, AutoDismissCountsMockTimeOnScreenAndActsAsTheGivenButton)
{
    struct Case {
        int button;
        QStringList expected;
    };
    for (const Case& c : {Case{0, {"Cancel"}}, Case{-1, {}}}) {
        pressed.clear();
        Alert* alert = prompt();
        alert->setAutoDismiss(10s, c.button);
        alert->showOver(window.get());
        clock.advance(9s);
        alert->setAutoDismiss(10s, c.button);  // a touch restarts the count
        clock.advance(9900ms);
        EXPECT_EQ(Alert::visibleAlert(), alert);
        clock.advance(100ms);
        EXPECT_EQ(Alert::visibleAlert(), nullptr);
        EXPECT_EQ(pressed, c.expected);
    }
}

TEST_F(AlertTest, OneAlertAtATimeTheOthersWaitInOrder)
{
    Alert* first = prompt();
    auto* waiting = new Alert(QStringLiteral("ERROR"), QStringLiteral("External URL not Allowed "));
    waiting->setAutoDismiss(5s);
    auto* last = new Alert(QStringLiteral("Alert"));
    ASSERT_TRUE(first->showOver(window.get()));
    ASSERT_TRUE(waiting->showOver(window.get()));
    ASSERT_TRUE(last->showOver(window.get()));
    EXPECT_TRUE(waiting->isWaiting());
    EXPECT_FALSE(waiting->isVisible());

    // The waiting alert's five seconds start when it appears.
    clock.advance(6s);
    // An alert shown from an action goes before the older waiting ones.
    Alert* reply = nullptr;
    first->addButton(QStringLiteral("Retry"), Alert::Role::Default, [&](Alert&) {
        reply = new Alert(QStringLiteral("Textfield cannot be empty"));
        reply->showOver(window.get());
    });
    first->dismissWithButton(first->buttonIndex(QStringLiteral("Retry")));
    EXPECT_EQ(Alert::visibleAlert(), reply);

    Alert::visibleAlert()->dismiss();
    EXPECT_EQ(Alert::visibleAlert(), waiting);
    clock.advance(4900ms);
    EXPECT_EQ(Alert::visibleAlert(), waiting);
    clock.advance(100ms);
    EXPECT_EQ(Alert::visibleAlert(), last);
    EXPECT_TRUE(last->isVisible());
}

TEST_F(AlertTest, AWaitingAlertWhoseWindowWentIsSkipped)
{
    auto other = std::make_unique<QWidget>();
    other->show();
    Alert* first = prompt();
    first->showOver(window.get());
    QPointer<Alert> orphan = new Alert(QStringLiteral("gone"));
    orphan->showOver(other.get());
    auto* next = new Alert(QStringLiteral("next"));
    next->showOver(window.get());
    other.reset();
    EXPECT_FALSE(orphan);
    first->dismiss();
    EXPECT_EQ(Alert::visibleAlert(), next);
}

TEST_F(AlertTest, NothingUnderAnAlertCanBeReachedAndNothingCloses)
{
    auto* underneath = new QPushButton(QStringLiteral("page"), window.get());
    underneath->setGeometry(10, 10, 100, 40);
    underneath->show();
    const QWidgetList windows = QApplication::topLevelWidgets();
    auto* alert = new Alert(QStringLiteral("Alert"), QStringLiteral("Application is not available. Please install."));
    alert->addButton(QStringLiteral("Ok"));
    alert->showOver(underneath);

    EXPECT_EQ(alert->parentWidget(), window.get());
    EXPECT_EQ(alert->geometry(), window->rect());
    QWidget* hit = window->childAt(underneath->geometry().center());
    EXPECT_TRUE(hit == alert || alert->isAncestorOf(hit));
    EXPECT_EQ(QApplication::topLevelWidgets(), windows);  // an overlay, not a dialog window

    // Without a cancel button Escape does nothing at all; the alert and the window stay.
    QTest::keyClick(alert, Qt::Key_Escape);
    EXPECT_EQ(Alert::visibleAlert(), alert);
    EXPECT_TRUE(window->isVisible());

    // Tab goes round the alert's own controls, never to the page under it.
    QApplication::setActiveWindow(window.get());
    alert->button(0)->setFocus();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(alert->isAncestorOf(QApplication::focusWidget()));
    }

    window->resize(1024, 768);
    EXPECT_EQ(alert->geometry(), window->rect());
}

TEST_F(AlertTest, AnActionSheetPicksOneActionAndCancelsBesideIt)
{
    const std::pair<const char*, std::function<void(ActionSheet*)>> ways[] = {
        {"tap Refresh", [](ActionSheet* s) { s->button(s->buttonIndex(QStringLiteral("TEXT_REFRESH")))->click(); }},
        {"touch beside", [](ActionSheet* s) { QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(5, 5)); }},
        {"Escape", [](ActionSheet* s) { QTest::keyClick(s, Qt::Key_Escape); }},
    };
    const QString expected[] = {QStringLiteral("Refresh"), QStringLiteral("Cancel"), QStringLiteral("Cancel")};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(ways[i].first);
        QStringList picked;
        auto* sheet = new ActionSheet(QStringLiteral("TEXT_KORVEL_MENU"));
        sheet->addButton(QStringLiteral("TEXT_CANCEL"), Alert::Role::Cancel, [&](Alert&) { picked << QStringLiteral("Cancel"); });
        sheet->addButton(QStringLiteral("TEXT_HOME"), Alert::Role::Default, [&](Alert&) { picked << QStringLiteral("Home"); });
        sheet->addButton(QStringLiteral("TEXT_REFRESH"), Alert::Role::Default, [&](Alert&) { picked << QStringLiteral("Refresh"); });
        sheet->showOver(window.get());
        EXPECT_EQ(Alert::visibleAlert(), sheet);
        // Added first, shown last.
        EXPECT_GT(sheet->button(0)->mapTo(sheet, QPoint()).y(), sheet->button(2)->mapTo(sheet, QPoint()).y());
        ways[i].second(sheet);
        EXPECT_EQ(picked, QStringList{expected[i]});
        EXPECT_EQ(Alert::visibleAlert(), nullptr);
    }
}

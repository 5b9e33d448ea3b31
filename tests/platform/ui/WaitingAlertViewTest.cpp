#include "platform/ui/Alert.h"
#include "platform/ui/WaitingAlertView.h"
#include "tests/support/WindowTest.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>

using korvel::Alert;
using korvel::WaitingAlertView;

namespace {
class WaitingAlertViewTest : public korvel::test::WindowTest {};
}  // namespace

TEST_F(WaitingAlertViewTest, ShowsTextAndProgressUntilDismissed)
{
    auto* waiting = new WaitingAlertView;
    ASSERT_TRUE(waiting->showOver(window.get(), QStringLiteral("Importing..")));
    EXPECT_TRUE(waiting->isVisible());
    EXPECT_EQ(waiting->geometry(), window->rect());
    EXPECT_EQ(waiting->findChild<QLabel*>()->text(), QStringLiteral("Importing.."));
    auto* bar = waiting->findChild<QProgressBar*>();
    EXPECT_FALSE(waiting->progress().has_value());
    EXPECT_EQ(bar->maximum(), 0);  // busy until a progress is known

    const std::pair<double, double> values[] = {{0.3, 0.3}, {0.75, 0.75}, {1.7, 1.0}, {-0.5, 0.0}, {1.0, 1.0}};
    for (const auto& [given, shown] : values) {
        waiting->setProgress(given);
        EXPECT_EQ(waiting->progress(), shown);
        EXPECT_EQ(bar->value(), int(shown * bar->maximum()));
    }

    // Escape does not end the wait; only the one who started it can.
    QTest::keyClick(waiting, Qt::Key_Escape);
    EXPECT_TRUE(waiting->isShowing());
    waiting->dismiss();
    EXPECT_FALSE(waiting->isVisible());

    // Used again, it starts over.
    waiting->showOver(window.get(), QStringLiteral("Exporting.."));
    EXPECT_FALSE(waiting->progress().has_value());
    EXPECT_EQ(waiting->text(), QStringLiteral("Exporting.."));
}

TEST_F(WaitingAlertViewTest, AnAlertStaysAboveTheWait)
{
    const QPoint middle = window->rect().center();
    auto* first = new WaitingAlertView;
    first->showOver(window.get(), QStringLiteral("Importing.."));
    auto* alert = new Alert(QStringLiteral("URL Host Not Reachable!!"));
    alert->addButton(QStringLiteral("OK"));
    alert->showOver(window.get());
    auto* later = new WaitingAlertView;
    later->showOver(window.get(), QStringLiteral("Preparing Logs..."));
    QWidget* hit = window->childAt(middle);
    EXPECT_TRUE(hit == alert || alert->isAncestorOf(hit));
}

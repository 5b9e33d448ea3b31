#include "admin/ui/KVMotionDetectionSettingsViewController.h"
#include "admin/ui/KVPowerSaverSettingsViewController.h"
#include "admin/ui/KVScreenSaverSettingsViewController.h"
#include "browser/PowerSaver.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ToggleSwitch.h"
#include "settings/KVSettings.h"
#include "tests/support/WindowTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QAbstractButton>
#include <QTest>

#include <cmath>

namespace korvel {
namespace {

class IdleSettingsScreensTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        makeStack(new Screen);
    }

    template <typename S>
    S* open()
    {
        auto* screen = new S;
        stack->push(screen, NavigationStack::Animation::None);
        return screen;
    }

    void leave() { stack->pop(NavigationStack::Animation::None); }

    static void tap(TableCell* cell) { QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center()); }

    static KVBrowserPrefSettings& prefs() { return settings().kvBrowPref; }
    // What a restart would read.
    static KVBrowserPrefSettings stored()
    {
        restart();
        return settings().kvBrowPref;
    }

};

TEST_F(IdleSettingsScreensTest, AlwaysAndScheduledPowerSavingExcludeEachOtherAndAreStoredOnLeaving)
{
    PowerSaver saver;
    prefs().alwaysSavePower = true;
    prefs().daysSelected = QVariantMap{{"Mon", true}};
    prefs().startTime = QTime(21, 30);
    prefs().endTime = QTime(0, 0);
    settings().save();
    saver.powerStateOn();
    auto* screen = open<KVPowerSaverSettingsViewController>();
    TableView* table = screen->tableView();
    ASSERT_TRUE(table->cell(0, 0)->toggle()->isChecked());
    EXPECT_FALSE(table->cell(1, 0)->isEnabled()) << "the hours wait for the schedule";

    table->cell(0, 1)->toggle()->click();  // the schedule on
    flushDeletes();
    QCoreApplication::processEvents();
    EXPECT_FALSE(table->cell(0, 0)->toggle()->isChecked()) << "always goes off";
    EXPECT_TRUE(table->cell(1, 0)->isEnabled());
    // A quarter of an hour a press; before midnight comes 23:45.
    table->cell(1, 0)->stepUpButton()->click();
    table->cell(1, 0)->stepUpButton()->click();
    table->cell(1, 1)->stepDownButton()->click();
    EXPECT_EQ(table->cell(1, 0)->detailLabel()->text(), QStringLiteral("22:00"));
    EXPECT_EQ(table->cell(1, 1)->detailLabel()->text(), QStringLiteral("23:45"));
    tap(table->cell(2, 0));  // Monday off
    tap(table->cell(2, 6));  // Sunday on
    leave();

    const KVBrowserPrefSettings p = stored();
    EXPECT_FALSE(p.alwaysSavePower);
    EXPECT_TRUE(p.enableScheduleSuspend);
    EXPECT_EQ(p.startTime, QTime(22, 0));
    EXPECT_EQ(p.endTime, QTime(23, 45));
    EXPECT_EQ(p.daysSelected, (QVariantMap{{"Mon", false}, {"Sun", true}}));
    EXPECT_FALSE(saver.powerSaveOn()) << "leaving the schedule ends power saving";

    // And back: always on turns the schedule off.
    screen = open<KVPowerSaverSettingsViewController>();
    screen->tableView()->cell(0, 0)->toggle()->click();
    QCoreApplication::processEvents();
    leave();
    EXPECT_TRUE(stored().alwaysSavePower);
    EXPECT_FALSE(stored().enableScheduleSuspend);
}

TEST_F(IdleSettingsScreensTest, TheScreensaverScreenStoresItsSwitchAndWhatItShows)
{
    auto* screen = open<KVScreenSaverSettingsViewController>();
    TableView* table = screen->tableView();
    table->cell(0, 0)->toggle()->click();
    QLineEdit* field = table->cell(1, 0)->textField();
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("LOOP.MP4"));
    EXPECT_TRUE(table->cell(1, 0)->detailLabel()->text().startsWith(QStringLiteral("Shown as a web page"))) << "the suffix test keeps the case";
    field->setText(QStringLiteral("loop.mp4"));
    EXPECT_TRUE(table->cell(1, 0)->detailLabel()->text().startsWith(QStringLiteral("Shown as a video")));
    leave();
    const KVBrowserPrefSettings p = stored();
    EXPECT_TRUE(p.enableScreenSaver);
    EXPECT_EQ(p.screenSaverURL, QStringLiteral("loop.mp4"));
}

TEST_F(IdleSettingsScreensTest, MotionDetectionAndItsSensitivity)
{
    prefs().motionType = 7;  // out of range: read as walking and repaired
    settings().save();
    auto* screen = open<KVMotionDetectionSettingsViewController>();
    TableView* table = screen->tableView();
    EXPECT_EQ(table->cell(0, 1)->detailLabel()->text(), QStringLiteral("Walking"));
    EXPECT_EQ(prefs().motionType, 0);
    table->cell(0, 0)->toggle()->click();
    tap(table->cell(0, 1));
    auto* choice = qobject_cast<KVMotionSensitivityViewController*>(stack->topScreen());
    ASSERT_NE(choice, nullptr);
    screen->openSensitivity();
    EXPECT_EQ(stack->topScreen(), choice) << "not opened twice";
    tap(choice->tableView()->cell(0, 2));
    EXPECT_FALSE(choice->tableView()->cell(0, 0)->row().checked && choice->tableView()->cell(0, 2)->row().checked);
    leave();
    EXPECT_EQ(table->cell(0, 1)->detailLabel()->text(), QStringLiteral("Automotive"));
    leave();
    const KVBrowserPrefSettings p = stored();
    EXPECT_TRUE(p.enableDrivingMode);
    EXPECT_EQ(p.motionType, 2);
}

}  // namespace
}  // namespace korvel

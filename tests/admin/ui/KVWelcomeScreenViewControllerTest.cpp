#include "admin/AdminState.h"
#include "admin/ui/KVWelcomeScreenViewController.h"
#include "browser/PowerSaver.h"
#include "browser/AdminAccess.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"
#include "tests/support/WindowTest.h"
#include "transfer/ui/WelcomeCloudImportScreen.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace korvel {
namespace {

class WelcomeTest : public test::WindowTest {
public:
    // Settings the cases start from; saved, since every appearance reloads the store.
    static void addWebsite()
    {
        KVSettings& settings = KVSettings::getSettingsObject();
        allowedWebsite site;
        site.url = QStringLiteral("https://example.org");
        site.allowedWebsiteId = 1;
        settings.allowedWebsites.append(site);
        ASSERT_TRUE(settings.save());
    }

    static void addCategory()
    {
        KVSettings& settings = KVSettings::getSettingsObject();
        allowedWebsiteCategory category;
        category.categoryId = 1;
        settings.allowedWebsitesCategories.append(category);
        ASSERT_TRUE(settings.save());
    }

protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        KVWelcomeScreenViewController::setHomeScreenFactory([this] {
            ++homeScreensMade;
            return new Screen;
        });
        AdminAccess::setGrantedHandler([this](QWidget* screen) { grantedOn << screen; });
        makeStack();
    }
    void TearDown() override
    {
        AdminAccess::setGrantedHandler({});
        KVWelcomeScreenViewController::resetHomeScreenFactory();
        AdminState::setState(0);
        WindowTest::TearDown();
    }

    KVWelcomeScreenViewController* showWelcome()
    {
        auto* welcome = new KVWelcomeScreenViewController;
        stack->push(welcome, Animation::None);
        return welcome;
    }

    int homeScreensMade = 0;
    QList<QWidget*> grantedOn;
};

struct HandOverCase {
    const char* name;
    void (*configure)();
    bool handsOver;
};

void PrintTo(const HandOverCase& c, std::ostream* os) { *os << c.name; }

class WelcomeHandOver : public WelcomeTest, public ::testing::WithParamInterface<HandOverCase> {};

TEST_P(WelcomeHandOver, PushesTheHomeScreenOnlyWhenSomethingIsAllowed)
{
    const HandOverCase& c = GetParam();
    if (c.configure)
        c.configure();
    KVWelcomeScreenViewController* welcome = showWelcome();
    EXPECT_EQ(homeScreensMade, c.handsOver ? 1 : 0);
    EXPECT_EQ(stack->screens().size(), c.handsOver ? 2 : 1);
    EXPECT_EQ(stack->topScreen() == welcome, !c.handsOver);
    EXPECT_FALSE(stack->isNavigationBarShown());
}

INSTANTIATE_TEST_SUITE_P(Settings, WelcomeHandOver,
                         ::testing::Values(HandOverCase{"Empty", nullptr, false},
                                           HandOverCase{"Website", &WelcomeTest::addWebsite, true},
                                           HandOverCase{"Category", &WelcomeTest::addCategory, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WelcomeTest, AppearingSetsTheAdministratorsBrightness)
{
    KVSettings::getSettingsObject().kvBrowPref.brightness = 0.7f;
    ASSERT_TRUE(KVSettings::getSettingsObject().save());
    device.brightness = 0.1;
    showWelcome();
    EXPECT_FLOAT_EQ(float(device.brightness), 0.7f);
    stack->push(new Screen, Animation::None);
    device.brightness = 0.2;
    stack->pop(Animation::None);
    EXPECT_FLOAT_EQ(float(device.brightness), 0.7f) << "again on every return";

    // A dimmed screen and a pending look of the schedule end here too.
    PowerSaver saver;
    stack->push(new Screen, Animation::None);
    saver.powerStateOn();
    KVSettings::getSettingsObject().kvBrowPref.enableScheduleSuspend = true;
    KVSettings::getSettingsObject().kvBrowPref.startTime = QTime(22, 0);
    KVSettings::getSettingsObject().kvBrowPref.endTime = QTime(6, 0);
    clock.setNow(QDateTime(QDate(2026, 1, 5), QTime(23, 0)));
    saver.powerSaverModeSwitch();
    ASSERT_TRUE(saver.checkPending());
    stack->pop(Animation::None);
    EXPECT_FALSE(saver.powerSaveOn());
    EXPECT_FALSE(saver.checkPending());
}

TEST_F(WelcomeTest, TheFirstImportedWebsiteHandsOverOnTheNextAppearance)
{
    KVWelcomeScreenViewController* welcome = showWelcome();
    // The first-run cloud import, with a way back.
    welcome->importButton()->click();
    ASSERT_NE(qobject_cast<WelcomeCloudImportScreen*>(stack->topScreen()), nullptr);
    EXPECT_TRUE(stack->isNavigationBarShown());
    AdminState::setState(1);
    addWebsite();
    stack->pop(Animation::None);
    EXPECT_EQ(homeScreensMade, 1);
    EXPECT_EQ(stack->screens().size(), 2);
    EXPECT_NE(stack->topScreen(), welcome);
    EXPECT_EQ(AdminState::state(), 0);
}

// The timing's edges belong to the gesture's own test; here, taps on the screen must reach it with
// the clock's times, and its grants must name this screen.
TEST_F(WelcomeTest, SixTapsWithinThreeSecondsOpenTheSettings)
{
    const struct {
        const char* name;
        int intervalMs;
        int taps;
        int grants;
    } cases[] = {{"six quick", 100, 6, 1}, {"six over three seconds", 600, 6, 0}, {"twelve quick: two series", 100, 12, 2}};
    for (const auto& c : cases) {
        grantedOn.clear();
        KVWelcomeScreenViewController* welcome = showWelcome();
        for (int i = 0; i < c.taps; ++i) {
            if (i > 0)
                clock.advance(std::chrono::milliseconds(c.intervalMs));
            QTest::mouseClick(welcome, Qt::LeftButton, {}, QPoint(5, 5));
        }
        EXPECT_EQ(grantedOn, QList<QWidget*>(c.grants, welcome)) << c.name;
        clock.advance(std::chrono::seconds(10));
    }
}

TEST_F(WelcomeTest, GetStartedShowsTheInstructionsAndATouchOutsideRemovesThem)
{
    KVWelcomeScreenViewController* welcome = showWelcome();
    QTest::mouseClick(welcome->getStartedButton(), Qt::LeftButton);
    EXPECT_TRUE(welcome->instructionsShown());
    EXPECT_TRUE(welcome->getStartedButton()->isHidden() || !welcome->getStartedButton()->isVisibleTo(welcome));
    QTest::mouseClick(welcome, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(welcome->instructionsShown());
    EXPECT_TRUE(welcome->getStartedButton()->isVisibleTo(welcome));
}

}  // namespace
}  // namespace korvel

namespace korvel {
namespace {

// The instructions are all an administrator has on a new device: the count they give must be
// the one that opens the settings.
TEST(WelcomeInstructions, TheTapCountTheyGiveOpensTheSettings)
{
    const QRegularExpressionMatch said =
        QRegularExpression(QStringLiteral("(\\d+) times within (\\d+) seconds")).match(KVWelcomeScreenViewController::instructionsText());
    ASSERT_TRUE(said.hasMatch());
    const int taps = said.captured(1).toInt();
    const int seconds = said.captured(2).toInt();
    const QDateTime start = QDateTime::fromSecsSinceEpoch(1000000);
    const auto outcomeOf = [&](int count) {
        TapSeries series;
        TapOutcome last = TapOutcome::Counted;
        // Evenly spread over just under the time the text allows.
        for (int i = 0; i < count; ++i)
            last = AdminTapGesture::tapWelcome(series, start.addMSecs(qint64(i) * (seconds * 1000 - 100) / std::max(1, taps - 1)));
        return last;
    };
    EXPECT_EQ(outcomeOf(taps), TapOutcome::Granted);
    EXPECT_NE(outcomeOf(taps - 1), TapOutcome::Granted);
}

}  // namespace
}  // namespace korvel

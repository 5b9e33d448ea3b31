#include "app/ui/KVPasswordAlert.h"
#include "platform/NotificationCenter.h"
#include "platform/Paths.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Toast.h"
#include "settings/KVHashString.h"
#include "settings/TalvexUtils.h"
#include "tests/support/WindowTest.h"

#include <QFile>
#include <QLineEdit>

using namespace korvel;
using namespace std::chrono_literals;

namespace {

class PasswordAlertTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        TalvexUtils::setPassword(KVHashString::stringToBase64(QStringLiteral("9246")));
        stack = new NavigationStack(window.get());
        KVPasswordAlert::initViewController(stack);
        KVPasswordAlert::setSettingsOpener([this](NavigationStack* s) { openedOn = s; });
    }
    void TearDown() override
    {
        KVPasswordAlert::setSettingsOpener(nullptr);
        WindowTest::TearDown();
    }

    static void answer(const QString& password, const QString& button)
    {
        Alert* alert = Alert::visibleAlert();
        ASSERT_NE(alert, nullptr);
        alert->textField(0)->setText(password);
        alert->dismissWithButton(alert->buttonIndex(button));
    }

    NavigationStack* stack = nullptr;
    NavigationStack* openedOn = nullptr;
};

}  // namespace

TEST_F(PasswordAlertTest, TheRightPasswordOpensTheSettings)
{
    KVPasswordAlert::showPasswordAlert(window.get());
    ASSERT_NE(Alert::visibleAlert(), nullptr);
    EXPECT_EQ(Alert::visibleAlert()->title(), QStringLiteral("Korvel"));
    EXPECT_EQ(Alert::visibleAlert()->message(), QStringLiteral("Enter password to enter settings.\nDefault password is 9246"));
    answer(QStringLiteral("9246"), QStringLiteral("OK"));
    flushDeletes();
    EXPECT_EQ(openedOn, stack);
}

TEST_F(PasswordAlertTest, AWrongPasswordOnlyToasts)
{
    KVPasswordAlert::showPasswordAlert(window.get());
    answer(QStringLiteral("1234"), QStringLiteral("OK"));
    flushDeletes();
    EXPECT_EQ(openedOn, nullptr);
    QStringList toasts;
    for (Toast* t : Toast::visibleToasts())
        toasts << t->text();
    EXPECT_TRUE(toasts.contains(QStringLiteral("Wrong Password!")));

    KVPasswordAlert::showPasswordAlert(window.get());
    answer(QStringLiteral("9246"), QStringLiteral("Cancel"));
    flushDeletes();
    EXPECT_EQ(openedOn, nullptr) << "Cancel does nothing";
}

TEST_F(PasswordAlertTest, AnUntouchedPromptClosesAfterTenSeconds)
{
    KVPasswordAlert::showPasswordAlert(window.get());
    clock.advance(9s);
    NotificationCenter::defaultCenter().post(QStringLiteral("EventHasOccurred"));
    clock.advance(9s);
    EXPECT_NE(Alert::visibleAlert(), nullptr) << "a touch gives it ten more seconds";
    clock.advance(1s);
    flushDeletes();
    EXPECT_EQ(Alert::visibleAlert(), nullptr);
    EXPECT_EQ(openedOn, nullptr);
}

TEST_F(PasswordAlertTest, ADamagedPasswordStoreSaysSoAndOpensNothing)
{
    const auto damage = [] {
        QFile keychain(Paths::keychainFile());
        ASSERT_TRUE(keychain.open(QIODevice::WriteOnly | QIODevice::Truncate));
        keychain.write("garbage");
    };
    const struct {
        const char* name;
        bool beforeTheGesture;
    } cases[] = {{"damaged before the gesture", true}, {"damaged while the prompt is up", false}};
    for (const auto& c : cases) {
        QFile::remove(Paths::keychainFile());
        TalvexUtils::setPassword(KVHashString::stringToBase64(QStringLiteral("9246")));
        if (c.beforeTheGesture)
            damage();
        KVPasswordAlert::requestAccess(window.get());
        if (!c.beforeTheGesture) {
            damage();
            answer(QStringLiteral("9246"), QStringLiteral("OK"));
        }
        Alert* alert = Alert::visibleAlert();
        ASSERT_NE(alert, nullptr) << c.name;
        EXPECT_TRUE(alert->message().contains(QStringLiteral("damaged"))) << c.name << ": " << qPrintable(alert->message());
        EXPECT_TRUE(alert->message().contains(QStringLiteral("password set"))) << c.name << ": " << qPrintable(alert->message());
        EXPECT_EQ(alert->textFieldCount(), 0) << c.name;
        alert->dismissWithButton(0);
        flushDeletes();
        EXPECT_EQ(openedOn, nullptr) << c.name;
        EXPECT_EQ(Alert::visibleAlert(), nullptr) << c.name;
    }
}

#include "browser/ui/Routes.h"
#include "app/KeySilence.h"
#include "app/ui/KVPasswordAlert.h"
#include "log/KVLogger.h"
#include "platform/NotificationCenter.h"
#include "platform/Paths.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/PasswordStore.h"
#include "tests/support/WindowTest.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace korvel;
using namespace std::chrono_literals;

namespace {

class PasswordAlertTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        PasswordStore::setPassword(QStringLiteral("9246"));
        stack = new NavigationStack(window.get());
        KVPasswordAlert::initViewController(stack);
        Routes routes = saved;
        routes.showSettings = [this](NavigationStack* s) { openedOn = s; };
        Routes::install(routes);
    }
    void TearDown() override
    {
        // A prompt closed without the settings leaves keys silenced for the next test.
        KeySilence::end();
        Routes::install(saved);
        WindowTest::TearDown();
    }

    static void answer(const QString& password, const QString& button)
    {
        Alert* alert = Alert::visibleAlert();
        ASSERT_NE(alert, nullptr);
        alert->textField(0)->setText(password);
        alert->dismissWithButton(alert->buttonIndex(button));
    }

    static qsizetype toastsSaying(const QString& text) { return test::toastTexts().filter(text).size(); }
    static void writeKeychain(const QByteArray& bytes) { ASSERT_TRUE(test::writeFile(Paths::keychainFile(), bytes)); }

    const Routes saved = Routes::current();
    NavigationStack* openedOn = nullptr;
};

}  // namespace

TEST_F(PasswordAlertTest, OnlyTheRightPasswordWithOkOpensTheSettings)
{
    const struct {
        const char* password;
        const char* button;
        bool opens;
    } cases[] = {{"1234", "OK", false}, {"9246", "Cancel", false}, {"9246", "OK", true}};
    for (const auto& c : cases) {
        KVPasswordAlert::showPasswordAlert(window.get());
        answer(QString::fromLatin1(c.password), QString::fromLatin1(c.button));
        flushDeletes();
        EXPECT_EQ(openedOn, c.opens ? stack : nullptr) << c.password << " " << c.button;
    }
    EXPECT_EQ(toastsSaying(QStringLiteral("Wrong Password!")), 1) << "only the wrong one is told so";
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

// An administrator who goes on typing after the prompt closed without opening the settings types
// into nothing until the next touch; after the right password the settings take the keys.
TEST_F(PasswordAlertTest, KeysTypedAfterThePromptClosedGoNowhereUntilTheNextTouch)
{
    const struct {
        const char* closing;
        std::function<void()> close;
        bool silenced;
    } cases[] = {
        {"on its timeout", [this] { clock.advance(10s); }, true},
        {"with Cancel", [] { answer(QStringLiteral("9246"), QStringLiteral("Cancel")); }, true},
        {"with a wrong password", [] { answer(QStringLiteral("92"), QStringLiteral("OK")); }, true},
        {"into the settings", [] { answer(QStringLiteral("9246"), QStringLiteral("OK")); }, false},
    };
    // The page in front, with the keyboard's focus.
    auto* page = new QLineEdit(window.get());
    page->show();
    for (const auto& c : cases) {
        page->clear();
        KVPasswordAlert::showPasswordAlert(window.get());
        c.close();
        flushDeletes();
        ASSERT_EQ(Alert::visibleAlert(), nullptr) << c.closing;
        page->setFocus();
        QTest::keyClicks(page, QStringLiteral("46"));
        EXPECT_EQ(page->text(), c.silenced ? QString() : QStringLiteral("46")) << c.closing;
        NotificationCenter::defaultCenter().post(QStringLiteral("EventHasOccurred"));
        EXPECT_FALSE(KeySilence::active()) << c.closing;
        QTest::keyClicks(page, QStringLiteral("7"));
        EXPECT_TRUE(page->text().endsWith(QLatin1Char('7'))) << c.closing << ": a touch lets keys through again";
    }
}

TEST_F(PasswordAlertTest, ADamagedPasswordStoreSaysSoAndOpensNothing)
{
    const struct {
        const char* name;
        bool beforeTheGesture;
    } cases[] = {{"damaged before the gesture", true}, {"damaged while the prompt is up", false}};
    for (const auto& c : cases) {
        QFile::remove(Paths::keychainFile());
        PasswordStore::setPassword(QStringLiteral("9246"));
        if (c.beforeTheGesture)
            writeKeychain("garbage");
        KVPasswordAlert::requestAccess(window.get());
        if (!c.beforeTheGesture) {
            writeKeychain("garbage");
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

TEST_F(PasswordAlertTest, AfterFiveWrongPasswordsThePromptPausesWithoutChecking)
{
    KVLogger::createDatabase_Tables();
    for (int i = 0; i < 5; ++i) {
        clock.advance(3s);
        KVPasswordAlert::showPasswordAlert(window.get());
        answer(QStringLiteral("1234"), QStringLiteral("OK"));
        flushDeletes();
        EXPECT_EQ(toastsSaying(QStringLiteral("Wrong Password!")), 1) << "attempt " << i + 1;
    }
    EXPECT_EQ(toastsSaying(QStringLiteral("Too many wrong passwords. Try again in 0:30.")), 1);

    // The sixth is not even read against the store: a damaged one would say so if it were.
    const QByteArray stored = test::readFile(Paths::keychainFile());
    writeKeychain("garbage");
    clock.advance(3s);
    KVPasswordAlert::showPasswordAlert(window.get());
    EXPECT_EQ(Alert::visibleAlert()->message(), QStringLiteral("Too many wrong passwords. Try again in 0:27."))
        << qPrintable(Alert::visibleAlert()->message());
    answer(QStringLiteral("1234"), QStringLiteral("OK"));
    flushDeletes();
    EXPECT_EQ(Alert::visibleAlert(), nullptr) << "the store was read";
    EXPECT_EQ(toastsSaying(QStringLiteral("Wrong Password!")), 0);
    EXPECT_EQ(toastsSaying(QStringLiteral("Too many wrong passwords. Try again in 0:27.")), 1);
    writeKeychain(stored);

    // Not the right one either, and not after a restart.
    restart();
    KVLogger::createDatabase_Tables();
    clock.advance(3s);
    KVPasswordAlert::showPasswordAlert(window.get());
    answer(QStringLiteral("9246"), QStringLiteral("OK"));
    flushDeletes();
    EXPECT_EQ(openedOn, nullptr);
    const QStringList warnings = loggedEvents(QStringLiteral("Warning"));
    EXPECT_EQ(warnings.filter(QStringLiteral("Password entry refused")).size(), 2) << qPrintable(warnings.join(QLatin1Char('\n')));

    clock.advance(24s);
    KVPasswordAlert::showPasswordAlert(window.get());
    answer(QStringLiteral("9246"), QStringLiteral("OK"));
    flushDeletes();
    EXPECT_EQ(openedOn, stack) << "the pause is over";
}

TEST_F(PasswordAlertTest, TheFactoryPasswordIsNamedOnlyOnAnUnconfiguredDevice)
{
    const struct {
        const char* name;
        bool website;
        const char* password;
        bool hint;
    } cases[] = {
        {"unconfigured, factory password", false, "9246", true},
        {"a website set up", true, "9246", false},
        {"the password changed", false, "s3cret", false},
    };
    for (const auto& c : cases) {
        KVSettings::getSettingsObject().allowedWebsites.clear();
        if (c.website)
            KVSettings::getSettingsObject().allowedWebsites.append(allowedWebsite{});
        PasswordStore::setPassword(QString::fromLatin1(c.password));
        KVPasswordAlert::showPasswordAlert(window.get());
        ASSERT_NE(Alert::visibleAlert(), nullptr) << c.name;
        EXPECT_EQ(Alert::visibleAlert()->message().contains(QStringLiteral("9246")), c.hint) << c.name;
        EXPECT_TRUE(Alert::visibleAlert()->message().startsWith(QStringLiteral("Enter password to enter settings."))) << c.name;
        answer(QString(), QStringLiteral("Cancel"));
        flushDeletes();
    }
}

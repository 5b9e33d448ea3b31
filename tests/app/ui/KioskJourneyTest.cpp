#include "admin/ui/KVMainMenuViewController.h"
#include "app/KVAppDelegate.h"
#include "app/ui/KVMainWindow.h"
#include "app/ui/KorvelShell.h"
#include "browser/ui/KVHomePageViewController.h"
#include "browser/ui/KVWKViewController.h"
#include "browser/ui/KVWebView.h"
#include "log/KVLogger.h"
#include "log/LogQuery.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"
#include "tests/support/EventLoop.h"
#include "tests/support/TestHome.h"
#include "tests/support/WebTestServer.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>

using namespace korvel;
using korvel::test::WebTestServer;

namespace {

class KioskJourneyTest : public test::TestHome {
protected:
    int ctl(const QStringList& arguments) const
    {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvelctl"),
                      QStringList{QStringLiteral("--home"), home()} + arguments);
        process.waitForFinished(20000);
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

}  // namespace

// What an administrator and a visitor do on a new device: configure it over SSH, start it, open a
// website, come back, and reach the settings with the hidden gesture and the password.
TEST_F(KioskJourneyTest, ConfigureStartBrowseAndReachTheSettings)
{
    WebTestServer& server = WebTestServer::shared();
    server.setPage(QStringLiteral("/"), QByteArrayLiteral("<html><head><title>Shop</title></head><body>shop</body></html>"));
    const QString shop = server.url(QStringLiteral("shop.test"));
    ASSERT_EQ(ctl({QStringLiteral("categories"), QStringLiteral("add"), QStringLiteral("news")}), 0);
    ASSERT_EQ(ctl({QStringLiteral("sites"), QStringLiteral("add"), shop, QStringLiteral("--title"), QStringLiteral("Shop")}), 0);
    ASSERT_EQ(ctl({QStringLiteral("sites"), QStringLiteral("add"), QStringLiteral("paper.test"), QStringLiteral("--category"),
                   QStringLiteral("1")}),
              0);
    restart();

    KorvelShell shell;
    shell.show();
    NavigationStack* stack = shell.window().navigationStack();
    ASSERT_TRUE(test::processEventsUntil([&] { return qobject_cast<KVHomePageViewController*>(stack->topScreen()) != nullptr; }))
        << "with websites the welcome screen hands over to the grid";
    auto* homeScreen = static_cast<KVHomePageViewController*>(stack->topScreen());
    QStringList titles;
    for (auto* cell : homeScreen->cells())
        titles << cell->titleText();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Shop"), QStringLiteral("News")}));
    // The launch in its order: the log opens late in the sequence, so "Korvel Started" is the first
    // line, then the screens it brought up.
    QStringList lines;
    for (const LogEntry& e : LogQuery{QStringList{QStringLiteral("App General")}, LogOrder::OldestFirst, {}}.run())
        lines << e.event;
    EXPECT_EQ(lines.mid(0, 3), (QStringList{QStringLiteral("Korvel Started"), QStringLiteral("Welcome Screen Loaded"),
                                            QStringLiteral("Home Page Loaded")}));

    homeScreen->didSelectItem(0);
    auto* window = qobject_cast<KVWKViewController*>(stack->topScreen());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test::processEventsUntil([&] { return window->webView()->title() == QLatin1String("Shop"); }, 20000));
    window->homeButtonPressed();
    // Home returns to the root, the welcome screen, which hands over to the grid again.
    ASSERT_TRUE(test::processEventsUntil([&] { return qobject_cast<KVHomePageViewController*>(stack->topScreen()) != nullptr; }));
    homeScreen = static_cast<KVHomePageViewController*>(stack->topScreen());

    for (int i = 0; i < 5; ++i) {
        homeScreen->handleSingleTap();
        clock.advance(std::chrono::milliseconds(200));
    }
    ASSERT_NE(Alert::visibleAlert(), nullptr) << "the password prompt";
    Alert::visibleAlert()->textField(0)->setText(QStringLiteral("9246"));
    Alert::visibleAlert()->dismissWithButton(Alert::visibleAlert()->buttonIndex(QStringLiteral("OK")));
    ASSERT_TRUE(test::processEventsUntil([&] { return qobject_cast<KVMainMenuViewController*>(stack->topScreen()) != nullptr; }));
    EXPECT_EQ(shell.delegate().state, 1) << "the delegate knows the settings are open";

    static_cast<KVMainMenuViewController*>(stack->topScreen())->handleBack();
    EXPECT_TRUE(test::processEventsUntil([&] { return qobject_cast<KVMainMenuViewController*>(stack->topScreen()) == nullptr; }))
        << "Done leaves the settings";
    EXPECT_EQ(shell.delegate().state, 0);
}

TEST_F(KioskJourneyTest, AnAddressFromAnotherProgramOpensItsWebsite)
{
    ASSERT_EQ(ctl({QStringLiteral("sites"), QStringLiteral("add"), QStringLiteral("www.example.co.uk"), QStringLiteral("--protocol"),
                   QStringLiteral("https"), QStringLiteral("--subdomains")}),
              0);
    restart();
    KVLogger::createDatabase_Tables();
    KorvelShell shell;
    shell.show();
    NavigationStack* stack = shell.window().navigationStack();
    ASSERT_TRUE(test::processEventsUntil([&] { return qobject_cast<KVHomePageViewController*>(stack->topScreen()) != nullptr; }));
    QWidget* home = stack->topScreen();

    // Another program's address of no allowed website: the alert, and the grid stays.
    shell.delegate().openURL(QStringLiteral("korvel://https//elsewhere.org/a"));
    clock.advance(std::chrono::milliseconds(500));
    ASSERT_NE(Alert::visibleAlert(), nullptr);
    EXPECT_EQ(Alert::visibleAlert()->title(), QStringLiteral("ERROR"));
    EXPECT_TRUE(Alert::visibleAlert()->message().startsWith(QStringLiteral("External URL not Allowed ")));
    Alert::visibleAlert()->dismiss();
    EXPECT_EQ(stack->topScreen(), home);

    // One of a sub-domain of the allowed website opens it, with the handed-over address.
    shell.delegate().openURL(QStringLiteral("korvel://https//shop.example.co.uk/a"));
    clock.advance(std::chrono::milliseconds(500));
    KVWKViewController* window = nullptr;
    ASSERT_TRUE(test::processEventsUntil([&] { return (window = qobject_cast<KVWKViewController*>(stack->topScreen())) != nullptr; }));
    ASSERT_TRUE(window->selectedWebsite().has_value());
    EXPECT_EQ(window->selectedWebsite()->url, QStringLiteral("https://www.example.co.uk"));
}

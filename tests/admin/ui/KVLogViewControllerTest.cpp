#include "admin/ui/KVMainMenuViewController.h"
#include "admin/ui/KVLogOptionsViewController.h"
#include "admin/ui/KVLogViewController.h"
#include "log/KVLog.h"
#include "log/LogMail.h"
#include "platform/MailClient.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/WaitingAlertView.h"
#include "settings/KVSettings.h"
#include "tests/support/WindowTest.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

namespace korvel {
namespace {

using namespace std::chrono_literals;

class FakeMail final : public MailClient {
public:
    bool canSendMail() const override { return available; }
    bool compose(const MailMessage& message, QString*) override
    {
        sent.append(message);
        return true;
    }
    bool available = true;
    QList<MailMessage> sent;
};

// The texts of the waits that were painted.
class PaintedWaits final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* waiting = qobject_cast<WaitingAlertView*>(watched); waiting && event->type() == QEvent::Paint)
            texts.append(waiting->text());
        return false;
    }
    QStringList texts;
};

class LogViewerTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        MailClient::setCurrent(&mail);
        KVLogger::createDatabase_Tables();
        makeStack(new Screen);
    }
    void TearDown() override
    {
        MailClient::setCurrent(nullptr);
        WindowTest::TearDown();
    }

    void log(const char* category, const QString& event)
    {
        KVLog(QString::fromUtf8(category), event);
        clock.advance(1s);
    }

    KVLogViewController* openLog()
    {
        auto* menu = new KVMainMenuViewController;
        stack->push(menu, Animation::None);
        // The wait is on the screen before the rows are read, and gone once the list is there.
        PaintedWaits painted;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        qApp->installEventFilter(&painted);
        menu->didSelectMenuId(ViewLogMenu);
        qApp->removeEventFilter(&painted);
        EXPECT_EQ(painted.texts, QStringList{QStringLiteral("Preparing Logs...")});
        for (const WaitingAlertView* waiting : window->findChildren<WaitingAlertView*>())
            EXPECT_FALSE(waiting->isShowing());
        auto* screen = qobject_cast<KVLogViewController*>(stack->topScreen());
        EXPECT_NE(screen, nullptr);
        return screen;
    }

    QStringList shownEvents(KVLogViewController* screen)
    {
        QStringList events;
        for (const QString& line : screen->shownLines())
            events << line.section(QStringLiteral(": "), 2);
        return events;
    }

    FakeMail mail;
};

TEST_F(LogViewerTest, OptionsSearchAndMailWorkOnWhatIsShown)
{
    log("Warning", QStringLiteral("Application recieved Memory Warning"));
    log("URL_action", QStringLiteral("URL_Added<http://a.test/>"));
    log("Export", QStringLiteral("Export done"));
    log("Blocked_URL_action", QStringLiteral("URL_Deleted<http://c.test/>"));

    KVLogViewController* screen = openLog();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(stack->navigationBarTitle()->text(), QStringLiteral("Korvel Log"));
    // Every category opens the list, the opening itself last.
    QStringList events = shownEvents(screen);
    ASSERT_EQ(events.size(), 6);
    EXPECT_EQ(events.first(), QStringLiteral("Application recieved Memory Warning"));
    EXPECT_EQ(events.last(), QStringLiteral("Preparing Korvel Logs"));
    EXPECT_GE(screen->listView()->sizeHintForRow(0), 50);

    // Options: "Recent at Top", and no "Export".
    QTest::mouseClick(screen->optionsButton(), Qt::LeftButton);
    auto* options = qobject_cast<KVLogOptionsViewController*>(stack->topScreen());
    ASSERT_NE(options, nullptr);
    options->tapOption(1);
    options->tapOption(6);
    EXPECT_TRUE(options->tableView()->cell(0, 1)->row().checked || options->options().isSelected(1));
    options->loadSelectionQuery();
    ASSERT_EQ(stack->topScreen(), screen);
    events = shownEvents(screen);
    EXPECT_EQ(events.first(), QStringLiteral("Quick View query Built successfully")) << "newest first";
    EXPECT_FALSE(events.contains(QStringLiteral("Export done")));
    EXPECT_FALSE(events.contains(QStringLiteral("URL_Deleted<http://c.test/>"))) << "only the ten categories are listed";
    EXPECT_TRUE(events.contains(QStringLiteral("Application recieved Memory Warning")));

    // Nothing chosen: the query still runs and lists nothing.
    screen->viewSelect();
    options = qobject_cast<KVLogOptionsViewController*>(stack->topScreen());
    ASSERT_NE(options, nullptr);
    for (int i = 2; i < LogViewOptions::count; ++i) {
        if (options->options().isSelected(i))
            options->tapOption(i);
    }
    options->loadSelectionQuery();
    EXPECT_TRUE(screen->shownLines().isEmpty());

    // Back to everything; a cancelled options screen changes nothing.
    screen->viewSelect();
    qobject_cast<KVLogOptionsViewController*>(stack->topScreen())->cancel();
    EXPECT_TRUE(screen->shownLines().isEmpty());
    screen->loadSelectionQuery(LogViewOptions{});

    // Search: the lines stay filtered after the search key, and the mail carries only them.
    QTest::mouseClick(screen->searchButton(), Qt::LeftButton);
    ASSERT_TRUE(screen->searchBar()->isVisibleTo(screen));
    QTest::keyClicks(screen->searchBar(), QStringLiteral("warning"));
    EXPECT_EQ(shownEvents(screen), QStringList{QStringLiteral("Application recieved Memory Warning")});
    QTest::keyClick(screen->searchBar(), Qt::Key_Return);
    EXPECT_FALSE(screen->searchBar()->isVisibleTo(screen));
    EXPECT_FALSE(screen->clearButton()->isEnabled());
    EXPECT_FALSE(screen->optionsButton()->isEnabled());
    // No support address is configured: the administrator says where the log goes, and a text
    // that is not one address mails nothing.
    for (const char* typed : {"a@b.example,c@d.example", " it@fleet.example "}) {
        QTest::mouseClick(screen->mailButton(), Qt::LeftButton);
        Alert* ask = Alert::visibleAlert();
        ASSERT_NE(ask, nullptr);
        ask->textField(0)->setText(QString::fromLatin1(typed));
        ask->dismissWithButton(ask->buttonIndex(QStringLiteral("Mail")));
    }
    ASSERT_EQ(mail.sent.size(), 1);
    EXPECT_EQ(mail.sent.first().recipient, QStringLiteral("it@fleet.example"));
    const QString attachment = QString::fromUtf8(test::readFile(mail.sent.first().attachmentPath));
    EXPECT_TRUE(attachment.startsWith(QStringLiteral("Korvel Log: Test Panel 10")));
    EXPECT_EQ(attachment.count(QLatin1Char('\n')), 4) << "three header lines and the one found";
    EXPECT_TRUE(attachment.contains(QStringLiteral("Warning: Application recieved Memory Warning")));
    // The mail program's copy lies outside Documents, and goes once the program has had its time.
    const QString mailed = mail.sent.first().attachmentPath;
    EXPECT_FALSE(mailed.startsWith(documents())) << qPrintable(mailed);
    clock.advance(LogMail::keptForMail);
    EXPECT_FALSE(QFileInfo::exists(mailed));

    // Without a mail program the attachment is still left in Documents and named.
    mail.available = false;
    screen->mailTo();
    Alert* alert = Alert::visibleAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->message().contains(QStringLiteral("KV_LOG_00000000-0000-0000-0000-000000000001.txt")));
    alert->dismissWithButton(0);
    EXPECT_NE(KVMainMenuViewController::getObject(), nullptr) << "an alert never ends the kiosk";

    // Refresh shows everything again; clearing empties the log.
    screen->showSearchBar();
    EXPECT_EQ(screen->searchBar()->text(), QStringLiteral("warning"));
    screen->refresh();
    EXPECT_GT(screen->shownLines().size(), 1);
    EXPECT_TRUE(screen->clearButton()->isEnabled());
    Alert* clear = screen->clearLog();
    clear->dismissWithButton(clear->buttonIndex(QStringLiteral("Yes")));
    EXPECT_TRUE(screen->shownLines().isEmpty());
}

TEST_F(LogViewerTest, AnEntryAllowsOrDeletesTheWebsiteItNames)
{
    log("Webview", QStringLiteral("URL_Blocked<http://b.test/page>"));
    log("App General", QStringLiteral("Main Menu loaded"));
    KVLogViewController* screen = openLog();
    ASSERT_NE(screen, nullptr);

    EXPECT_EQ(screen->didSelectRow(1), nullptr) << "nothing to act on";
    for (int round = 0; round < 2; ++round) {
        Alert* sheet = screen->didSelectRow(0);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->title(), QStringLiteral("Allow this WebSite: http://b.test/page ?"));
        sheet->dismissWithButton(sheet->buttonIndex(QStringLiteral("Allow")));
        flushDeletes();
        // The second "Allow" of the same address adds nothing.
        ASSERT_EQ(settings().allowedWebsites.size(), 1) << round;
    }
    const allowedWebsite& site = settings().allowedWebsites.first();
    EXPECT_EQ(site.url, QStringLiteral("http://b.test/page"));
    EXPECT_EQ(site.title, QStringLiteral("Edit Title"));
    EXPECT_TRUE(site.allowSubDomain);
    EXPECT_TRUE(loggedEvents(QStringLiteral("URL_action")).contains(QStringLiteral("URL_Added<http://b.test/page>")));

    screen->reload();
    const int added = int(screen->shownLines().indexOf(QRegularExpression(QStringLiteral(".*URL_Added<http://b.test/page>$"))));
    ASSERT_GE(added, 0);
    Alert* sheet = screen->didSelectRow(added);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->title(), QStringLiteral("Delete this URL from Allowed WebSites: http://b.test/page ?"));
    sheet->dismissWithButton(sheet->buttonIndex(QStringLiteral("Delete")));
    flushDeletes();
    EXPECT_TRUE(settings().allowedWebsites.isEmpty());
    KVSettings::resetSettingsObject();
    EXPECT_TRUE(settings().allowedWebsites.isEmpty()) << "the deletion was saved";
}

TEST_F(LogViewerTest, FiveThousandRowsOpenAndSearch)
{
    for (int i = 0; i < KVLogger::retentionLimit; ++i)
        KVLog(i % 7 == 0 ? QStringLiteral("Warning") : QStringLiteral("Webview"), QStringLiteral("URL_Blocked<http://b%1.test/>").arg(i));
    QElapsedTimer timer;
    timer.start();
    KVLogViewController* screen = openLog();
    ASSERT_NE(screen, nullptr);
    QCoreApplication::processEvents();
    const qint64 openMs = timer.elapsed();
    EXPECT_EQ(screen->shownLines().size(), KVLogger::retentionLimit);
    screen->showSearchBar();
    timer.restart();
    QTest::keyClicks(screen->searchBar(), QStringLiteral("b49"));
    QCoreApplication::processEvents();
    const qint64 searchMs = timer.elapsed();
    EXPECT_EQ(screen->shownLines().size(), 111);  // b49 and b490..b499, b4900..b4999
    std::printf("[ timing ] log viewer with %d rows: open %lld ms, three search keystrokes %lld ms\n", KVLogger::retentionLimit,
                static_cast<long long>(openMs), static_cast<long long>(searchMs));
}

}  // namespace
}  // namespace korvel

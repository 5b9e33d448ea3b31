#include "platform/DocumentOrigins.h"
#include "platform/NotificationCenter.h"
#include "platform/PropertyList.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ToggleSwitch.h"
#include "platform/ui/WaitingAlertView.h"
#include "settings/KVSettings.h"
#include "tests/support/EventLoop.h"
#include "tests/support/ScopedHttpServer.h"
#include "tests/support/WindowTest.h"
#include "transfer/URLImport.h"
#include "transfer/ui/KVImportExportViewController.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <atomic>
#include <chrono>
#include <thread>

namespace korvel {
namespace {

class ImportExportScreenTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        makeStack();
        screen = new KVImportExportViewController;
        stack->push(screen, Animation::None);
    }

    // Types `text` into the visible prompt and presses `button`.
    static void answer(const QString& text, const QString& button)
    {
        Alert* prompt = Alert::visibleAlert();
        ASSERT_NE(prompt, nullptr);
        prompt->textField(0)->setText(text);
        prompt->dismissWithButton(prompt->buttonIndex(button));
    }
    static QString shownMessage()
    {
        Alert* alert = Alert::visibleAlert();
        return alert ? alert->message() : QString();
    }
    static QByteArray document(const QString& title)
    {
        return PropertyList::toXml(QVariantMap{{QStringLiteral("AllowedWebsites"),
                                                QVariantList{QVariantMap{{QStringLiteral("URL"), QStringLiteral("https://a.test")},
                                                                         {QStringLiteral("Title"), title}}}}});
    }

    KVImportExportViewController* screen = nullptr;
};

// The prompts start from what was typed last time; an export read back in applies its settings.
TEST_F(ImportExportScreenTest, FilePromptsRememberTheirNames)
{
    settings().kvAutoImport.fileExport = QStringLiteral("kiosk.plist");
    settings().allowedWebsites = {};
    settings().save();
    screen->exportToFilePrompt();
    EXPECT_EQ(Alert::visibleAlert()->textField(0)->text(), QStringLiteral("kiosk.plist"));
    answer(QStringLiteral("  fleet.plist "), QStringLiteral("Export"));
    EXPECT_TRUE(QFile::exists(documents() + QStringLiteral("/fleet.plist")));
    EXPECT_TRUE(shownMessage().contains(QStringLiteral("fleet.plist"))) << qPrintable(shownMessage());
    Alert::visibleAlert()->dismiss();

    ASSERT_TRUE(placeDocument(QStringLiteral("other.plist"), document(QStringLiteral("Library"))));
    screen->importFromFilePrompt();
    answer(QStringLiteral("other.plist"), QStringLiteral("Import"));
    EXPECT_EQ(shownMessage(), QStringLiteral("Settings imported successfully from file other.plist in Korvel documents folder."));
    ASSERT_EQ(settings().allowedWebsites.size(), 1);
    EXPECT_EQ(settings().allowedWebsites.first().title, QStringLiteral("Library"));
    Alert::visibleAlert()->dismiss();
    screen->importFromFilePrompt();
    Alert* prompt = Alert::visibleAlert();
    EXPECT_EQ(prompt->textField(0)->text(), QStringLiteral("other.plist"));

    // While a name is typed the prompt says where that file came from, and whether it is taken.
    ASSERT_TRUE(test::writeFile(documents() + QStringLiteral("/lan.txt"), "x"));
    ASSERT_TRUE(DocumentOrigins::forHome().record(documents() + QStringLiteral("/lan.txt"), DocumentOrigin::UploadWithoutCode));
    const QString asked = QStringLiteral("Please enter the Filename to import settings");
    const struct {
        const char* typed;
        const char* says;
    } origins[] = {{"other.plist", "\nother.plist: placed with korvelctl."},
                   {"lan.txt", "\nlan.txt: uploaded without the access code. It will not be imported."},
                   {"missing.plist", ""}};
    for (const auto& o : origins) {
        prompt->textField(0)->setText(QString::fromLatin1(o.typed));
        EXPECT_EQ(prompt->message(), asked + QString::fromLatin1(o.says)) << o.typed;
    }
}

// An import from an address shows its progress and ends with the result; leaving the foreground
// while it runs closes everything and applies nothing.
TEST_F(ImportExportScreenTest, AnAddressImportShowsProgressAndStopsWithTheForeground)
{
    std::atomic<bool> release{false};
    const std::string body = document(QStringLiteral("Bus times")).toStdString();
    test::ScopedHttpServer server;
    server.http().Get("/settings.plist", [&](const httplib::Request&, httplib::Response& r) { r.set_content(body, "application/xml"); });
    server.http().Get("/slow.plist", [&](const httplib::Request&, httplib::Response& r) {
        for (int i = 0; !release && i < 1000; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        r.set_content(document(QStringLiteral("Too late")).toStdString(), "application/xml");
    });
    ASSERT_TRUE(server.start());
    const QString base = server.url({});

    screen->importFromURLPrompt();
    answer(base + QStringLiteral("/settings.plist"), QStringLiteral("Import"));
    EXPECT_TRUE(screen->waitingView()->isShowing());
    ASSERT_TRUE(test::processEventsUntil([&] { return shownMessage() == QLatin1String("Settings imported successfully from URL."); }, 10000));
    EXPECT_FALSE(screen->waitingView()->isShowing());
    ASSERT_EQ(settings().allowedWebsites.size(), 1);
    EXPECT_EQ(settings().allowedWebsites.first().title, QStringLiteral("Bus times"));
    Alert::visibleAlert()->dismiss();

    screen->importFromURLPrompt();
    EXPECT_EQ(Alert::visibleAlert()->textField(0)->text(), base + QStringLiteral("/settings.plist"));
    answer(base + QStringLiteral("/slow.plist"), QStringLiteral("Import"));
    ASSERT_TRUE(test::processEventsUntil([&] { return screen->waitingView()->progress().value_or(0) >= 0.6; }, 5000));
    NotificationCenter::defaultCenter().post(kApplicationDidEnterBackgroundNotification);
    EXPECT_FALSE(screen->waitingView()->isShowing());
    release = true;
    test::processEventsUntil([] { return false; }, 500);
    EXPECT_EQ(Alert::visibleAlert(), nullptr);
    EXPECT_EQ(settings().allowedWebsites.first().title, QStringLiteral("Bus times"));
}

// The Pellmor export leaves its text file and offers it inside the kiosk.
TEST_F(ImportExportScreenTest, PellmorExportOffersItsFileInTheKiosk)
{
    screen->exportForPellmor();
    Alert* done = Alert::visibleAlert();
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->title(), QStringLiteral("Korvel"));
    done->dismissWithButton(done->buttonIndex(QStringLiteral("Share")));
    ASSERT_NE(Alert::visibleAlert(), nullptr);
    EXPECT_TRUE(Alert::visibleAlert()->message().contains(QStringLiteral("Korvel_PellmorConfig.txt")));
    EXPECT_TRUE(QFile::exists(documents() + QStringLiteral("/Korvel_PellmorConfig.txt")));
}

}  // namespace
}  // namespace korvel

namespace korvel {
namespace {

// The automatic-import rows follow the switch and the source, and what was edited is stored when
// the screen goes.
TEST_F(ImportExportScreenTest, TheAutomaticImportSectionFollowsItsSwitchAndSource)
{
    using Screen = KVImportExportViewController;
    TableView* table = screen->tableView();
    auto enabled = [&](Screen::Row row) { return table->cellWithId(row)->isEnabled(); };
    for (Screen::Row row : {Screen::AutoImportFrom, Screen::AutoImportPath, Screen::AutoImportCloudID, Screen::AutoImportPeriod})
        EXPECT_FALSE(enabled(row)) << row;

    table->cellWithId(Screen::AutoImportSwitch)->toggle()->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(enabled(Screen::AutoImportPath));
    EXPECT_FALSE(enabled(Screen::AutoImportCloudID));
    EXPECT_EQ(table->cellWithId(Screen::AutoImportPath)->textField()->text(), QStringLiteral("Korvel.plist"));

    Q_EMIT table->cellWithId(Screen::AutoImportFrom)->segmentedControl()->selectionChanged(1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(enabled(Screen::AutoImportPath));
    EXPECT_TRUE(enabled(Screen::AutoImportCloudID));
    EXPECT_EQ(table->cellWithId(Screen::AutoImportCloudID)->detailLabel()->text(), QStringLiteral("Cloud ID in use: Not Set"));

    Q_EMIT table->cellWithId(Screen::AutoImportFrom)->segmentedControl()->selectionChanged(2);
    QCoreApplication::processEvents();
    table->cellWithId(Screen::AutoImportPath)->textField()->setText(QStringLiteral("https://fleet.test/kiosk.plist"));
    table->cellWithId(Screen::AutoImportPeriod)->textField()->setText(QStringLiteral("0"));
    stack->push(new korvel::Screen, Animation::None);

    settings().load();
    const KVAutoImportSettings& stored = settings().kvAutoImport;
    EXPECT_TRUE(stored.doAutoImport);
    EXPECT_EQ(stored.importFrom, 2);
    EXPECT_EQ(stored.urlAutoImport, QStringLiteral("https://fleet.test/kiosk.plist"));
    EXPECT_EQ(stored.fileAutoImport, QStringLiteral("Korvel.plist"));
    EXPECT_EQ(stored.periodicity, 1);
}

}  // namespace
}  // namespace korvel

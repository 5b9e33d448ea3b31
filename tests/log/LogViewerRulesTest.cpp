#include "log/LogLine.h"
#include "log/LogMail.h"
#include "log/LogViewOptions.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "tests/support/TestHome.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(LogViewOptions, TapsBuildTheQuery)
{
    const QStringList all = LogQuery::viewerCategories();
    const QStringList withoutWarnings = all.mid(1);
    const struct {
        const char* name;
        std::vector<int> taps;
        LogOrder order;
        QStringList categories;
    } cases[] = {
        {"initially oldest first, every category", {}, LogOrder::OldestFirst, all},
        {"recent at top", {1}, LogOrder::NewestFirst, all},
        {"the chosen sort row stays chosen", {1, 1}, LogOrder::NewestFirst, all},
        {"recent at bottom takes the choice back", {1, 0}, LogOrder::OldestFirst, all},
        {"a category row toggles", {2}, LogOrder::OldestFirst, withoutWarnings},
        {"and toggles back", {2, 2}, LogOrder::OldestFirst, all},
        {"URL Filter stands for URL_action", {2, 3, 4, 5, 6, 7, 8, 9, 11}, LogOrder::OldestFirst, {QStringLiteral("URL_action")}},
        {"nothing chosen", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, LogOrder::OldestFirst, {}},
        {"indexes outside the options do nothing", {-1, 12}, LogOrder::OldestFirst, all},
    };
    for (const auto& c : cases) {
        LogViewOptions options;
        for (int tap : c.taps)
            options.tap(tap);
        const LogQuery query = options.query();
        EXPECT_EQ(query.order, c.order) << c.name;
        ASSERT_TRUE(query.categories.has_value()) << c.name << ": an empty choice must not mean every category";
        EXPECT_EQ(*query.categories, c.categories) << c.name;
        EXPECT_NE(options.isSelected(0), options.isSelected(1)) << c.name << ": exactly one order";
    }
}

TEST(LogLine, ToneFollowsTheLastMatchingWord)
{
    const struct {
        const char* line;
        LogTone tone;
    } cases[] = {
        {"2026-12-06 07:30:15: App General: Main Menu loaded", LogTone::Plain},
        {"2026-12-06 07:30:15: Warning: Application recieved Memory Warning", LogTone::Warning},
        {"2026-12-06 07:30:15: Error: Import failed", LogTone::Error},
        {"2026-12-06 07:30:15: Webview: URL_Blocked<http://b.test/>", LogTone::Error},
        {"2026-12-06 07:30:15: URL_action: URL_Updated<http://a.test/>", LogTone::Added},
        {"2026-12-06 07:30:15: Error: URL_Added<http://a.test/>", LogTone::Added},
        {"2026-12-06 07:30:15: URL_action: URL_Deleted<http://a.test/>", LogTone::Warning},
        {"2026-12-06 07:30:15: Warning: warning in lower case is not a match", LogTone::Warning},
        {"2026-12-06 07:30:15: App General: an error in lower case", LogTone::Plain},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LogLine::tone(QString::fromUtf8(c.line)), c.tone) << c.line;
}

TEST(LogLine, WebsiteNeedsTheAngleBrackets)
{
    const struct {
        const char* line;
        LogLineAction action;
        const char* url;
    } cases[] = {
        {"d t: Webview: URL_Blocked<http://b.test/page?x=1>", LogLineAction::AllowWebsite, "http://b.test/page?x=1"},
        {"d t: Blocked_URL_action: URL_Deleted<http://c.test/>", LogLineAction::AllowWebsite, "http://c.test/"},
        {"d t: URL_action: URL_Added<https://a.test/> <more>", LogLineAction::DeleteWebsite, "https://a.test/"},
        {"d t: URL_action: URL_Added http://a.test/", LogLineAction::None, ""},
        {"d t: URL_action: URL_Added<>", LogLineAction::None, ""},
        {"d t: URL_action: URL_Added<http://a.test/", LogLineAction::None, ""},
        {"d t: URL_action: URL_Updated<http://a.test/>", LogLineAction::None, ""},
    };
    for (const auto& c : cases) {
        const LogLineWebsite website = LogLine::website(QString::fromUtf8(c.line));
        EXPECT_EQ(website.action, c.action) << c.line;
        EXPECT_EQ(website.url, QString::fromUtf8(c.url)) << c.line;
    }
}

class LogMailTest : public test::TestHome {};

TEST_F(LogMailTest, AttachmentHoldsTheHeaderAndTheShownLines)
{
    const QString path = LogMail::writeAttachment(device, {QStringLiteral("one"), QStringLiteral("twø")}, LogMail::Place::InDocuments);
    EXPECT_EQ(path, documents() + QStringLiteral("/KV_LOG_00000000-0000-0000-0000-000000000001.txt"));
    EXPECT_EQ(QString::fromUtf8(test::readFile(path)),
              QStringLiteral("Korvel Log: Test Panel 10  Korvel, Version 1.0.0 (1)  00000000-0000-0000-0000-000000000001  "
                             "Debian GNU/Linux 12 \n \n ****************************\none\ntwø\n"));
    const MailMessage message = LogMail::message(device, path);
    EXPECT_EQ(MailClient::arguments(message),
              (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"), QStringLiteral("KV_LOG: Test Panel 10 Korvel, Version 1.0.0 (1) "),
                           QStringLiteral("--body"), QStringLiteral("<please enter short description>"), QStringLiteral("--attach"), path,
                           LogMail::supportAddress()}));
}

// The copy for the mail program never lies in Documents, which the upload server shares, and only
// its owner can read it; the copies go at the next start.
TEST_F(LogMailTest, TheCopyForTheMailProgramStaysOutOfDocuments)
{
    const QString path = LogMail::writeAttachment(device, {QStringLiteral("one")}, LogMail::Place::ForMail);
    ASSERT_FALSE(path.isEmpty());
    EXPECT_FALSE(path.startsWith(documents())) << qPrintable(path);
    EXPECT_TRUE(path.startsWith(home())) << qPrintable(path);
    EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
    EXPECT_EQ(QFileInfo(QFileInfo(path).path()).permissions() & (QFileDevice::ExeGroup | QFileDevice::ExeOther), QFileDevice::Permissions());
    EXPECT_TRUE(QDir(documents()).entryList({QStringLiteral("KV_LOG_*")}).isEmpty());
    LogMail::removeMailedCopies();
    EXPECT_FALSE(QFileInfo::exists(path));
}

// The fleet's own support receives its logs; anything but one plain address falls back.
TEST_F(LogMailTest, TheManagedConfigurationNamesWhereLogsGo)
{
    const QString fallback = QStringLiteral("support@talvex.com");
    const struct {
        QVariant configured;
        QString expected;
    } cases[] = {
        {QVariant(), fallback},
        {QStringLiteral(" it@fleet.example "), QStringLiteral("it@fleet.example")},
        {QStringLiteral("--attach=/etc/shadow@x.example"), fallback},
        {QStringLiteral("a@b.example,c@d.example"), fallback},
        {QStringLiteral("Support <it@fleet.example>"), fallback},
        {QStringLiteral("it@fleet.example\nBcc: x@y.example"), fallback},
        {QStringLiteral("no-at-sign.example"), fallback},
        {QVariantList{QStringLiteral("it@fleet.example")}, fallback},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.configured.toString().toStdString());
        ASSERT_TRUE(test::writeFile(Paths::managedConfigurationFile(),
                                    PropertyList::toXml(QVariantMap{{QLatin1String(LogMail::supportAddressKey), c.configured}})));
        restart();
        EXPECT_EQ(LogMail::supportAddress(), c.expected);
    }
}

}  // namespace
}  // namespace korvel

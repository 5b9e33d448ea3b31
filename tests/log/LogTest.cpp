#include "log/JournalForwarder.h"
#include "log/JournalPriority.h"
#include "log/KVDatabase.h"
#include "log/KVLog.h"
#include "log/KVLogBridge.h"
#include "log/LogFolding.h"
#include "log/LogQuery.h"
#include "log/SqliteDatabase.h"
#include "tests/support/TestHome.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QtEndian>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

using namespace std::chrono_literals;
using korvel::KVDatabase;
using korvel::KVLog;
using korvel::KVLogger;
using korvel::LogEntry;
using korvel::LogOrder;
using korvel::LogQuery;

namespace {

class LogTest : public korvel::test::TestHome {
protected:
    QString logPath() const { return documents() + QStringLiteral("/korvelLogDatabase.db"); }

    qint64 rowCount() const
    {
        korvel::SqliteDatabase db;
        if (!db.open(logPath()))
            return -1;
        korvel::SqliteStatement count = db.prepare("SELECT COUNT(*) FROM applicationTable");
        return count.step() == korvel::SqliteStatement::Step::Row ? count.integerColumn(0) : -1;
    }

    static QStringList events(const QList<LogEntry>& entries)
    {
        QStringList out;
        for (const LogEntry& e : entries)
            out << e.event;
        return out;
    }
};

}  // namespace

TEST_F(LogTest, CallsBeforeTheLogIsOpenedAreDropped)
{
    KVLog(QStringLiteral("App General"), QStringLiteral("too early %@"), QStringLiteral("x"));
    korvel::KVLogBridge::sharedInstance().createLogWithCategory(QStringLiteral("App General"), QStringLiteral("early"));
    EXPECT_FALSE(QFile::exists(logPath()));

    KVLogger::createDatabase_Tables();
    KVLog(QStringLiteral("App General"), QStringLiteral("Korvel Started"));
    EXPECT_EQ(events(LogQuery{}.run()), QStringList{QStringLiteral("Korvel Started")});
}

TEST_F(LogTest, TextIsStoredVerbatimWithItsTimeAndCategory)
{
    KVLogger::createDatabase_Tables();
    const QStringList messages = {
        QStringLiteral("Couldn't get shared UIPrintInteractionController!"),
        QStringLiteral("Robert'); DROP TABLE applicationTable;--"),
        QStringLiteral("\"quoted\" and 'single' and %@ and %d"),
        QStringLiteral("Grüße 😀 \n second line"),
    };
    for (const QString& m : messages)
        korvel::KVLogBridge::sharedInstance().createLogWithCategory(QStringLiteral("Import-Export Data"), m);
    KVLog(QStringLiteral("Warning"), QStringLiteral("Server running successfullly %@"), QStringLiteral("No"));

    const QList<LogEntry> entries = LogQuery{}.run();
    ASSERT_EQ(entries.size(), messages.size() + 1);
    for (qsizetype i = 0; i < messages.size(); ++i) {
        EXPECT_EQ(entries[i].event, messages[i]);
        EXPECT_EQ(entries[i].category, QStringLiteral("Import-Export Data"));
        EXPECT_EQ(entries[i].date, QStringLiteral("2026-01-05 09:00:00")) << "the clock's local time";
    }
    EXPECT_EQ(entries.last().displayLine(), QStringLiteral("2026-01-05 09:00:00: Warning: Server running successfullly No"));
    // A date that is not one is shown as it was stored.
    EXPECT_EQ((LogEntry{QStringLiteral("e"), QStringLiteral("yesterday"), QStringLiteral("c")}.displayLine()), QStringLiteral("yesterday : c: e"));
}

TEST_F(LogTest, KeepsTheNewest5000Rows)
{
    KVLogger::createDatabase_Tables();
    KVLogger& log = *KVLogger::sharedLogger();
    for (int i = 1; i <= KVLogger::retentionLimit; ++i) {
        log.insertUpdateRow(QStringLiteral("entry %1").arg(i), QStringLiteral("Webview"));
        if (i % 1000 == 0)
            clock.advance(1s);
    }
    EXPECT_EQ(rowCount(), 5000);
    log.insertUpdateRow(QStringLiteral("entry 5001"), QStringLiteral("Webview"));
    EXPECT_EQ(rowCount(), 5000);
    const QStringList kept = events(LogQuery{}.run());
    EXPECT_EQ(kept.first(), QStringLiteral("entry 2")) << "the oldest went, even among rows of the same second";
    EXPECT_EQ(kept.last(), QStringLiteral("entry 5001"));
}

// A line seen again within a minute is counted on one row after the first, whatever lines come
// between; a line not seen for a minute, or whose rows went with a cleared log, is written afresh.
TEST(LogFolding, CountsRepetitionsWithinAMinute)
{
    using Kind = korvel::LogFolding::Step::Kind;
    korvel::LogFolding folding;
    const QDateTime start = QDateTime::fromSecsSinceEpoch(1700000000);
    const QString a = QStringLiteral("Loading URL: http://a.test/"), b = QStringLiteral("decidePolicyForNavigationAction");
    const struct {
        int second;
        QString message;
        Kind kind;
        QString text;
    } steps[] = {
        {0, a, Kind::Write, {}},
        {0, b, Kind::Write, {}},
        {1, a, Kind::InsertCount, a + QStringLiteral(" ... repeated 1 times")},
        {1, b, Kind::InsertCount, b + QStringLiteral(" ... repeated 1 times")},
        {50, a, Kind::UpdateCount, a + QStringLiteral(" ... repeated 2 times")},
        {109, a, Kind::UpdateCount, a + QStringLiteral(" ... repeated 3 times")},
        // b was last seen at second 1.
        {109, b, Kind::Write, {}},
        {200, a, Kind::Write, {}},
        {201, a, Kind::InsertCount, a + QStringLiteral(" ... repeated 1 times")},
    };
    qint64 row = 100;
    for (const auto& s : steps) {
        const korvel::LogFolding::Step step = folding.next(QStringLiteral("Webview"), s.message, start.addSecs(s.second));
        EXPECT_EQ(step.kind, s.kind) << s.second << " " << qPrintable(s.message);
        EXPECT_EQ(step.text, s.text) << s.second;
        if (step.kind == Kind::InsertCount)
            folding.countWritten(QStringLiteral("Webview"), s.message, ++row);
    }
    // The same text in another category is another line.
    EXPECT_EQ(folding.next(QStringLiteral("debug"), a, start.addSecs(202)).kind, Kind::Write);
}

// A page that reloads itself all day leaves four rows, and the administrator's events before it
// stay in the log; a cleared log starts the line afresh.
TEST_F(LogTest, RepeatedLinesAreFoldedAndCannotPushOtherEventsOut)
{
    KVLogger::createDatabase_Tables();
    KVLog(QStringLiteral("Settings"), QStringLiteral("Password Changed"));
    for (int i = 0; i < 6000; ++i) {
        KVLog(QStringLiteral("debug"), QStringLiteral("decidePolicyForNavigationAction"));
        KVLog(QStringLiteral("Webview"), QStringLiteral("Loading URL: %@"), QStringLiteral("http://reload.test/"));
        if (i % 100 == 0)
            clock.advance(1s);
    }
    EXPECT_EQ(events(LogQuery{}.run()), (QStringList{QStringLiteral("Password Changed"), QStringLiteral("decidePolicyForNavigationAction"),
                                                       QStringLiteral("Loading URL: http://reload.test/"),
                                                       QStringLiteral("decidePolicyForNavigationAction ... repeated 5999 times"),
                                                       QStringLiteral("Loading URL: http://reload.test/ ... repeated 5999 times")}));
    ASSERT_TRUE(KVLogger::sharedLogger()->clear(QStringLiteral("DELETE FROM applicationTable")));
    KVLog(QStringLiteral("debug"), QStringLiteral("decidePolicyForNavigationAction"));
    EXPECT_EQ(events(LogQuery{}.run()), QStringList{QStringLiteral("decidePolicyForNavigationAction")});
}

TEST_F(LogTest, ConcurrentThreadsLoseNothing)
{
    KVLogger::createDatabase_Tables();
    std::vector<std::unique_ptr<QThread>> threads;
    std::atomic<int> failures{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back(QThread::create([t, &failures] {
            for (int i = 0; i < 1000; ++i) {
                if (!KVLogger::sharedLogger()->insertUpdateRow(QStringLiteral("thread %1 entry %2").arg(t).arg(i),
                                                               QStringLiteral("KVServerConnection")))
                    ++failures;
            }
        }));
    }
    for (auto& thread : threads)
        thread->start();
    for (auto& thread : threads)
        thread->wait();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(rowCount(), 4000);
}

TEST_F(LogTest, ASecondProcessWritingAtTheSameTimeLosesNothing)
{
    KVLogger::createDatabase_Tables();
    QProcess other;
    other.start(QCoreApplication::applicationDirPath() + QStringLiteral("/log_writer"), {home(), QStringLiteral("1500")});
    ASSERT_TRUE(other.waitForReadyRead(10000));
    for (int i = 0; i < 1500; ++i)
        ASSERT_TRUE(KVLogger::sharedLogger()->insertUpdateRow(QStringLiteral("this process %1").arg(i), QStringLiteral("Export")));
    ASSERT_TRUE(other.waitForFinished(60000));
    EXPECT_EQ(other.exitCode(), 0);
    EXPECT_EQ(rowCount(), 3000);
}

TEST_F(LogTest, QueriesFilterOrderAndSearch)
{
    KVLogger::createDatabase_Tables();
    KVLog(QStringLiteral("Warning"), QStringLiteral("Application recieved Memory Warning"));
    clock.advance(1s);
    KVLog(QStringLiteral("URL_action"), QStringLiteral("URL_Added<%@>"), QStringLiteral("http://a.test/"));
    clock.advance(1s);
    KVLog(QStringLiteral("Import-Export Data"), QStringLiteral("Files object is available in plist."));

    const struct {
        const char* name;
        LogQuery query;
        QStringList expected;
    } cases[] = {
        {"everything, oldest first", LogQuery{},
         {QStringLiteral("Application recieved Memory Warning"), QStringLiteral("URL_Added<http://a.test/>"),
          QStringLiteral("Files object is available in plist.")}},
        {"newest first", LogQuery{std::nullopt, LogOrder::NewestFirst, {}},
         {QStringLiteral("Files object is available in plist."), QStringLiteral("URL_Added<http://a.test/>"),
          QStringLiteral("Application recieved Memory Warning")}},
        {"the viewer's categories leave others out", LogQuery{LogQuery::viewerCategories(), LogOrder::OldestFirst, {}},
         {QStringLiteral("Application recieved Memory Warning"), QStringLiteral("URL_Added<http://a.test/>")}},
        {"nothing selected shows nothing", LogQuery{QStringList{}, LogOrder::OldestFirst, {}}, {}},
        {"a category name with a quote is a value, not SQL",
         LogQuery{QStringList{QStringLiteral("x') OR ('1'='1")}, LogOrder::OldestFirst, {}}, {}},
        {"search ignores case and sees the category", LogQuery{std::nullopt, LogOrder::OldestFirst, QStringLiteral("warning")},
         {QStringLiteral("Application recieved Memory Warning")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(events(c.query.run()), c.expected) << c.name;

    ASSERT_TRUE(KVLogger::sharedLogger()->clear(QStringLiteral("DELETE FROM applicationTable")));
    EXPECT_TRUE(LogQuery{}.run().isEmpty());
}

TEST_F(LogTest, CloudIdHistoryKeepsOneRowPerIdWithItsLatestUse)
{
    KVDatabase& history = KVDatabase::getDatabaseObject();
    ASSERT_TRUE(history.createTable());
    ASSERT_TRUE(history.insertUpdateRow(QStringLiteral("ABCDEFGHIJ"), 0));
    clock.advance(60s);
    ASSERT_TRUE(history.insertUpdateRow(QStringLiteral("KLMNOPQRST"), 2));
    clock.advance(60s);
    ASSERT_TRUE(history.insertUpdateRow(QStringLiteral("ABCDEFGHIJ"), 1));
    ASSERT_TRUE(history.insertUpdateRow(QStringLiteral("it's'; DROP TABLE korvelIEDatabase;--"), 0));

    const QList<korvel::CloudIDHistoryRow> rows = history.history();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].cloudID, QStringLiteral("it's'; DROP TABLE korvelIEDatabase;--")) << "newest first";
    EXPECT_EQ(rows[1], (korvel::CloudIDHistoryRow{QStringLiteral("ABCDEFGHIJ"), 1, QStringLiteral("2026-01-05 09:02:00")}));
    EXPECT_EQ(rows[2].action, 2);

    ASSERT_TRUE(history.clear());
    EXPECT_TRUE(history.history().isEmpty());
}

TEST_F(LogTest, CloudIdHistoryRepairsAFileWithoutItsTable)
{
    {
        korvel::SqliteDatabase db;
        ASSERT_TRUE(db.open(documents() + QStringLiteral("/korvelDatabase.db")));
        ASSERT_TRUE(db.exec("CREATE TABLE unrelated (x)"));
    }
    KVDatabase& history = KVDatabase::getDatabaseObject();
    ASSERT_TRUE(history.createTable());
    EXPECT_TRUE(history.insertUpdateRow(QStringLiteral("ABCDEFGHIJ"), 0));
    EXPECT_EQ(history.history().size(), 1);
}

namespace {

// The journal's native datagram read back into its fields.
QMap<QByteArray, QByteArray> journalFields(const QByteArray& datagram)
{
    QMap<QByteArray, QByteArray> fields;
    qsizetype at = 0;
    while (at < datagram.size()) {
        const qsizetype end = datagram.indexOf('\n', at);
        if (end < 0)
            break;
        const QByteArray line = datagram.mid(at, end - at);
        const qsizetype equals = line.indexOf('=');
        if (equals >= 0) {
            fields.insert(line.left(equals), line.mid(equals + 1));
            at = end + 1;
            continue;
        }
        quint64 size = 0;
        std::memcpy(&size, datagram.constData() + end + 1, sizeof size);
        fields.insert(line, datagram.mid(end + 1 + qsizetype(sizeof size), qsizetype(qFromLittleEndian(size))));
        at = end + 1 + qsizetype(sizeof size) + qsizetype(qFromLittleEndian(size)) + 1;
    }
    return fields;
}

}  // namespace

// Every entry also reaches the journal with its category in a field of its own; turned off, none.
TEST_F(LogTest, EntriesReachTheJournalWithTheirCategory)
{
    const QString path = documents() + QStringLiteral("/journal");
    const int journal = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.toLocal8Bit().constData());
    ASSERT_EQ(bind(journal, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    korvel::JournalForwarder::setSocketPath(path);
    korvel::JournalForwarder::setEnabled(true);
    KVLogger::createDatabase_Tables();

    KVLog(QStringLiteral("Import"), QStringLiteral("Settings Imported from file successfully"));
    KVLog(QStringLiteral("debug"), QStringLiteral("decidePolicyForNavigationAction"));
    KVLog(QStringLiteral("URL_action"), QStringLiteral("Blocked: %@"), QStringLiteral("http://a.test/\nKORVEL_CATEGORY=forged"));
    korvel::JournalForwarder::setEnabled(false);
    KVLog(QStringLiteral("Import"), QStringLiteral("not forwarded"));

    QList<QMap<QByteArray, QByteArray>> received;
    char buffer[4096];
    for (ssize_t n; (n = recv(journal, buffer, sizeof buffer, 0)) > 0;)
        received.append(journalFields(QByteArray(buffer, int(n))));
    close(journal);
    korvel::JournalForwarder::setSocketPath(QString());
    korvel::JournalForwarder::setEnabled(true);

    // Navigation tracing stays in the device's own log.
    ASSERT_EQ(received.size(), 2);
    EXPECT_EQ(received[0].value("MESSAGE"), QByteArray("Settings Imported from file successfully"));
    EXPECT_EQ(received[0].value("PRIORITY"), QByteArray("5"));
    EXPECT_EQ(received[1].value("PRIORITY"), QByteArray("4"));
    EXPECT_EQ(received[0].value("KORVEL_CATEGORY"), QByteArray("Import"));
    EXPECT_EQ(received[0].value("SYSLOG_IDENTIFIER"), QByteArray("korvel"));
    // A line break in a logged address cannot forge a field.
    EXPECT_EQ(received[1].value("MESSAGE"), QByteArray("Blocked: http://a.test/\nKORVEL_CATEGORY=forged"));
    EXPECT_EQ(received[1].value("KORVEL_CATEGORY"), QByteArray("URL_action"));
}

// A fleet filters by priority: failures at 3, refusals at 4, what an administrator or an import
// changed at 5, the kiosk's ordinary events at 6; developer tracing is not sent at all.
TEST(JournalPriority, FollowsWhatTheEntryReports)
{
    const struct {
        const char* category;
        const char* message;
        std::optional<int> priority;
    } cases[] = {
        {"Error", "Print Failed! Due to error in domain x with error code 3", 3},
        {"App General", "Mail sent failure: no mail program", 3},
        {"Import", "Settings from device management not imported: not a settings document", 3},
        {"App General", "Server running successfullly No", 3},
        {"App General", "Display not turned: xrandr could not be run", 3},
        {"URL_action", "URL_Blocked<http://casino.test/>", 4},
        {"Keyword Block", "URL blocked for, Keyword:poker", 4},
        {"KVServerConnection", "Upload refused (outside the documents directory): ../x", 4},
        {"KVServerConnection", "Wrong access code (3 in a row, next attempt in 8 s): 10.0.0.2", 4},
        {"Warning", "Application recieved Memory Warning", 4},
        {"App General", "Window restored: minimised", 4},
        {"URL_action", "URL_Added<http://example.com>", 5},
        {"Settings", "Password Changed", 5},
        {"Import", "Settings Imported from file successfully", 5},
        {"App General", "Korvel Started", 5},
        {"App General", "Start: Korvel 1.0.0 (build 1), Qt WebEngine 6.4.2 (Chromium 102.0.5005.177), Render path: software, settings 0a1b", 5},
        {"App General", "Blocked Websites menu loaded", 6},
        {"Webview", "Loading URL: http://example.com/", 6},
        {"App General", "Application Entered Foreground", 6},
        {"debug", "decidePolicyForNavigationAction", std::nullopt},
        {"Import-Export Data", "Files object is available in plist.", std::nullopt},
        {"App General", "External URL Scheme:https", std::nullopt},
        {"App General", "External URL RootDomain:example.com", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(korvel::JournalPriority::of(QLatin1String(c.category), QLatin1String(c.message)), c.priority)
            << c.category << ": " << c.message;
}

#include "remote/MetricsText.h"
#include "remote/RemoteGate.h"
#include "remote/RemoteRoutes.h"
#include "remote/RemoteToken.h"
#include "tests/remote/PrometheusParser.h"
#include "tests/support/TestHome.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <sys/stat.h>

using korvel::RemoteGate;
using namespace std::chrono;

namespace {

using V = RemoteGate::Verdict;

// One client's calls in order: token given, token right, milliseconds from the start, the verdict.
TEST(RemoteGate, BacksOffWrongTokensAndForgivesARightOne)
{
    struct Step {
        const char* what;
        const char* client;
        bool hasToken;
        bool right;
        qint64 at;
        V verdict;
        qint64 retryAfter = 0;
    };
    const Step steps[] = {
        {"a right token passes", "a", true, true, 0, V::Pass},
        {"no token", "a", false, false, 10, V::NoToken},
        {"first wrong token", "a", true, false, 20, V::WrongToken},
        {"second wrong token", "a", true, false, 30, V::WrongToken},
        {"fourth failure locks for 1 s", "a", true, false, 40, V::WrongToken},
        {"locked: even the right token is not heard", "a", true, true, 500, V::LockedOut, 1},
        {"another client is not held back", "b", true, true, 600, V::Pass},
        {"after the second, a wrong token locks for 2 s", "a", true, false, 1100, V::WrongToken},
        {"still locked", "a", true, true, 3000, V::LockedOut, 1},
        {"then a right token passes", "a", true, true, 3200, V::Pass},
        {"and the count starts again", "a", true, false, 3300, V::WrongToken},
        {"a second wrong one", "a", true, false, 3400, V::WrongToken},
        {"a third", "a", true, false, 3500, V::WrongToken},
        {"the fourth locks again, 1 s", "a", true, false, 3600, V::WrongToken},
        {"locked", "a", true, true, 4500, V::LockedOut, 1},
    };
    RemoteGate gate;
    for (const Step& s : steps) {
        const RemoteGate::Answer a = gate.admit(QString::fromLatin1(s.client), s.hasToken, s.right, milliseconds(s.at));
        EXPECT_EQ(a.verdict, s.verdict) << s.what;
        EXPECT_EQ(a.retryAfter.count(), s.retryAfter) << s.what;
    }
}

TEST(RemoteGate, LockoutDoublesUpToFiveMinutes)
{
    RemoteGate gate;
    milliseconds now(0);
    seconds last(0);
    for (int i = 0; i < 20; ++i) {
        gate.admit(QStringLiteral("x"), true, false, now);
        if (i >= RemoteGate::freeFailures) {
            // The right token while locked is not heard, and so forgives nothing.
            const RemoteGate::Answer locked = gate.admit(QStringLiteral("x"), true, true, now);
            ASSERT_EQ(locked.verdict, V::LockedOut) << i;
            EXPECT_GE(locked.retryAfter, last) << i;
            last = locked.retryAfter;
            now += duration_cast<milliseconds>(locked.retryAfter);
        }
    }
    EXPECT_EQ(last, RemoteGate::longestLockout);
}

TEST(RemoteGate, LimitsCallsPerSecondAndKeepsItsMemoryBounded)
{
    RemoteGate gate;
    int passed = 0;
    for (int i = 0; i < RemoteGate::perSecond + 10; ++i)
        passed += gate.admit(QStringLiteral("fast"), true, true, milliseconds(i)) .verdict == V::Pass;
    EXPECT_EQ(passed, RemoteGate::perSecond);
    EXPECT_EQ(gate.admit(QStringLiteral("fast"), true, true, milliseconds(1000)).verdict, V::Pass) << "a new second";
    // Addresses beyond the kept number push the oldest out; a locked client is kept longest.
    for (int i = 0; i < 4; ++i)
        gate.admit(QStringLiteral("guesser"), true, false, milliseconds(2000));
    for (int i = 0; i < RemoteGate::clientsKept * 2; ++i)
        gate.admit(QStringLiteral("10.0.%1").arg(i), false, false, milliseconds(2000 + i / 1000));
    EXPECT_EQ(gate.admit(QStringLiteral("guesser"), true, true, milliseconds(2500)).verdict, V::LockedOut);
}

TEST(RemoteRoutes, FindsExactlyTheRoutes)
{
    struct Case {
        const char* method;
        const char* path;
        const char* command;  // nullptr: none
        bool otherMethod;
    };
    const Case cases[] = {
        {"GET", "/v1/status", "kiosk.status", false},
        {"GET", "/metrics", "kiosk.status", false},
        {"POST", "/v1/navigate", "kiosk.navigate", false},
        {"POST", "/v1/status", nullptr, true},
        {"GET", "/v1/navigate", nullptr, true},
        {"GET", "/v1/status/", nullptr, false},
        {"GET", "/v1//status", nullptr, false},
        {"GET", "/v1/../v1/status", nullptr, false},
        {"GET", "/V1/STATUS", nullptr, false},
        {"GET", "/v1/status%00", nullptr, false},
        {"GET", "/", nullptr, false},
    };
    for (const Case& c : cases) {
        const korvel::RemoteRoutes::Match m = korvel::RemoteRoutes::find(c.method, c.path);
        EXPECT_EQ(m.route ? QString::fromLatin1(m.route->command) : QString(), QString::fromLatin1(c.command ? c.command : ""))
            << c.method << ' ' << c.path;
        EXPECT_EQ(m.otherMethod, c.otherMethod) << c.method << ' ' << c.path;
    }
}

TEST(RemoteRoutes, TakesOnlyTheBodyARouteTakes)
{
    struct Case {
        const char* path;
        const char* method;
        QByteArray body;
        bool taken;
    };
    const Case cases[] = {
        {"/v1/reload", "POST", "", true},
        {"/v1/reload", "POST", "{}", true},
        {"/v1/reload", "POST", "{\"x\":1}", false},
        {"/v1/navigate", "POST", "{\"url\":\"https://a.test/\"}", true},
        {"/v1/navigate", "POST", "[1]", false},
        {"/v1/navigate", "POST", "not json", false},
        {"/v1/navigate", "POST", "", false},
        {"/v1/settings", "POST", "", false},
        {"/v1/settings", "POST", QByteArray("bplist00\0\xff", 10), true},
    };
    for (const Case& c : cases) {
        const korvel::RemoteRoutes::Match m = korvel::RemoteRoutes::find(c.method, c.path);
        ASSERT_TRUE(m.route) << c.path;
        QString problem;
        const auto command = korvel::RemoteRoutes::command(*m.route, c.body, {}, &problem);
        EXPECT_EQ(command.has_value(), c.taken) << c.path << ' ' << c.body.constData();
        if (command && m.route->body == korvel::RemoteRoute::Body::Document)
            EXPECT_EQ(QByteArray::fromBase64(command->arguments.value(QStringLiteral("document")).toString().toLatin1()), c.body);
    }
}

class RemoteTokenTest : public korvel::test::TestHome {};

TEST_F(RemoteTokenTest, KeepsOnlyTheHashOwnerOnlyAndChecksIt)
{
    EXPECT_FALSE(korvel::RemoteToken::storedHash()) << "no token yet: nothing opens";
    QString error;
    const std::optional<QString> token = korvel::RemoteToken::renew(&error);
    ASSERT_TRUE(token) << qPrintable(error);
    EXPECT_EQ(token->size(), 43);
    const QByteArray kept = korvel::test::readFile(korvel::RemoteToken::hashFile());
    EXPECT_FALSE(kept.contains(token->toLatin1()));
    struct stat info{};
    ASSERT_EQ(stat(QFile::encodeName(korvel::RemoteToken::hashFile()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const std::optional<QByteArray> hash = korvel::RemoteToken::storedHash();
    ASSERT_TRUE(hash);
    struct Case {
        QByteArray header;
        bool opens;
    };
    const Case cases[] = {
        {"Bearer " + token->toLatin1(), true},
        {"bearer " + token->toLatin1(), true},
        {"Bearer " + token->toLatin1() + "x", false},
        {"Basic " + token->toLatin1(), false},
        {token->toLatin1(), false},
        {"Bearer ", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(korvel::RemoteToken::matches(korvel::RemoteToken::fromAuthorization(c.header), *hash), c.opens) << c.header.constData();
    // A new token replaces the old one; a damaged file opens nothing.
    ASSERT_TRUE(korvel::RemoteToken::renew(&error));
    EXPECT_FALSE(korvel::RemoteToken::matches(token->toLatin1(), *korvel::RemoteToken::storedHash()));
    ASSERT_TRUE(korvel::test::writeFile(korvel::RemoteToken::hashFile(), "zz" + kept.mid(2)));
    EXPECT_FALSE(korvel::RemoteToken::storedHash());
}

TEST(MetricsText, IsValidPrometheusTextWithEveryFigure)
{
    const QJsonObject status{
        {QStringLiteral("version"), QStringLiteral("1.0 \"beta\"\\x\nnext")},
        {QStringLiteral("engineVersion"), QStringLiteral("Qt WebEngine 6.4.2")},
        {QStringLiteral("uptimeSeconds"), 42},
        {QStringLiteral("screenOn"), true},
        {QStringLiteral("brightness"), 0.75},
        {QStringLiteral("network"), QStringLiteral("online")},
        {QStringLiteral("memory"), QJsonObject{{QStringLiteral("korvelBytes"), 1e8},
                                               {QStringLiteral("renderers"), QJsonArray{QJsonObject{{QStringLiteral("pid"), 7}, {QStringLiteral("bytes"), 5e7}},
                                                                                        QJsonObject{{QStringLiteral("pid"), 9}, {QStringLiteral("bytes"), 6e7}}}}}},
        {QStringLiteral("counts"), QJsonObject{{QStringLiteral("rendererCrashes"), 2}, {QStringLiteral("refusedNavigations"), 3}}},
        {QStringLiteral("frames"), QJsonArray{QJsonObject{{QStringLiteral("window"), QStringLiteral("main")}, {QStringLiteral("ageMs"), 31500}},
                                              QJsonObject{{QStringLiteral("window"), QStringLiteral("second")}, {QStringLiteral("ageMs"), -1}}}},
    };
    QString error;
    const auto series = korvel::test::parsePrometheus(korvel::MetricsText::fromStatus(status), &error);
    ASSERT_TRUE(series) << qPrintable(error);
    EXPECT_EQ(series->value(QStringLiteral("korvel_uptime_seconds")).value, 42);
    EXPECT_EQ(series->value(QStringLiteral("korvel_renderer_memory_bytes{pid=\"9\"}")).value, 6e7);
    EXPECT_EQ(series->value(QStringLiteral("korvel_renderer_crashes_total")).type, QStringLiteral("counter"));
    EXPECT_EQ(series->value(QStringLiteral("korvel_refused_navigations_total")).value, 3);
    EXPECT_EQ(series->value(QStringLiteral("korvel_screen_brightness")).value, 0.75);
    EXPECT_EQ(series->value(QStringLiteral("korvel_network_up")).value, 1);
    // A frozen window shows as an old frame; one that never drew is told apart from a fresh one.
    EXPECT_EQ(series->value(QStringLiteral("korvel_last_frame_age_seconds{window=\"main\"}")).value, 31.5);
    EXPECT_EQ(series->value(QStringLiteral("korvel_last_frame_age_seconds{window=\"second\"}")).value, -1);
    // The parser itself refuses what Prometheus refuses.
    for (const char* bad : {"x 1", "9x 1\n", "x{a=\"1\" 2\n", "x{a=\"\\q\"} 1\n", "x one\n", "x 1\nx 2\n", "# TYPE x gauge\n# TYPE x gauge\n"})
        EXPECT_FALSE(korvel::test::parsePrometheus(bad, &error)) << bad;
}

}  // namespace

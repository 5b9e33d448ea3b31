#include "files/UploadAccessGate.h"
#include "platform/MockClock.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using korvel::UploadAccessGate;
using Origin = UploadAccessGate::Origin;
using Verdict = UploadAccessGate::Verdict;

namespace {

const char* verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Open:
        return "open";
    case Verdict::Granted:
        return "granted";
    case Verdict::Missing:
        return "missing";
    case Verdict::Wrong:
        return "wrong";
    case Verdict::TooSoon:
        return "too soon";
    }
    return "?";
}

}  // namespace

TEST(UploadAccessGate, WaitsDoubleFromOneSecondAndStopAtTheBound)
{
    const struct {
        int failures;
        std::chrono::milliseconds wait;
    } cases[] = {{0, 0ms}, {1, 1s}, {2, 2s}, {3, 4s}, {6, 32s}, {7, 60s}, {40, 60s}, {1000000, 60s}};
    for (const auto& c : cases)
        EXPECT_EQ(UploadAccessGate::waitAfter(c.failures), c.wait) << c.failures << " failures";
}

TEST(UploadAccessGate, OnlyTheUploadPageGoesWithoutTheCodeFromAnyAddress)
{
    const struct {
        const char* method;
        const char* path;
        bool needsCode;
    } cases[] = {
        {"GET", "/", false},
        {"GET", "/upload", false},
        {"HEAD", "/upload/upload.js", false},
        {"GET", "/error", false},
        {"GET", "/uploads", true},
        {"GET", "/files", true},
        {"GET", "/Documents/page.html", true},
        {"GET", "/Documents", true},
        {"POST", "/upload", true},
        {"PUT", "/upload", true},
        {"DELETE", "/Delete/", true},
        {"OPTIONS", "/upload", true},
        {"GET", "/nowhere", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UploadAccessGate::needsCode(c.method, c.path), c.needsCode) << c.method << ' ' << c.path;
}

TEST(UploadAccessGate, ClientsAreKnownByTheirIPv4AddressOrIPv6Network)
{
    const struct {
        const char* address;
        Origin origin;
        const char* key;
    } cases[] = {
        {"127.0.0.1", Origin::Loopback, "127.0.0.1"},
        {"::ffff:127.0.0.1", Origin::Loopback, "127.0.0.1"},
        {"::ffff:127.9.9.9", Origin::Loopback, "127.9.9.9"},
        {"::1", Origin::Loopback, "0000000000000000/64"},
        {"192.168.1.7", Origin::Network, "192.168.1.7"},
        {"::ffff:192.168.1.7", Origin::Network, "192.168.1.7"},
        {"::ffff:128.0.0.1", Origin::Network, "128.0.0.1"},
        {"2001:db8:1:2::5", Origin::Network, "20010db800010002/64"},
        {"2001:db8:1:2:ffff:1:2:3", Origin::Network, "20010db800010002/64"},
        {"fe80::1%eth0", Origin::Network, "fe80000000000000/64"},
        {"::2", Origin::Network, "0000000000000000/64"},
        {"not an address", Origin::Network, "not an address"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UploadAccessGate::originOf(c.address), c.origin) << c.address;
        EXPECT_EQ(UploadAccessGate::clientKey(c.address), QString::fromLatin1(c.key)) << c.address;
    }
}

TEST(UploadAccessGate, CodesMatchOnlyWhole)
{
    const QByteArray expected = UploadAccessGate::digestOf("2468 Zürich");
    const struct {
        QByteArray given;
        bool same;
    } cases[] = {
        {"2468 Zürich", true}, {"2468 Zurich", false}, {"2468 Zürich ", false}, {"2468", false}, {"", false},
        {QByteArray("2468 Zürich\0", 13), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UploadAccessGate::sameCode(expected, c.given), c.same) << c.given.toStdString();
}

// Mock time: each step is taken so many milliseconds after the previous one.
TEST(UploadAccessGate, WrongCodesMakeTheirClientWaitLongerWithoutHoldingOthersBack)
{
    korvel::MockClock clock;
    UploadAccessGate gate(QStringLiteral("2468"));
    const QString phone = QStringLiteral("192.168.1.7");
    const QString other = QStringLiteral("192.168.1.8");
    const struct {
        std::chrono::milliseconds after;
        QString client;
        const char* code;  // nullptr: none sent
        Verdict verdict;
        int failures;
        std::chrono::milliseconds wait;
    } steps[] = {
        {0ms, phone, nullptr, Verdict::Missing, 0, 0ms},
        {0ms, phone, "1111", Verdict::Wrong, 1, 1s},
        {0ms, phone, "2468", Verdict::TooSoon, 1, 1s},
        {0ms, other, "2468", Verdict::Granted, 0, 0ms},
        {999ms, phone, "2222", Verdict::TooSoon, 1, 1ms},
        {1ms, phone, "2222", Verdict::Wrong, 2, 2s},
        {0ms, phone, nullptr, Verdict::Missing, 2, 0ms},
        {1s, phone, "2468", Verdict::TooSoon, 2, 1s},
        {1s, phone, "3333", Verdict::Wrong, 3, 4s},
        {4s, phone, "4444", Verdict::Wrong, 4, 8s},
        {8s, phone, "2468", Verdict::Granted, 0, 0ms},
        {0ms, phone, "5555", Verdict::Wrong, 1, 1s},
        {15min, phone, "6666", Verdict::Wrong, 1, 1s},  // forgotten after a quiet while
        {-1h, phone, "2468", Verdict::Granted, 0, 0ms},  // a clock set back does not stretch the wait
    };
    int index = 0;
    for (const auto& s : steps) {
        clock.setNow(clock.now().addMSecs(s.after.count()));
        const QByteArray code(s.code ? s.code : "");
        const UploadAccessGate::Answer answer = gate.check(s.client, s.code ? &code : nullptr, clock.now());
        SCOPED_TRACE(testing::Message() << "step " << index++);
        EXPECT_STREQ(verdictName(answer.verdict), verdictName(s.verdict));
        EXPECT_EQ(answer.failures, s.failures);
        EXPECT_EQ(answer.wait, s.wait);
    }
    const QByteArray any("anything");
    EXPECT_EQ(UploadAccessGate(QString()).check(phone, &any, clock.now()).verdict, Verdict::Open);
}

TEST(UploadAccessGate, AFullTableForgetsTheClientThatFailedLongestAgo)
{
    korvel::MockClock clock;
    UploadAccessGate gate(QStringLiteral("2468"), UploadAccessGate::Budget{1 << 20, 1ms});
    const QByteArray wrong("0000");
    for (int i = 0; i <= UploadAccessGate::clientLimit; ++i) {
        clock.advance(1ms);
        gate.check(QStringLiteral("client %1").arg(i), &wrong, clock.now());
    }
    clock.advance(2s);
    EXPECT_EQ(gate.check(QStringLiteral("client 0"), &wrong, clock.now()).failures, 1) << "forgotten to make room";
    EXPECT_EQ(gate.check(QStringLiteral("client 2"), &wrong, clock.now()).failures, 2) << "still remembered";
}

// Fifty addresses together guess no faster than the shared budget lets them; the log is told who.
TEST(UploadAccessGate, ManyAddressesShareOneBudgetOfWrongCodes)
{
    korvel::MockClock clock;
    UploadAccessGate gate(QStringLiteral("2468"));
    const UploadAccessGate::Budget budget;
    const QByteArray wrong("0000");
    const QByteArray right("2468");
    int compared = 0;
    QStringList pausedBy;
    for (int round = 0; round < 20; ++round) {
        if (round > 0)
            clock.advance(UploadAccessGate::maxWait);  // every client's own wait is over
        for (int client = 0; client < 50; ++client) {
            const UploadAccessGate::Answer answer = gate.check(QStringLiteral("10.0.0.%1").arg(client), &wrong, clock.now());
            compared += answer.verdict == Verdict::Wrong;
            if (!answer.pausedBy.isEmpty())
                pausedBy << answer.pausedBy;
        }
    }
    // 19 waits of 60 s bring back 38 of the budget's codes.
    EXPECT_EQ(compared, budget.size + 19 * int(UploadAccessGate::maxWait / budget.refill));
    ASSERT_FALSE(pausedBy.isEmpty());
    EXPECT_TRUE(pausedBy.first().startsWith(QStringLiteral("10.0.0."))) << qPrintable(pausedBy.first());
    EXPECT_EQ(pausedBy.size(), 1) << "the pause is told once while it lasts";
    // While the budget is spent even the right code waits; once a code's worth has come back it opens.
    const UploadAccessGate::Answer paused = gate.check(QStringLiteral("10.0.1.1"), &right, clock.now());
    EXPECT_STREQ(verdictName(paused.verdict), "too soon");
    EXPECT_GT(paused.wait, 0ms);
    clock.advance(paused.wait);
    EXPECT_STREQ(verdictName(gate.check(QStringLiteral("10.0.1.1"), &right, clock.now()).verdict), "granted");
}

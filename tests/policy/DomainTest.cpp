#include "policy/DomainHelper.h"
#include "policy/PSLParser.h"
#include "policy/TLDExtract.h"
#include "tests/support/ScopedEnv.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <latch>
#include <set>
#include <thread>

namespace korvel {
namespace {

constexpr const char* none = nullptr;

// A result written as "root|tld|second|sub" with "-" for an absent part, or "<none>".
std::string describe(const std::optional<TLDResult>& result)
{
    if (!result)
        return "<none>";
    const auto part = [](const std::optional<QString>& value) { return value ? value->toStdString() : "-"; };
    return part(result->rootDomain) + "|" + part(result->topLevelDomain) + "|" + part(result->secondLevelDomain)
        + "|" + part(result->subDomain);
}

std::string describe(const std::optional<QString>& host) { return host ? host->toStdString() : "<none>"; }

TLDParser smallParser(const char* list)
{
    PSLParse parsed = PSLParser::parse(QByteArray(list));
    EXPECT_TRUE(parsed.ok());
    return TLDParser(std::move(parsed.dataSet));
}

std::vector<std::string> ruleTexts(const QList<PSLData>& rules)
{
    std::vector<std::string> texts;
    for (const PSLData& rule : rules) {
        QStringList labels;
        for (const PSLDataPart& part : rule.tldParts)
            labels << (part.kind == PSLDataPart::Kind::wildcard ? QStringLiteral("*") : part.text);
        texts.push_back((rule.isException ? "!" : "") + labels.join(QLatin1Char('.')).toStdString() + "/"
                        + std::to_string(rule.priority));
    }
    return texts;
}

TEST(PSLParser, SortsLinesIntoExceptionsWildcardsAndNormals)
{
    const PSLParse parsed = PSLParser::parse(QByteArray("// ===BEGIN ICANN DOMAINS===\n"
                                                        "com\n"
                                                        "\n"
                                                        "   \t\n"
                                                        "*.ck\n"
                                                        "!www.ck\n"
                                                        "// *.commented.out\n"
                                                        "co.uk\r\n"
                                                        "\xe5\x85\xac\xe5\x8f\xb8.cn\n"
                                                        "*.compute.example\n"
                                                        "!city.kawasaki.jp\n"
                                                        "org \n"
                                                        "last"));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(ruleTexts(parsed.dataSet.exceptions),
              (std::vector<std::string>{"!www.ck/1002", "!city.kawasaki.jp/1003"}));
    EXPECT_EQ(ruleTexts(parsed.dataSet.wildcards), (std::vector<std::string>{"*.ck/2", "*.compute.example/3"}));
    std::set<std::string> normals;
    for (const QString& rule : parsed.dataSet.normals)
        normals.insert(rule.toStdString());
    // The rule text is kept untrimmed ("org "); a CR LF line break is still a line break.
    EXPECT_EQ(normals, (std::set<std::string>{"co.uk", "com", "last", "org ", "\xe5\x85\xac\xe5\x8f\xb8.cn"}));
    // Order and equality look at the priority alone.
    EXPECT_EQ(PSLData::fromLine(u"a.*"), PSLData::fromLine(u"*.b"));
    EXPECT_LT(PSLData::fromLine(u"*.x.y.z"), PSLData::fromLine(u"!a"));
}

TEST(PSLParser, RefusesBytesThatAreNoText)
{
    const struct {
        QByteArray bytes;
        bool ok;
    } cases[] = {
        {QByteArray(), false},
        {QByteArray("\xff\xfe"), false},
        {QByteArray("com\n\xc3"), false},        // cut inside a character
        {QByteArray("co\xc0\xafm"), false},      // overlong encoding of "/"
        {QByteArray("\xed\xa0\x80.com"), false},  // a surrogate
        {QByteArray("\n"), true},
        {QByteArray("com"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        const PSLParse parsed = PSLParser::parse(c.bytes);
        ASSERT_EQ(parsed.ok(), c.ok);
        if (!c.ok) {
            EXPECT_EQ(parsed.error->code, TLDExtractError::Code::pslParseError);
            EXPECT_FALSE(parsed.error->underlyingError);
        }
    }
    // A file that cannot be read is a parse error too, one that carries the file's own error.
    const TLDExtractCreation unreadable = TLDExtract::fromFile(QStringLiteral("/nonexistent/psl.dat"));
    ASSERT_FALSE(unreadable.ok());
    EXPECT_EQ(unreadable.error->code, TLDExtractError::Code::pslParseError);
    EXPECT_TRUE(unreadable.error->underlyingError);
}

TEST(TLDParser, FollowsRuleKindsThenFileOrder)
{
    const TLDParser parser = smallParser("com\nco.uk\nuk\nname\nforgot.his.name\njp\n\xe5\x85\xac\xe5\x8f\xb8.cn\n"
                                         "*.ck\n!www.ck\n*.kawasaki.jp\n!city.kawasaki.jp\n"
                                         "*.tail.test\nx.*\n*.x.test\ntail.*\n");
    const struct {
        const char* host;
        bool quick;
        const char* expected;
    } cases[] = {
        {"example.com", false, "example.com|com|example|-"},
        {"A.b.Example.COM", false, "example.com|com|example|a.b"},
        {"a.b.c.d.e.f.example.co.uk", false, "example.co.uk|co.uk|example|a.b.c.d.e.f"},
        {"a.b.\xe5\x85\xac\xe5\x8f\xb8.cn", false, "b.\xe5\x85\xac\xe5\x8f\xb8.cn|\xe5\x85\xac\xe5\x8f\xb8.cn|b|a"},
        {"com", false, "<none>"},
        {"co.uk", false, "-|-|-|-"},
        // Only when case was folded does the whole-host suffix come back as the top-level domain.
        {"CO.uk", false, "-|co.uk|-|-"},
        {"example.com.", false, "<none>"},
        {"example.test", false, "<none>"},
        {"", false, "<none>"},
        // Listed below an unlisted parent: the longest listed suffix wins.
        {"a.forgot.his.name", false, "a.forgot.his.name|forgot.his.name|a|-"},
        {"x.his.name", false, "his.name|name|his|x"},
        {"www.ck", false, "www.ck|ck|www|-"},
        {"a.www.ck", false, "www.ck|ck|www|a"},
        {"a.b.ck", false, "a.b.ck|b.ck|a|-"},
        {"b.ck", false, "-|-|-|-"},
        {"ck", false, "<none>"},
        {"a.b.ck", true, "<none>"},
        {"x.y.kawasaki.jp", false, "x.y.kawasaki.jp|y.kawasaki.jp|x|-"},
        {"x.y.kawasaki.jp", true, "kawasaki.jp|jp|kawasaki|x.y"},
        {"city.kawasaki.jp", false, "city.kawasaki.jp|kawasaki.jp|city|-"},
        {"a.city.kawasaki.jp", false, "city.kawasaki.jp|kawasaki.jp|city|a"},
        // The first matching rule in file order decides, not the longest: "x.*" comes before
        // "*.x.test", and "*.tail.test" before "tail.*".
        {"a.x.test", false, "a.x.test|x.test|a|-"},
        {"q.tail.test", false, "-|-|-|-"},
        {"q.r.tail.test", false, "q.r.tail.test|r.tail.test|q|-"},
        {"tail.test", false, "-|-|-|-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.host) + (c.quick ? " quick" : ""));
        EXPECT_EQ(describe(parser.parse(QString::fromUtf8(c.host), c.quick)), c.expected);
    }
}

TEST(TLDExtractable, TakesTheHostFromTexts)
{
    const struct {
        const char* text;
        const char* host;
    } cases[] = {
        {"http://shop.example.com:8080/path", "shop.example.com:8080"},
        {"shop.example.com/page", "shop.example.com"},
        {"HTTPS://WWW.Example.com/a?b=c", "WWW.Example.com"},
        {"//cdn.example.com/lib.js", "cdn.example.com"},
        {"caf\xc3\xa9.example.com/menu", "caf\xc3\xa9.example.com"},
        {"1.2.3.4/x", "1.2.3.4"},
        {"localhost", "localhost"},
        {"http://[::1]:8080/x", "[::1]:8080"},
        // Looks like a domain, so everything before the first "/" is taken, scheme-less or not.
        {"mailto:someone@example.com", "mailto:someone@example.com"},
        {"http://", none},
        {"http:///path", none},
        {"", none},
        {"/relative/path", none},
        {"abc:", none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(describe(TLDExtractable::hostname(QString::fromUtf8(c.text))), c.host ? c.host : "<none>");
    }
}

TEST(TLDExtractable, TakesTheHostFromURLs)
{
    const struct {
        QUrl url;
        const char* host;
    } cases[] = {
        {QUrl(QStringLiteral("http://shop.example.com:8080/path")), "shop.example.com:8080"},
        {QUrl(QStringLiteral("https://Example.COM/a%20b?q=%C3%A9")), "example.com"},
        {QUrl(QStringLiteral("https://b\u00fccher.example/")), "xn--bcher-kva.example"},
        // Escapes that are no UTF-8 cannot be read back into a text.
        {QUrl(QStringLiteral("https://example.com/%FF")), none},
        {QUrl::fromLocalFile(QStringLiteral("/tmp/a.pdf")), none},
        {QUrl(), none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url.toString().toStdString());
        EXPECT_EQ(describe(TLDExtractable::hostname(c.url)), c.host ? c.host : "<none>");
        EXPECT_EQ(describe(TLDExtractable(c.url).hostname()), c.host ? c.host : "<none>");
    }
}

TEST(DomainHelper, SplitsHostsWithTheFrozenList)
{
    DomainHelper::setShared(nullptr);
    const std::shared_ptr<const DomainHelper> helper = DomainHelper::shared();
    ASSERT_TRUE(helper->extractor());
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        // How each list rule splits is the list test's; here, what the helper takes from a text.
        {"https://A.Shop.Example.CO.UK/x", "example.co.uk|co.uk|example|a.shop"},
        {"http://shop.example.com:8080/path", "<none>"},
        {"shop.example.com/page", "example.com|com|example|shop"},
        {"localhost", "<none>"},
        {"192.168.0.1", "<none>"},
        {"foo.unknowntld", "<none>"},
        {"", "<none>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(describe(helper->parseURL(QString::fromUtf8(c.text))), c.expected);
    }
    // Quick mode consults the normal rules only: "ck" has none, "kawasaki.jp" only its wildcard.
    const TLDExtract& extract = *helper->extractor();
    EXPECT_EQ(describe(extract.parse(QStringLiteral("a.b.ck"), true)), "<none>");
    EXPECT_EQ(describe(extract.parse(QUrl(QStringLiteral("http://x.b.c.kawasaki.jp/")), true)),
              "kawasaki.jp|jp|kawasaki|x.b.c");
}

TEST(DomainHelper, SharedInstanceIsReplaceableAndServesManyThreads)
{
    DomainHelper::setShared(std::make_shared<const DomainHelper>(std::nullopt));
    EXPECT_FALSE(DomainHelper::shared()->parseURL(QStringLiteral("www.example.com")));
    DomainHelper::setShared(nullptr);
    const std::shared_ptr<const DomainHelper> first = DomainHelper::shared();
    EXPECT_EQ(DomainHelper::shared(), first);

    constexpr int threads = 8;
    std::latch start(threads);
    std::vector<std::string> results(threads);
    std::vector<std::thread> workers;
    for (int i = 0; i < threads; ++i) {
        workers.emplace_back([&, i] {
            start.arrive_and_wait();
            for (int round = 0; round < 200; ++round)
                results[i] = describe(DomainHelper::shared()->parseURL(QStringLiteral("https://a.b.example.co.uk/")));
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    for (const std::string& result : results)
        EXPECT_EQ(result, "example.co.uk|co.uk|example|a.b");
}

// The child's stderr holds the missing-list report exactly once.
class ReportedOnce : public testing::MatcherInterface<const std::string&> {
public:
    bool MatchAndExplain(const std::string& output, testing::MatchResultListener*) const override
    {
        const std::string report = "korvel: the public suffix list ";
        const size_t at = output.find(report);
        return at != std::string::npos && output.find(report, at + 1) == std::string::npos
            && output.find("public_suffix_list_frozen.dat could not be read: ", at) != std::string::npos;
    }
    void DescribeTo(std::ostream* os) const override { *os << "reports the unreadable list once"; }
};

TEST(DomainHelperDeathTest, MissingListIsReportedOnceAndMatchesNothing)
{
    // A fresh process, so the shared instance is really created here, by several threads at once.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QTemporaryDir emptyResources;
    EXPECT_EXIT(
        {
            const bool good = [&] {
                const test::ScopedEnv resources("KORVEL_RESOURCES", emptyResources.path().toLocal8Bit());
                constexpr int threads = 4;
                std::latch start(threads);
                std::vector<std::shared_ptr<const DomainHelper>> seen(threads);
                std::vector<std::thread> workers;
                for (int i = 0; i < threads; ++i) {
                    workers.emplace_back([&, i] {
                        start.arrive_and_wait();
                        seen[i] = DomainHelper::shared();
                    });
                }
                for (std::thread& worker : workers)
                    worker.join();
                return std::all_of(seen.begin(), seen.end(), [&](const auto& helper) {
                    return helper == seen.front() && !helper->parseURL(QStringLiteral("www.example.com"));
                });
            }();
            std::exit(good ? 0 : 1);
        },
        testing::ExitedWithCode(0), testing::MakeMatcher(new ReportedOnce));
}

}  // namespace
}  // namespace korvel

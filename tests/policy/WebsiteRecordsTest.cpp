#include "settings/Frame.h"
#include "settings/allowedWebsite.h"
#include "settings/allowedWebsiteCategory.h"
#include "settings/blockedWebsite.h"

#include <QDateTime>
#include <QDebug>

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace korvel {
namespace {

template <typename Value>
std::string dump(const Value& value)
{
    QString text;
    QDebug(&text) << value;
    return text.toStdString();
}

// Same type and same value; QVariant == alone would let a number stand for a boolean.
void expectSameValue(const QVariant& actual, const QVariant& expected)
{
    EXPECT_STREQ(actual.typeName(), expected.typeName());
    EXPECT_TRUE(actual == expected) << dump(actual) << " != " << dump(expected);
}

const allowedWebsite fullWebsite = allowedWebsite::initWithParams(
    QStringLiteral("https://www.example.com/a%20b?q=1"), true, true, true, QStringLiteral("Café — menu"), true,
    QStringLiteral("file:///icons/a.png"), true, WebsiteProtocol::Https, true, Frame{1.5, 2, 100, 50},
    Frame{0.1, -3, 1e-7, 12345.678}, 4, 9, true);
const allowedWebsiteCategory fullCategory = allowedWebsiteCategory::initWithParams(
    QStringLiteral("Café"), QStringLiteral("file:///icons/folder.png"), 3, Frame{10, 20, 30, 40},
    Frame{0.1, 0.2, 0.3, 0.4});
const blockedWebsite fullBlocked =
    blockedWebsite::initWithParams(QStringLiteral("https://blocked.test/"), WebsiteProtocol::File, QStringLiteral("b"));

// Reading back what was written gives the same record; only a null icon comes back empty. The
// dictionaries are compared too, because QString == cannot tell a null text from an empty one.
template <typename Record>
void expectRoundTrip(const std::vector<Record>& records)
{
    for (const Record& original : records) {
        Record want = original;
        if constexpr (requires { want.iconURL; }) {
            if (want.iconURL.isNull())
                want.iconURL = QLatin1String("");
        }
        const Record read = Record::initWithDictionary(original.toDictionary());
        SCOPED_TRACE(dump(original.toDictionary()));
        EXPECT_TRUE(read == want) << dump(read.toDictionary());
        EXPECT_TRUE(read.toDictionary() == want.toDictionary()) << dump(read.toDictionary());
    }
}

// The dictionary holds exactly these keys, each with this type and value.
void expectEntries(const QVariantMap& dictionary, const QVariantMap& entries)
{
    const auto keys = [](const QVariantMap& map) { return map.keys().join(QLatin1Char(',')).toStdString(); };
    EXPECT_EQ(keys(dictionary), keys(entries));
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        expectSameValue(dictionary.value(it.key()), it.value());
    }
}

TEST(WebsiteRecords, DictionaryRoundTripKeepsEveryField)
{
    allowedWebsite outOfRange = fullWebsite;
    outOfRange.protocol = static_cast<WebsiteProtocol>(7);
    outOfRange.allowedWebsiteId = std::numeric_limits<qint64>::max();
    outOfRange.categoryId = -1;
    allowedWebsite emptyTexts = fullWebsite;
    emptyTexts.url = emptyTexts.title = emptyTexts.iconURL = QLatin1String("");
    allowedWebsite negative;
    negative.protocol = static_cast<WebsiteProtocol>(std::numeric_limits<qint32>::min());
    expectRoundTrip<allowedWebsite>({fullWebsite, allowedWebsite{}, outOfRange, emptyTexts, negative});

    const QString empty = QLatin1String("");
    expectRoundTrip<allowedWebsiteCategory>(
        {fullCategory, allowedWebsiteCategory{}, allowedWebsiteCategory::initWithParams(empty, empty, 0, {}, {})});

    expectRoundTrip<blockedWebsite>({
        fullBlocked,
        blockedWebsite{},
        blockedWebsite::initWithParams(empty, static_cast<WebsiteProtocol>(7), empty),
        blockedWebsite::initWithParams(QStringLiteral("x"), static_cast<WebsiteProtocol>(-1), QStringLiteral("x")),
    });
}

// The keys an exported settings document holds. The website's own keys are pinned by the flag and
// value tests below.
TEST(WebsiteRecords, CategoriesAndBlockedWebsitesWriteTheDocumentKeys)
{
    expectEntries(fullCategory.toDictionary(),
                  {{"CategoryId", qint64(3)}, {"CategoryTitle", QStringLiteral("Café")},
                   {"IconPath", QStringLiteral("file:///icons/folder.png")},
                   {"LandscapeFrame", QStringLiteral("{{10, 20}, {30, 40}}")},
                   {"PortraitFrame", QStringLiteral("{{0.1, 0.2}, {0.3, 0.4}}")}});
    expectEntries(fullBlocked.toDictionary(), {{"URL", QStringLiteral("https://blocked.test/")},
                                               {"Protocol", qint64(2)}, {"Title", QStringLiteral("b")}});
    // No icon: the key is left out rather than written empty.
    EXPECT_FALSE(allowedWebsite{}.toDictionary().contains(QStringLiteral("IconPath")));
    EXPECT_FALSE(allowedWebsiteCategory{}.toDictionary().contains(QStringLiteral("IconPath")));
}

TEST(WebsiteRecords, EachFlagHasItsOwnKey)
{
    // A swapped pair of keys would survive a round trip, so each flag is set alone and looked for.
    const struct {
        const char* key;
        bool allowedWebsite::*field;
    } flags[] = {
        {"RunAtStartup", &allowedWebsite::runAtStartup}, {"ErrorPage", &allowedWebsite::errorPage},
        {"AllowSubDomain", &allowedWebsite::allowSubDomain}, {"AllowOnlyThis", &allowedWebsite::allowOnlyThis},
        {"HideURL", &allowedWebsite::hideURL}, {"UseFavicon", &allowedWebsite::useFavicon},
        {"IsResetForFrame", &allowedWebsite::isResetForFrame},
    };
    for (const auto& flag : flags) {
        SCOPED_TRACE(flag.key);
        allowedWebsite written;
        written.*flag.field = true;
        const QVariantMap dictionary = written.toDictionary();
        const allowedWebsite read = allowedWebsite::initWithDictionary({{QString::fromLatin1(flag.key), true}});
        for (const auto& other : flags) {
            expectSameValue(dictionary.value(QString::fromLatin1(other.key)), QVariant(&other == &flag));
            EXPECT_EQ(read.*other.field, &other == &flag) << other.key;
        }
    }
}

TEST(WebsiteRecords, MissingKeysReadAsDefaults)
{
    const allowedWebsite website = allowedWebsite::initWithDictionary({{"URL", QStringLiteral("http://example.com")}});
    EXPECT_EQ(website.categoryId, 0);
    EXPECT_EQ(website.allowedWebsiteId, 0);
    EXPECT_TRUE(website.iconURL.isEmpty() && !website.iconURL.isNull());
    EXPECT_TRUE(website.title.isNull());
    EXPECT_TRUE(website.landscapeFrame.isZero() && website.portraitFrame.isZero());

    const allowedWebsiteCategory category = allowedWebsiteCategory::initWithDictionary({});
    EXPECT_EQ(category.categoryId, 0);
    EXPECT_TRUE(category.iconURL.isEmpty() && !category.iconURL.isNull());

    const blockedWebsite blocked = blockedWebsite::initWithDictionary({});
    EXPECT_TRUE(blocked.url.isNull());
    EXPECT_EQ(blocked.protocol, WebsiteProtocol::Http);
}

TEST(WebsiteRecords, ValuesAreReadByKindNotByText)
{
    // The value read back for one key, observed through what the record writes again; an invalid
    // QVariant means the key is then left out.
    const struct {
        const char* key;
        QVariant stored;
        QVariant read;
    } cases[] = {
        {"RunAtStartup", qint64(1), true},
        {"IsResetForFrame", qint64(2), true},
        {"UseFavicon", 0.5, true},
        {"CategoryId", 3.9, qint64(3)},
        {"AllowedWebsiteId", -2.7, qint64(-2)},
        {"Protocol", qint64(7), qint64(7)},
        // Wrong kinds: a text that looks like a value is still no value.
        {"RunAtStartup", QStringLiteral("YES"), false},
        {"ErrorPage", QVariantMap{}, false},
        {"AllowOnlyThis", QDateTime::fromSecsSinceEpoch(1), false},
        {"CategoryId", QStringLiteral("3"), qint64(0)},
        {"AllowedWebsiteId", QVariantList{qint64(7)}, qint64(0)},
        {"Protocol", QStringLiteral("1"), qint64(0)},
        {"URL", qint64(1), QVariant()},
        {"Title", true, QVariant()},
        {"IconPath", qint64(3), QVariant()},
        {"LandscapeFrame", qint64(5), QStringLiteral("{{0, 0}, {0, 0}}")},
        {"PortraitFrame", QVariantList{1, 2, 3, 4}, QStringLiteral("{{0, 0}, {0, 0}}")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.key << " = " << c.stored.toString().toStdString());
        const QString key = QString::fromLatin1(c.key);
        const QVariantMap written = allowedWebsite::initWithDictionary({{key, c.stored}}).toDictionary();
        expectSameValue(written.value(key), c.read);
    }
}

TEST(WebsiteRecords, RecordWithoutUsableURLIsKeptButHasNoParsedURL)
{
    const struct {
        QVariant stored;
        const char* parsed;  // nullptr: no URL
    } cases[] = {
        {QVariant(), nullptr},
        {QLatin1String(""), nullptr},
        {QStringLiteral("not a url"), nullptr},
        {QStringLiteral("www.example.com"), nullptr},
        {QStringLiteral("http://exa mple.com/"), nullptr},
        {QStringLiteral("https://www.example.com/a%20b?q=1"), "https://www.example.com/a%20b?q=1"},
        {QStringLiteral("file:///home/kiosk/Documents/a.pdf"), "file:///home/kiosk/Documents/a.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toString().toStdString());
        QVariantMap dictionary{{"Title", QStringLiteral("t")}};
        if (c.stored.isValid())
            dictionary.insert(QStringLiteral("URL"), c.stored);
        const allowedWebsite website = allowedWebsite::initWithDictionary(dictionary);
        const blockedWebsite blocked = blockedWebsite::initWithDictionary(dictionary);
        // The text itself is kept unchanged whatever it is.
        expectSameValue(website.toDictionary().value(QStringLiteral("URL")), c.stored);
        expectSameValue(blocked.toDictionary().value(QStringLiteral("URL")), c.stored);
        for (const std::optional<QUrl>& url : {website.parsedURL(), blocked.parsedURL()}) {
            ASSERT_EQ(url.has_value(), c.parsed != nullptr);
            if (url) {
                EXPECT_EQ(url->toString(QUrl::FullyEncoded).toStdString(), c.parsed);
            }
        }
    }
}

TEST(Frame, ReadsTheRectangleForms)
{
    const struct {
        const char* text;
        Frame frame;
    } cases[] = {
        {"{{1.5, 2}, {100, 50}}", {1.5, 2, 100, 50}},
        {"{{-10, 20.25}, {3e2, .5}}", {-10, 20.25, 300, 0.5}},
        {"{0,0,0,0}", {}},
        {"", {}},
        {"garbage", {}},
        {"{{1, 2}, {3}}", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Frame frame = Frame::fromString(QString::fromLatin1(c.text));
        EXPECT_TRUE(frame == c.frame) << frame.toString().toStdString();
    }
}

TEST(Frame, TextFormRoundTripsExactly)
{
    const Frame frames[] = {{}, {1.5, 2, 100, 50}, {0.1, 0.2, 0.3, 1.0 / 3}, {-0.5, 1e-7, 1e21, 2048}};
    for (const Frame& frame : frames) {
        const QString text = frame.toString();
        SCOPED_TRACE(text.toStdString());
        EXPECT_TRUE(Frame::fromString(text) == frame);
    }
    EXPECT_EQ(Frame{}.toString().toStdString(), "{{0, 0}, {0, 0}}");
    EXPECT_EQ((Frame{1.5, 2, 100, 50}).toString().toStdString(), "{{1.5, 2}, {100, 50}}");
}

}  // namespace
}  // namespace korvel

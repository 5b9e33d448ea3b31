#include "policy/WebsiteAddress.h"

#include "tests/support/TestHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace korvel {
namespace {

// What an operation should give: nothing, a web URL (fully encoded), or a file of this home's
// documents directory (by its name relative to that directory).
struct Outcome {
    enum Kind { Nothing, Web, Document } kind;
    const char* text;
};

constexpr Outcome nothing{Outcome::Nothing, ""};
constexpr Outcome web(const char* url) { return {Outcome::Web, url}; }
constexpr Outcome document(const char* name) { return {Outcome::Document, name}; }

// Documents live under the per-test home, so expected file URLs depend on it.
class WebsiteAddressTest : public test::TestHome {
protected:
    std::string expected(const Outcome& outcome) const
    {
        switch (outcome.kind) {
        case Outcome::Nothing:
            return "<nothing>";
        case Outcome::Web:
            return outcome.text;
        case Outcome::Document:
            return actual(QUrl::fromLocalFile(documents() + QLatin1Char('/') + QString::fromUtf8(outcome.text)));
        }
        return {};
    }

    static std::string actual(const std::optional<QUrl>& url)
    {
        return url ? url->toString(QUrl::FullyEncoded).toStdString() : "<nothing>";
    }
};

struct TextCase {
    const char* text;
    Outcome outcome;
    std::optional<QUrl> (*operation)(const QString&) = [](const QString& text) { return WebsiteAddress::getURLFromString(text); };
};

TEST_F(WebsiteAddressTest, GetURLFromStringWithProtocolBuildsTheStoredURL)
{
    const struct {
        const char* text;
        WebsiteProtocol protocol;
        Outcome outcome;
    } cases[] = {
        {"example.com", WebsiteProtocol::Http, web("http://example.com")},
        {"http://example.com", WebsiteProtocol::Http, web("http://example.com")},
        {"example.com", WebsiteProtocol::Https, web("https://example.com")},
        {"https://example.com/a", WebsiteProtocol::Https, web("https://example.com/a")},
        // The scheme is taken out wherever it appears, not only in front.
        {"http://example.com/?next=http://example.org", WebsiteProtocol::Http,
         web("http://example.com/?next=example.org")},
        {"", WebsiteProtocol::Http, nothing},
        {"http://", WebsiteProtocol::Http, nothing},
        {"example.com/a b", WebsiteProtocol::Http, web("http://example.com/a%20b")},
        {"example.com/search?q=a b", WebsiteProtocol::Https, web("https://example.com/search?q=a%20b")},
        {"example.com/100%", WebsiteProtocol::Http, web("http://example.com/100%25")},
        // Escapes that are already valid stay as typed; a "%" that begins none is escaped.
        {"example.com/a%20b", WebsiteProtocol::Http, web("http://example.com/a%20b")},
        {"http://example.com/a%2Fb?q=1%262", WebsiteProtocol::Http, web("http://example.com/a%2Fb?q=1%262")},
        {"example.com/%zz%4", WebsiteProtocol::Http, web("http://example.com/%25zz%254")},
        {"example.com/a#b", WebsiteProtocol::Http, web("http://example.com/a%23b")},
        {"example.com/a|b", WebsiteProtocol::Http, web("http://example.com/a%7Cb")},
        {"example.com/café", WebsiteProtocol::Http, web("http://example.com/caf%C3%A9")},
        {"example.com/x'y(1)*,;=:@!$&+", WebsiteProtocol::Http, web("http://example.com/x'y(1)*,;=:@!$&+")},
        {"manual.pdf", WebsiteProtocol::File, document("manual.pdf")},
        {"../manual.pdf", WebsiteProtocol::File, nothing},
        {"example.com", static_cast<WebsiteProtocol>(3), nothing},
        {"example.com", static_cast<WebsiteProtocol>(7), nothing},
        {"example.com", static_cast<WebsiteProtocol>(-1), nothing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.text << " protocol " << static_cast<int>(c.protocol));
        EXPECT_EQ(actual(WebsiteAddress::getURLFromString(QString::fromUtf8(c.text), c.protocol)), expected(c.outcome));
    }
}

// Without a protocol a text is a web address only with a scheme or a path; getNonFileURLFromString
// takes web addresses only.
TEST_F(WebsiteAddressTest, GetURLFromStringTellsWebAddressesFromFileNames)
{
    const auto webOnly = &WebsiteAddress::getNonFileURLFromString;
    const TextCase cases[] = {
        {"www.example.com", document("www.example.com")},
        {"www.example.com/", web("http://www.example.com/")},
        {"  www.example.com/a \n", web("http://www.example.com/a")},
        {"http://example.com/a b", web("http://example.com/a%20b")},
        {"\thttps://example.com\n", web("https://example.com")},
        // Starts with "http" but is no web address: a file after all.
        {"httpdocs.pdf", document("httpdocs.pdf")},
        {" report 2.pdf ", document("report 2.pdf")},
        {"example.com/page", document("example.com/page")},
        {"../secret.pdf", nothing},
        {"http://example.com", web("http://example.com"), webOnly},
        {" https://example.com/a b \n", web("https://example.com/a%20b"), webOnly},
        {"example.com", nothing, webOnly},
        {"", nothing, webOnly},
        {"http://", nothing, webOnly},
        {"mailto:someone@example.com", nothing, webOnly},
        {"file:///tmp/manual.pdf", nothing, webOnly},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.text << (c.operation == webOnly ? " (web only)" : ""));
        EXPECT_EQ(actual(c.operation(QString::fromUtf8(c.text))), expected(c.outcome));
    }
}

TEST_F(WebsiteAddressTest, GetFileURLFromStringStaysInsideDocuments)
{
    const TextCase cases[] = {
        {"manual.pdf", document("manual.pdf")},
        {"  manual.pdf\n", document("manual.pdf")},
        {"sub/manual.pdf", document("sub/manual.pdf")},
        {"a b#1?.pdf", document("a b#1?.pdf")},
        {"sub/../manual.pdf", document("manual.pdf")},
        {"..notes.pdf", document("..notes.pdf")},
        {"/etc/passwd", document("etc/passwd")},
        {"../outside.pdf", nothing},
        {"sub/../../outside.pdf", nothing},
        {"..", nothing},
        // Shares the directory's name as a prefix but is beside it.
        {"../Documents-old/x.pdf", nothing},
        // Symbolic links are followed before the check: one that leads out is refused, even to a
        // file that does not exist yet; one that stays inside is fine.
        {"out/passwd", nothing},
        {"out/new.pdf", nothing},
        {"in/manual.pdf", document("in/manual.pdf")},
    };
    ASSERT_TRUE(QFile::link(QStringLiteral("/etc"), documents() + QStringLiteral("/out")));
    ASSERT_TRUE(QDir(documents()).mkpath(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::link(documents() + QStringLiteral("/sub"), documents() + QStringLiteral("/in")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<QUrl> url = WebsiteAddress::getFileURLFromString(QString::fromUtf8(c.text));
        EXPECT_EQ(actual(url), expected(c.outcome));
        if (url) {
            EXPECT_TRUE(url->isLocalFile());
        }
    }
}

TEST_F(WebsiteAddressTest, AppendDocDirectoryPathIfFileURLReRootsOnlyFileURLs)
{
    const QString here = QUrl::fromLocalFile(documents() + QStringLiteral("/here.pdf")).toString();
    const struct {
        QString url;
        Outcome outcome;
    } cases[] = {
        {QStringLiteral("file:///var/mobile/Containers/Data/Application/0A1B/Documents/manual.pdf"),
         document("manual.pdf")},
        {QStringLiteral("file:///home/other/.local/share/korvel/Documents/price%20list.pdf"),
         document("price list.pdf")},
        {here, document("here.pdf")},
        {QStringLiteral("http://example.com/manual.pdf"), web("http://example.com/manual.pdf")},
        {QStringLiteral("https://example.com/docs/"), web("https://example.com/docs/")},
        {QStringLiteral("http://example.com/www.example.com"), web("http://example.com/www.example.com")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url.toStdString());
        EXPECT_EQ(actual(WebsiteAddress::appendDocDirectoryPathIfFileURL(QUrl(c.url))), expected(c.outcome));
    }
}

TEST_F(WebsiteAddressTest, AppendDocDirectoryPathIfFileURLNeverLeadsOutOfDocuments)
{
    // A settings document may carry any file URL; none may point the reader elsewhere.
    const char* const urls[] = {"file:///etc/..", "file:///etc/%2E%2E", "file:///home/other/Documents/..",
                                "file:///a/b/../.."};
    for (const char* text : urls) {
        SCOPED_TRACE(text);
        const QUrl url = WebsiteAddress::appendDocDirectoryPathIfFileURL(QUrl(QString::fromUtf8(text)));
        const bool inside = url.isLocalFile() && url.toLocalFile().startsWith(documents() + QLatin1Char('/'));
        EXPECT_TRUE(url.isEmpty() || inside) << actual(url);
    }
}

TEST_F(WebsiteAddressTest, GetURLStringGivesTheShownText)
{
    const struct {
        QUrl url;
        const char* text;
    } cases[] = {
        {QUrl(QStringLiteral("http://www.example.com/a/")), "www.example.com/a"},
        {QUrl(QStringLiteral("https://example.com")), "example.com"},
        {QUrl(QStringLiteral("http://example.com/a%20b/caf%C3%A9")), "example.com/a b/café"},
        {QUrl(QStringLiteral("http://example.com/search?q=a%20b")), "example.com/search?q=a b"},
        {QUrl(QStringLiteral("http://user@example.com:8080/x//")), "user@example.com:8080/x"},
        {QUrl::fromLocalFile(QStringLiteral("/home/other/Documents/price list.pdf")), "price list.pdf"},
        {QUrl(QStringLiteral("file:///var/x/Documents/a%23b.pdf")), "a#b.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url.toString().toStdString());
        EXPECT_EQ(WebsiteAddress::getURLString(c.url).toStdString(), c.text);
    }
}

// What an editor shows for stored text: readable where typing it again gives the same escapes, and
// the escapes themselves where the decoded character would read (and save) as another address.
TEST(WebsiteAddressEditing, EditableTextDecodesOnlyWhatTypingGivesBack)
{
    const struct {
        const char* stored;
        const char* shown;
        bool typedBack;  // typing the shown text gives the stored text again
    } cases[] = {
        {"http://a.test/a%20b%3C%7C%23", "http://a.test/a b<|#", true},
        {"http://a.test/caf%C3%A9/%E2%82%AC/%F0%9F%98%80", "http://a.test/café/€/😀", true},
        {"/p%2Fq?x=a%26b%3Fc%2Bd%3D", "/p%2Fq?x=a%26b%3Fc%2Bd%3D", true},
        {"/100%25/%252F", "/100%/%252F", true},
        {"/%41%7e%2e", "/%41%7e%2e", true},
        {"/caf%c3%a9", "/café", false},
        {"/%0A%09%7F%C2%A0", "/%0A%09%7F%C2%A0", true},
        {"/%C3/%C3%28/%80/%ED%A0%80", "/%C3/%C3%28/%80/%ED%A0%80", true},
        {"/100%/%2/%zz", "/100%/%2/%zz", false},
    };
    for (const auto& c : cases) {
        const QString shown = WebsiteAddress::editableText(QString::fromUtf8(c.stored));
        EXPECT_EQ(shown, QString::fromUtf8(c.shown)) << c.stored;
        EXPECT_EQ(WebsiteAddress::percentEncoded(shown) == QString::fromUtf8(c.stored), c.typedBack) << c.stored;
    }
}

}  // namespace
}  // namespace korvel

#include "tests/support/EventLoop.h"
#include "tests/support/ScopedHttpServer.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/URLImport.h"

#include <thread>

namespace korvel::test {
namespace {

// A local web server on a free port of 127.0.0.1, stopped when the test ends.
class URLImportTest : public TransferTest {
protected:
    void SetUp() override
    {
        TransferTest::SetUp();
        const std::string document =
            PropertyList::toXml(QVariantMap{{QStringLiteral("AllowedWebsites"), QVariantList{site("from-url.example", 4)}}}).toStdString();
        http.Get("/settings.plist", [document](const httplib::Request&, httplib::Response& response) {
            response.set_content(document, "application/xml");
        });
        http.Get("/missing", [](const httplib::Request&, httplib::Response& response) {
            response.status = 404;
            response.set_content("<html><body><h1>Not Found</h1> AllowedWebsites </body></html>", "text/html");
        });
        http.Get("/slow", [document](const httplib::Request&, httplib::Response& response) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            response.set_content(document, "application/xml");
        });
        ASSERT_TRUE(server.start());
        port = server.port();
    }
    void TearDown() override
    {
        server.stop();
        TransferTest::TearDown();
    }
    QString url(const char* path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(QLatin1String(path)); }

    struct Run {
        QList<double> progress;
        std::optional<TransferResult> result;
    };
    Run run(const QString& text)
    {
        Run r;
        URLImport import;
        QObject::connect(&import, &URLImport::progressChanged, [&](double p) { r.progress.append(p); });
        QObject::connect(&import, &URLImport::finished, [&](const TransferResult& result) { r.result = result; });
        import.importfromURL(text);
        processEventsUntil([&] { return r.result.has_value(); });
        return r;
    }

    test::ScopedHttpServer server;
    httplib::Server& http = server.http();
    int port = 0;
};

TEST_F(URLImportTest, OnlyASettingsDocumentIsAppliedWhateverTheStatus)
{
    storeSomeSettings();
    const QString noSettings = QStringLiteral("This is not a valid URL. No Settings file found");
    const struct {
        const char* name;
        QString text;
        QString message;
    } failures[] = {
        {"an HTML error page", url("/missing"), noSettings},
        {"no scheme", QStringLiteral("127.0.0.1/settings.plist"), QStringLiteral("This is not a valid URL. No URL Scheme found")},
        {"a local file", QStringLiteral("file://") + Paths::defaultsFile(), noSettings},
        {"nobody listening", QStringLiteral("http://127.0.0.1:1/settings.plist"), noSettings},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.name);
        const Run r = run(f.text);
        ASSERT_TRUE(r.result);
        EXPECT_FALSE(r.result->ok);
        EXPECT_EQ(r.result->alert.title, QStringLiteral("Korvel"));
        EXPECT_EQ(r.result->alert.message, f.message);
        EXPECT_EQ(r.progress.first(), 0.3);
        EXPECT_EQ(r.progress.last(), 1.0);
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
    }

    const Run r = run(url("/settings.plist"));
    ASSERT_TRUE(r.result);
    EXPECT_TRUE(r.result->ok);
    EXPECT_EQ(r.result->alert.message, QStringLiteral("Settings imported successfully from URL."));
    ASSERT_GE(r.progress.size(), 5);
    EXPECT_EQ(r.progress.mid(0, 4), (QList<double>{0.3, 0.6, 0.7, 0.75}));
    EXPECT_EQ(r.progress.last(), 1.0);
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://from-url.example")});
    EXPECT_EQ(settings().kvAutoImport.urlImport, url("/settings.plist"));
    EXPECT_EQ(loggedEvents(QStringLiteral("Import")).count(QStringLiteral("Imported from URL successfully")), 1);
}

TEST_F(URLImportTest, NothingHappensAfterCancel)
{
    storeSomeSettings();
    bool finished = false;
    {
        URLImport import;
        QObject::connect(&import, &URLImport::finished, [&] { finished = true; });
        import.importfromURL(url("/slow"));
        processEventsUntil([] { return false; }, 50);
        import.cancel();
        processEventsUntil([] { return false; }, 600);
    }
    EXPECT_FALSE(finished);
    reopen();
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
}

}  // namespace
}  // namespace korvel::test

// The remote control API of a real Korvel (offscreen), called over HTTPS as a fleet's tools call it.
#include "remote/RemoteRoutes.h"
#include "tests/remote/PrometheusParser.h"
#include "tests/support/EventLoop.h"
#include "tests/support/WebTestServer.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSslCertificate>
#include <QSslError>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using korvel::test::WebTestServer;

struct Answer {
    int status = 0;
    QByteArray body;
    QByteArray retryAfter;
    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
};

class RemoteControlTest : public ::testing::Test {
protected:
    static QString bin(const char* name) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name); }

    QString ctl(const QStringList& arguments)
    {
        QProcess p;
        p.start(bin("korvelctl"), QStringList{QStringLiteral("--home"), m_home.path()} + arguments);
        EXPECT_TRUE(p.waitForFinished(15000) && p.exitCode() == 0) << qPrintable(arguments.join(' ')) << p.readAllStandardError().constData();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    Answer call(const QByteArray& method, const QString& path, const QByteArray& body = {}, const QByteArray& token = "default")
    {
        QNetworkRequest request(QUrl(QStringLiteral("https://127.0.0.1:%1%2").arg(m_port).arg(path)));
        const QByteArray t = token == "default" ? m_token : token;
        if (!t.isEmpty())
            request.setRawHeader("Authorization", "Bearer " + t);
        request.setTransferTimeout(30000);
        QNetworkReply* reply = m_network.sendCustomRequest(request, method, body);
        QObject::connect(reply, &QNetworkReply::sslErrors, reply, [reply](const QList<QSslError>& errors) {
            // The device's own certificate, checked against the one in the kiosk's home.
            if (!s_certificate.isEmpty() && reply->sslConfiguration().peerCertificate() == QSslCertificate(s_certificate))
                reply->ignoreSslErrors(errors);
        });
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        reply->deleteLater();
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(), reply->rawHeader("Retry-After")};
    }

    QString shownUrl()
    {
        const QJsonArray windows = call("GET", QStringLiteral("/v1/status")).json().value(QStringLiteral("windows")).toArray();
        for (const QJsonValue& w : windows) {
            if (w.toObject().value(QStringLiteral("visible")).toBool())
                return w.toObject().value(QStringLiteral("url")).toString() + QLatin1Char(' ') + w.toObject().value(QStringLiteral("title")).toString();
        }
        return {};
    }

    bool waitFor(const std::function<bool()>& done, int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            if (done())
                return true;
            QThread::msleep(200);
        }
        return done();
    }

    void SetUp() override
    {
        WebTestServer& server = WebTestServer::shared();
        // Both pages show in their titles the cookie a visit left; only the other page leaves one.
        const QByteArray shows = "<html><head><script>document.title = 'cookie:' + document.cookie;";
        const QByteArray tail = "</script></head><body style='background:#2a6'>page</body></html>";
        server.setPage(QStringLiteral("/"), shows + tail);
        server.setPage(QStringLiteral("/other"), shows + "document.cookie = 'visit=1; max-age=3600'; localStorage.setItem('visit', '1');" + tail);
        server.clearRequests();
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        m_port = probe.serverPort();
        probe.close();
        ctl({QStringLiteral("sites"), QStringLiteral("add"), server.url(QStringLiteral("127.0.0.1")), QStringLiteral("--title"), QStringLiteral("Start"), QStringLiteral("--startup")});
        ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("RemoteControl"), QStringLiteral("true")});
        ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("RemoteControlPort"), QString::number(m_port)});
        const QStringList lines = ctl({QStringLiteral("remote"), QStringLiteral("token")}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        m_token = lines.last().toLatin1();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("KORVEL_REACHABILITY_HOST"), QStringLiteral("127.0.0.1"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path() + QStringLiteral("/xdg-data"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/xdg-config"));
        m_korvel.setProcessEnvironment(env);
        m_korvel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_korvel.start(bin("korvel"), {QStringLiteral("--home"), m_home.path()});
        ASSERT_TRUE(m_korvel.waitForStarted(5000));
        ASSERT_TRUE(waitFor([&] { return !server.requests().isEmpty(); }, 60000)) << "the start page was never asked for";
    }

    void TearDown() override
    {
        if (m_korvel.state() != QProcess::NotRunning) {
            m_korvel.terminate();
            if (!m_korvel.waitForFinished(10000))
                m_korvel.kill();
            m_korvel.waitForFinished(5000);
        }
    }

    static inline QByteArray s_certificate;
    QTemporaryDir m_home;
    QProcess m_korvel;
    QNetworkAccessManager m_network;
    int m_port = 0;
    QByteArray m_token;
};

TEST_F(RemoteControlTest, AnswersAsDocumentedOverHttpsWithTheToken)
{
    // The device's certificate is trusted by the test as an administrator trusts it: from the home.
    ASSERT_TRUE(waitFor([&] {
        QDirIterator it(m_home.path(), {QStringLiteral("device-certificate.pem")}, QDir::Files, QDirIterator::Subdirectories);
        if (it.hasNext()) {
            QFile c(it.next());
            if (c.open(QIODevice::ReadOnly))
                s_certificate = c.readAll();
        }
        return !s_certificate.isEmpty();
    }, 20000)) << "no device certificate in the home";
    ASSERT_TRUE(waitFor([&] { return call("GET", QStringLiteral("/v1/status")).status == 200; }, 20000)) << "the API never answered";

    // Without the token, nothing; wrong tokens lock the client out for a while.
    EXPECT_EQ(call("GET", QStringLiteral("/v1/status"), {}, QByteArray()).status, 401);
    EXPECT_EQ(call("GET", QStringLiteral("/nothing"), {}, QByteArray()).status, 401) << "no route is told without the token";
    // Those two count; the fourth miss in a row locks the client out.
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(call("GET", QStringLiteral("/v1/status"), {}, "wrong").status, 401);
    const Answer locked = call("GET", QStringLiteral("/v1/status"));
    EXPECT_EQ(locked.status, 429) << "the right token is not heard during the lock-out";
    EXPECT_FALSE(locked.retryAfter.isEmpty());
    QThread::sleep(std::max(1, locked.retryAfter.toInt()) + 1);
    const Answer status = call("GET", QStringLiteral("/v1/status"));
    ASSERT_EQ(status.status, 200);
    // The shown kiosk window reports a recent frame.
    const QJsonArray frames = status.json().value(QStringLiteral("frames")).toArray();
    ASSERT_FALSE(frames.isEmpty()) << status.body.constData();
    const qint64 frameAge = qint64(frames.first().toObject().value(QStringLiteral("ageMs")).toDouble(-2));
    EXPECT_GE(frameAge, 0) << status.body.constData();
    EXPECT_LT(frameAge, 60'000) << status.body.constData();

    // A refused address: 403 with the reason, and the page server never hears of it.
    WebTestServer& server = WebTestServer::shared();
    const Answer refused = call("POST", QStringLiteral("/v1/navigate"), R"({"url": ")" + server.url(QStringLiteral("localhost"), QStringLiteral("/secret")).toUtf8() + "\"}");
    EXPECT_EQ(refused.status, 403) << refused.body.constData();
    EXPECT_FALSE(refused.json().value(QStringLiteral("error")).toString().isEmpty());
    QThread::sleep(1);
    for (const WebTestServer::Request& r : server.requests())
        EXPECT_NE(r.path, QStringLiteral("/secret"));

    // A page for a while, then back where the kiosk was, where the visit's cookie is seen.
    const QString start = server.url(QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(waitFor([&] { return shownUrl() == start + QStringLiteral(" cookie:"); }, 20000)) << qPrintable(shownUrl());
    const Answer visit = call("POST", QStringLiteral("/v1/navigate"), R"({"url": ")" + server.url(QStringLiteral("127.0.0.1"), QStringLiteral("/other")).toUtf8() + R"(", "seconds": 3})");
    EXPECT_EQ(visit.status, 200) << visit.body.constData();
    EXPECT_TRUE(waitFor([&] { return shownUrl().contains(QLatin1String("/other cookie:")); }, 15000)) << qPrintable(shownUrl());
    EXPECT_TRUE(waitFor([&] { return shownUrl() == start + QStringLiteral(" cookie:visit=1"); }, 15000)) << qPrintable(shownUrl());

    // A PNG of the page shown: the page's green fills most of it.
    const Answer shot = call("GET", QStringLiteral("/v1/screenshot"));
    ASSERT_EQ(shot.status, 200);
    ASSERT_TRUE(shot.body.startsWith("\x89PNG\r\n\x1a\n"));
    const QImage image = QImage::fromData(shot.body, "PNG");
    ASSERT_FALSE(image.isNull());
    int green = 0;
    for (int y = 0; y < image.height(); y += 10)
        for (int x = 0; x < image.width(); x += 10)
            green += image.pixelColor(x, y) == QColor(0x22, 0xaa, 0x66);
    EXPECT_GT(green, (image.width() / 10) * (image.height() / 10) / 3);

    // The end of the visit leaves nothing: the start website, shown again, sees no cookie. Its
    // load may wait for the emptied disk cache and be sent again after 10 s.
    EXPECT_EQ(call("POST", QStringLiteral("/v1/end-visit")).status, 200);
    EXPECT_TRUE(waitFor([&] { return shownUrl().startsWith(start + QLatin1Char(' ')); }, 30000)) << qPrintable(shownUrl());
    QThread::sleep(3);
    EXPECT_FALSE(shownUrl().contains(QLatin1String("visit=1"))) << qPrintable(shownUrl());

    // The metrics parse, and count what happened.
    const Answer metrics = call("GET", QStringLiteral("/metrics"));
    QString error;
    const auto series = korvel::test::parsePrometheus(metrics.body, &error);
    ASSERT_TRUE(series) << qPrintable(error) << metrics.body.constData();
    EXPECT_GE(series->value(QStringLiteral("korvel_refused_navigations_total")).value, 1);
    EXPECT_GE(series->value(QStringLiteral("korvel_navigations_total")).value, 2);

    // Every documented call answers with a documented status; nothing else answers at all.
    QFile yaml(QStringLiteral(KORVEL_SOURCE_DIR "/docs/control-api.yaml"));
    ASSERT_TRUE(yaml.open(QIODevice::ReadOnly));
    QMap<QString, QSet<int>> documented;  // "METHOD path" to its statuses
    QString path, operation;
    for (const QString& line : QString::fromUtf8(yaml.readAll()).split(QLatin1Char('\n'))) {
        if (const auto m = QRegularExpression(QStringLiteral("^  (/\\S*):$")).match(line); m.hasMatch())
            path = m.captured(1);
        else if (const auto m = QRegularExpression(QStringLiteral("^    (get|post|put|delete|patch):$")).match(line); m.hasMatch() && !path.isEmpty())
            operation = m.captured(1).toUpper() + QLatin1Char(' ') + path, documented[operation];
        else if (const auto m = QRegularExpression(QStringLiteral("^        \"(\\d{3})\":$")).match(line); m.hasMatch() && !operation.isEmpty())
            documented[operation].insert(m.captured(1).toInt());
    }
    QSet<QString> routes;
    for (const korvel::RemoteRoute& r : korvel::RemoteRoutes::all())
        routes.insert(QLatin1String(r.method) + QLatin1Char(' ') + QLatin1String(r.path));
    EXPECT_EQ(QSet<QString>(documented.keyBegin(), documented.keyEnd()), routes);
    const QMap<QString, QByteArray> bodies{{QStringLiteral("POST /v1/navigate"), R"({"url": "about:blank"})"},
                                           {QStringLiteral("POST /v1/screen"), R"({"brightness": 0.5})"},
                                           {QStringLiteral("POST /v1/screensaver"), R"({"action": "stop"})"},
                                           {QStringLiteral("POST /v1/settings"), "not a document"}};
    for (auto it = documented.cbegin(); it != documented.cend(); ++it) {
        if (it.key() == QLatin1String("POST /v1/restart"))
            continue;  // last, below
        const QStringList parts = it.key().split(QLatin1Char(' '));
        const Answer a = call(parts.at(0).toLatin1(), parts.at(1), bodies.value(it.key()));
        EXPECT_TRUE(it->contains(a.status)) << qPrintable(it.key()) << " answered " << a.status << ' ' << a.body.left(200).constData();
        EXPECT_TRUE(it->contains(401)) << qPrintable(it.key());
    }
    for (const auto& [method, p] : std::initializer_list<std::pair<const char*, const char*>>{
             {"GET", "/"}, {"GET", "/v1/status/"}, {"GET", "/v1/Status"}, {"GET", "/v1//status"}, {"POST", "/v1/status"},
             {"DELETE", "/v1/log"}, {"GET", "/upload"}, {"GET", "/v2/status"}})
        EXPECT_TRUE(QSet<int>({404, 405}).contains(call(method, QString::fromLatin1(p)).status)) << method << ' ' << p;

    // The log holds the calls under their own category.
    const QJsonArray entries = call("GET", QStringLiteral("/v1/log")).json().value(QStringLiteral("entries")).toArray();
    bool logged = false;
    for (const QJsonValue& e : entries)
        logged = logged || (e.toObject().value(QStringLiteral("category")).toString() == QLatin1String("Remote Control")
                            && e.toObject().value(QStringLiteral("event")).toString().contains(QLatin1String("POST /v1/navigate")));
    EXPECT_TRUE(logged);

    EXPECT_EQ(call("POST", QStringLiteral("/v1/restart")).status, 200);
    EXPECT_TRUE(m_korvel.waitForFinished(20000)) << "Korvel did not end to be restarted";
    EXPECT_EQ(m_korvel.exitCode(), 75);
}

}  // namespace

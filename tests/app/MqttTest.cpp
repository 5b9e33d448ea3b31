// A real Korvel (offscreen) on a real mosquitto broker on loopback, watched and commanded as a fleet's
// tools and Home Assistant do.
#include "tests/support/KioskProcess.h"
#include "tests/support/WebTestServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>
#include <mosquitto.h>

#include <mutex>

namespace {

using korvel::test::KioskProcess;
using korvel::test::WebTestServer;

struct Seen {
    QString topic;
    QByteArray payload;
    bool retained;
};

// A client of the broker on its own thread, that records what it hears on the kiosk's topics.
class Watcher {
public:
    Watcher(int port, const char* id)
    {
        mosquitto_lib_init();
        m_mosq = mosquitto_new(id, true, this);
        mosquitto_connect_callback_set(m_mosq, [](mosquitto* m, void*, int rc) {
            if (rc == 0) {
                mosquitto_subscribe(m, nullptr, "korvel/test/#", 1);
                mosquitto_subscribe(m, nullptr, "homeassistant/#", 1);
            }
        });
        mosquitto_message_callback_set(m_mosq, [](mosquitto*, void* self, const mosquitto_message* m) {
            auto* w = static_cast<Watcher*>(self);
            const std::lock_guard lock(w->m_mutex);
            w->m_seen.append({QString::fromUtf8(m->topic), QByteArray(static_cast<const char*>(m->payload), m->payloadlen), m->retain});
        });
        mosquitto_reconnect_delay_set(m_mosq, 1, 1, false);
        mosquitto_connect_async(m_mosq, "127.0.0.1", port, 10);
        mosquitto_loop_start(m_mosq);
    }
    ~Watcher()
    {
        mosquitto_disconnect(m_mosq);
        mosquitto_loop_stop(m_mosq, true);
        mosquitto_destroy(m_mosq);
    }
    void publish(const QByteArray& payload, bool retain = false, const char* topic = "korvel/test/command")
    {
        mosquitto_publish(m_mosq, nullptr, topic, int(payload.size()), payload.constData(), 1, retain);
    }
    // Whether an answer says `why`.
    bool refusedFor(const QString& why)
    {
        for (const Seen& s : seen()) {
            if (s.topic == QLatin1String("korvel/test/reply") && QJsonDocument::fromJson(s.payload).object().value(QStringLiteral("error")).toString().contains(why))
                return true;
        }
        return false;
    }
    QList<Seen> seen()
    {
        const std::lock_guard lock(m_mutex);
        return m_seen;
    }
    void forget()
    {
        const std::lock_guard lock(m_mutex);
        m_seen.clear();
    }
    // The answer to the command of `id`.
    QJsonObject reply(const QString& id)
    {
        for (const Seen& s : seen()) {
            const QJsonObject o = QJsonDocument::fromJson(s.payload).object();
            if (s.topic == QLatin1String("korvel/test/reply") && o.value(QStringLiteral("id")).toString() == id)
                return o;
        }
        return {};
    }

private:
    mosquitto* m_mosq;
    std::mutex m_mutex;
    QList<Seen> m_seen;
};

class MqttTest : public ::testing::Test {
protected:
    void ctl(const QStringList& arguments) { m_kiosk.ctl(arguments); }
    static bool waitFor(const std::function<bool()>& done, int ms) { return KioskProcess::waitFor(done, ms); }

    void startBroker()
    {
        m_broker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_broker.start(m_mosquitto, {QStringLiteral("-c"), m_home.filePath(QStringLiteral("mosquitto.conf"))});
        ASSERT_TRUE(m_broker.waitForStarted(5000));
    }

    void SetUp() override
    {
        m_mosquitto = QStandardPaths::findExecutable(QStringLiteral("mosquitto"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
        if (m_mosquitto.isEmpty())
            GTEST_SKIP() << "no mosquitto broker installed (Debian package mosquitto): the MQTT round trip is not tested";
        m_port = KioskProcess::freePort();
        ASSERT_NE(m_port, 0);
        QFile conf(m_home.filePath(QStringLiteral("mosquitto.conf")));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\nlog_dest none\n").arg(m_port).toUtf8());
        conf.close();
        startBroker();

        WebTestServer& server = WebTestServer::shared();
        server.setPage(QStringLiteral("/"), "<html><head><title>Start</title></head><body>start</body></html>");
        server.setPage(QStringLiteral("/other"), "<html><head><title>Other</title></head><body>other</body></html>");
        server.clearRequests();
        ctl({QStringLiteral("sites"), QStringLiteral("add"), server.url(QStringLiteral("127.0.0.1")), QStringLiteral("--title"), QStringLiteral("Start"), QStringLiteral("--startup")});
        for (const auto& [key, value] : {std::pair{"Mqtt", QStringLiteral("true")}, {"MqttHost", QStringLiteral("127.0.0.1")},
                                         {"MqttPort", QString::number(m_port)}, {"MqttTopic", QStringLiteral("korvel/test")}})
            ctl({QStringLiteral("pref"), QStringLiteral("set"), QLatin1String(key), value});
        ASSERT_TRUE(m_kiosk.start());
    }

    void TearDown() override
    {
        KioskProcess::stop(m_korvel);
        KioskProcess::stop(m_broker);
    }

    KioskProcess m_kiosk;
    QTemporaryDir& m_home = m_kiosk.home;
    QProcess& m_korvel = m_kiosk.korvel;
    QString m_mosquitto;
    QProcess m_broker;
    int m_port = 0;
};

TEST_F(MqttTest, StatusCommandsAndReconnectThroughARealBroker)
{
    WebTestServer& server = WebTestServer::shared();
    const QString start = server.url(QStringLiteral("127.0.0.1"));
    Watcher watcher(m_port, "korvel-test-watcher");
    const auto status = [&] {
        QJsonObject last;
        for (const Seen& s : watcher.seen()) {
            if (s.topic == QLatin1String("korvel/test/status"))
                last = QJsonDocument::fromJson(s.payload).object();
        }
        return last;
    };
    const auto has = [&](const QString& topic, const QByteArray& payload) {
        for (const Seen& s : watcher.seen()) {
            if (s.topic == topic && (payload.isEmpty() || s.payload == payload))
                return true;
        }
        return false;
    };
    ASSERT_TRUE(waitFor([&] { return status().value(QStringLiteral("url")).toString() == start; }, 45000))
        << "no status with the start page: " << QJsonDocument(status()).toJson().constData();
    EXPECT_TRUE(has(QStringLiteral("korvel/test/availability"), "online"));
    EXPECT_TRUE(waitFor([&] {
        for (const Seen& s : watcher.seen())
            if (s.topic.startsWith(QLatin1String("homeassistant/button/")) && s.topic.endsWith(QLatin1String("/config")))
                return true;
        return false;
    }, 5000)) << "no discovery";

    // A late subscriber is told the status at once: it is retained.
    {
        Watcher late(m_port, "korvel-test-late");
        ASSERT_TRUE(waitFor([&] {
            for (const Seen& s : late.seen())
                if (s.topic == QLatin1String("korvel/test/status") && s.retained)
                    return true;
            return false;
        }, 10000));
    }

    // A refused address is refused with the reason, and never fetched.
    watcher.publish(R"({"command":"navigate","arguments":{"url":")" + server.url(QStringLiteral("localhost"), QStringLiteral("/secret")).toUtf8() + R"("},"id":"n1"})");
    ASSERT_TRUE(waitFor([&] { return !watcher.reply(QStringLiteral("n1")).isEmpty(); }, 10000));
    const QJsonObject refused = watcher.reply(QStringLiteral("n1"));
    EXPECT_FALSE(refused.value(QStringLiteral("ok")).toBool());
    EXPECT_EQ(refused.value(QStringLiteral("status")).toInt(), 4);
    EXPECT_FALSE(refused.value(QStringLiteral("error")).toString().isEmpty());

    // An allowed one is performed, and the status follows.
    watcher.publish(R"({"command":"navigate","arguments":{"url":")" + server.url(QStringLiteral("127.0.0.1"), QStringLiteral("/other")).toUtf8() + R"("},"id":"n2"})");
    ASSERT_TRUE(waitFor([&] { return !watcher.reply(QStringLiteral("n2")).isEmpty(); }, 10000));
    EXPECT_TRUE(watcher.reply(QStringLiteral("n2")).value(QStringLiteral("ok")).toBool());
    EXPECT_TRUE(waitFor([&] { return status().value(QStringLiteral("title")).toString() == QLatin1String("Other"); }, 15000))
        << QJsonDocument(status()).toJson().constData();
    for (const WebTestServer::Request& r : server.requests())
        EXPECT_NE(r.path, QStringLiteral("/secret"));

    // What a hostile client may send is answered, not obeyed: a settings command, garbage, a huge
    // payload; a command beside the command topic is not even heard.
    watcher.publish("{\"command\":\"pref.set\",\"arguments\":{\"key\":\"Mqtt\",\"value\":false},\"id\":\"p\"}");
    ASSERT_TRUE(waitFor([&] { return !watcher.reply(QStringLiteral("p")).isEmpty(); }, 10000));
    EXPECT_EQ(watcher.reply(QStringLiteral("p")).value(QStringLiteral("status")).toInt(), 2);
    watcher.publish("{\"command\": \"rel");
    watcher.publish(R"({"command":"reload","pad":")" + QByteArray(1024 * 1024, 'x') + R"("})");
    watcher.publish(R"({"command":"restart","id":"beside"})", false, "korvel/test/command/x");
    EXPECT_TRUE(waitFor([&] { return watcher.refusedFor(QStringLiteral("not a JSON object")) && watcher.refusedFor(QStringLiteral("larger")); }, 10000));
    EXPECT_TRUE(watcher.reply(QStringLiteral("beside")).isEmpty());

    // The broker dies and comes back: the kiosk is there again by itself.
    m_broker.kill();
    m_broker.waitForFinished(5000);
    watcher.forget();
    startBroker();
    ASSERT_TRUE(waitFor([&] { return has(QStringLiteral("korvel/test/availability"), "online"); }, 30000)) << "not connected again";
    watcher.publish(R"({"command":"reload","id":"again"})");
    ASSERT_TRUE(waitFor([&] { return !watcher.reply(QStringLiteral("again")).isEmpty(); }, 20000));
    EXPECT_TRUE(watcher.reply(QStringLiteral("again")).value(QStringLiteral("ok")).toBool());

    // A retained command is heard once, live; at the next connect it is a stale message, refused.
    watcher.publish(R"({"command":"status","id":"kept"})", true);
    ASSERT_TRUE(waitFor([&] { return watcher.reply(QStringLiteral("kept")).value(QStringLiteral("ok")).toBool(); }, 10000));
    watcher.forget();
    ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("Mqtt"), QStringLiteral("false")});
    ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("Mqtt"), QStringLiteral("true")});
    ASSERT_TRUE(waitFor([&] { return !watcher.reply(QStringLiteral("kept")).isEmpty(); }, 15000));
    const QJsonObject stale = watcher.reply(QStringLiteral("kept"));
    EXPECT_FALSE(stale.value(QStringLiteral("ok")).toBool());
    EXPECT_TRUE(stale.value(QStringLiteral("error")).toString().contains(QLatin1String("retained")));
    watcher.publish(QByteArray(), true);  // the retained message goes

    // Leaving, the kiosk says so.
    watcher.forget();
    m_korvel.terminate();
    m_korvel.waitForFinished(15000);
    EXPECT_TRUE(waitFor([&] { return has(QStringLiteral("korvel/test/availability"), "offline"); }, 5000));
}

}  // namespace

// The MQTT link on a real mosquitto broker on loopback: it connects, hands commands to its
// performer, and comes back by itself after the broker was killed and started again.
#include "remote/net/MqttLink.h"
#include "tests/support/EventLoop.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <mosquitto.h>

namespace korvel {
namespace {

using test::processEventsUntil;

class MqttLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_mosquitto = QStandardPaths::findExecutable(QStringLiteral("mosquitto"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
        if (m_mosquitto.isEmpty())
            GTEST_SKIP() << "no mosquitto broker installed (Debian package mosquitto): the MQTT link is not tested";
        qputenv("HOME", m_dir.path().toUtf8());
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        m_port = probe.serverPort();
        probe.close();
        writeConfig({});
        startBroker();
    }
    void writeConfig(const QString& extra)
    {
        QFile conf(m_dir.filePath(QStringLiteral("mosquitto.conf")));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\nlog_dest none\n%2").arg(m_port).arg(extra).toUtf8());
    }
    // A private authority and the broker's certificate for 127.0.0.1, signed by it.
    void makeCertificates()
    {
        const auto openssl = [this](const QStringList& arguments) {
            QProcess p;
            p.setWorkingDirectory(m_dir.path());
            p.start(QStringLiteral("openssl"), arguments);
            ASSERT_TRUE(p.waitForFinished(30000) && p.exitCode() == 0) << p.readAllStandardError().constData();
        };
        openssl({"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes", "-days", "2", "-subj", "/CN=Test authority",
                 "-keyout", "ca.key", "-out", "ca.crt"});
        openssl({"req", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes", "-subj", "/CN=127.0.0.1", "-keyout", "broker.key",
                 "-out", "broker.csr"});
        QFile ext(m_dir.filePath(QStringLiteral("ext.cnf")));
        ASSERT_TRUE(ext.open(QIODevice::WriteOnly));
        ext.write("subjectAltName=IP:127.0.0.1\n");
        ext.close();
        openssl({"x509", "-req", "-in", "broker.csr", "-CA", "ca.crt", "-CAkey", "ca.key", "-CAcreateserial", "-days", "2", "-extfile",
                 "ext.cnf", "-out", "broker.crt"});
    }
    void TearDown() override
    {
        m_broker.kill();
        m_broker.waitForFinished(5000);
    }
    void startBroker()
    {
        m_broker.start(m_mosquitto, {QStringLiteral("-c"), m_dir.filePath(QStringLiteral("mosquitto.conf"))});
        ASSERT_TRUE(m_broker.waitForStarted(5000));
        QThread::msleep(300);
    }
    // Publishes one message with a short-lived client of its own.
    void publish(const QByteArray& payload)
    {
        mosquitto* m = mosquitto_new(nullptr, true, nullptr);
        ASSERT_EQ(mosquitto_connect(m, "127.0.0.1", m_port, 10), MOSQ_ERR_SUCCESS);
        mosquitto_publish(m, nullptr, "korvel/link/command", int(payload.size()), payload.constData(), 1, false);
        for (int i = 0; i < 20; ++i)
            mosquitto_loop(m, 50, 1);
        mosquitto_disconnect(m);
        mosquitto_destroy(m);
    }

    QTemporaryDir m_dir;
    QString m_mosquitto;
    QProcess m_broker;
    int m_port = 0;
};

TEST_F(MqttLinkTest, PerformsCommandsAndComesBackAfterTheBrokerDied)
{
    QStringList performed;
    MqttLink link([&](const ControlCommand& c, const QString& who, MqttLink::Done done) {
        performed << c.name + QLatin1Char(' ') + who;
        done(ControlReply::done());
    },
                  [] { return QJsonObject{{QStringLiteral("version"), QStringLiteral("1")}}; });
    QString error;
    ASSERT_TRUE(link.start({QStringLiteral("127.0.0.1"), m_port, false, {}, QStringLiteral("korvel/link"), {QStringLiteral("id"), QStringLiteral("n"), {}, {}}, {}}, &error))
        << qPrintable(error);
    ASSERT_TRUE(processEventsUntil([&] { return link.isConnected(); }, 10000));
    publish(R"({"command":"reload"})");
    ASSERT_TRUE(processEventsUntil([&] { return !performed.isEmpty(); }, 10000));
    EXPECT_EQ(performed.first(), QStringLiteral("kiosk.reload MQTT (127.0.0.1)"));

    m_broker.kill();
    m_broker.waitForFinished(5000);
    EXPECT_TRUE(processEventsUntil([&] { return !link.isConnected(); }, 10000));
    startBroker();
    ASSERT_TRUE(processEventsUntil([&] { return link.isConnected(); }, 15000)) << "not connected again";
    publish(R"({"command":"home"})");
    EXPECT_TRUE(processEventsUntil([&] { return performed.size() == 2; }, 10000));
}

// Over TLS the broker's certificate is checked: signed by the authority given, the link connects;
// checked against the system's authorities instead, it never does.
TEST_F(MqttLinkTest, OverTlsConnectsOnlyToABrokerWhoseCertificateIsTrusted)
{
    makeCertificates();
    m_broker.kill();
    m_broker.waitForFinished(5000);
    // Run by root, the broker would read its key as its own user, which may not enter this directory.
    writeConfig(QStringLiteral("user root\ncafile %1\ncertfile %2\nkeyfile %3\n")
                    .arg(m_dir.filePath(QStringLiteral("ca.crt")), m_dir.filePath(QStringLiteral("broker.crt")), m_dir.filePath(QStringLiteral("broker.key"))));
    startBroker();
    for (const bool trusted : {true, false}) {
        bool performed = false;
        MqttLink link([&](const ControlCommand&, const QString&, MqttLink::Done done) {
            performed = true;
            done(ControlReply::done());
        },
                      [] { return QJsonObject{}; });
        QString error;
        MqttLink::Settings settings{QStringLiteral("127.0.0.1"), m_port, true, {}, QStringLiteral("korvel/link"), {QStringLiteral("id"), QStringLiteral("n"), {}, {}}, {}};
        if (trusted)
            settings.caFile = m_dir.filePath(QStringLiteral("ca.crt"));
        ASSERT_TRUE(link.start(settings, &error)) << qPrintable(error);
        if (trusted) {
            ASSERT_TRUE(processEventsUntil([&] { return link.isConnected(); }, 10000)) << "not connected over TLS";
        } else {
            EXPECT_FALSE(processEventsUntil([&] { return link.isConnected(); }, 3000)) << "connected to a broker nobody vouches for";
        }
    }
}

}  // namespace
}  // namespace korvel

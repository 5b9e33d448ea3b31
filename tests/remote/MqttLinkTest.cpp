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
        QFile conf(m_dir.filePath(QStringLiteral("mosquitto.conf")));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\nlog_dest none\n").arg(m_port).toUtf8());
        conf.close();
        startBroker();
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

}  // namespace
}  // namespace korvel

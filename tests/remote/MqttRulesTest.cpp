// The kiosk's rules on an MQTT broker: topics, commands taken from messages, answers, discovery.
#include "remote/MqttRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <gtest/gtest.h>

namespace korvel {
namespace {

using namespace std::chrono_literals;

TEST(MqttRulesTest, TopicsOfAPrefix)
{
    EXPECT_EQ(MqttRules::defaultPrefix(QStringLiteral("lobby 7/#1+")), QStringLiteral("korvel/lobby-7-1-"));
    EXPECT_EQ(MqttRules::defaultPrefix(QString()), QStringLiteral("korvel/kiosk"));
    const struct {
        QString prefix;
        bool taken;
    } cases[] = {
        {QStringLiteral("korvel/lobby"), true},   {QStringLiteral("site/a/b"), true},  {QString(), false},
        {QStringLiteral("korvel/+"), false},      {QStringLiteral("korvel/#"), false}, {QStringLiteral("$SYS/x"), false},
        {QStringLiteral("korvel//x"), false},     {QStringLiteral("/korvel"), false},  {QStringLiteral("korvel/"), false},
        {QString(201, QLatin1Char('a')), false},  {QStringLiteral("a") + QChar(0), false},
    };
    for (const auto& c : cases) {
        QString problem;
        const auto topics = MqttRules::topics(c.prefix, &problem);
        EXPECT_EQ(topics.has_value(), c.taken) << qPrintable(c.prefix);
        EXPECT_EQ(problem.isEmpty(), c.taken) << qPrintable(c.prefix);
    }
    const auto topics = MqttRules::topics(QStringLiteral("korvel/lobby"), nullptr);
    ASSERT_TRUE(topics);
    EXPECT_EQ(QStringList({topics->status, topics->availability, topics->command, topics->reply}),
              QStringList({QStringLiteral("korvel/lobby/status"), QStringLiteral("korvel/lobby/availability"),
                           QStringLiteral("korvel/lobby/command"), QStringLiteral("korvel/lobby/reply")}));
}

TEST(MqttRulesTest, CommandsTakenFromMessages)
{
    const struct {
        QByteArray payload;
        bool retained;
        QString command;  // empty: refused
        QString refusal;  // a word of the reason
        QString id;
    } cases[] = {
        {R"({"command":"reload"})", false, QStringLiteral("kiosk.reload"), {}, {}},
        {R"({"command":"navigate","arguments":{"url":"https://a.example/"},"id":"n1"})", false, QStringLiteral("kiosk.navigate"), {}, QStringLiteral("n1")},
        {R"({"command":"end-visit","id":"e"})", false, QStringLiteral("kiosk.end-visit"), {}, QStringLiteral("e")},
        {R"({"command":"screen","arguments":{"brightness":0.5}})", false, QStringLiteral("kiosk.screen"), {}, {}},
        // A retained command would run again at every connect of the kiosk.
        {R"({"command":"restart","id":"r"})", true, {}, QStringLiteral("retained"), QStringLiteral("r")},
        // The settings are not changed over MQTT, nor any other command of the set.
        {R"({"command":"pref.set","arguments":{"key":"Port","value":1}})", false, {}, QStringLiteral("one of"), {}},
        {R"({"command":"kiosk.reload"})", false, {}, QStringLiteral("one of"), {}},
        {R"({"command":"settings"})", false, {}, QStringLiteral("one of"), {}},
        {R"({"command":7})", false, {}, QStringLiteral("one of"), {}},
        {R"({"command":"reload","arguments":[1]})", false, {}, QStringLiteral("arguments"), {}},
        {R"({"command":"reload","id":5})", false, {}, QStringLiteral("id"), {}},
        {R"({"command":"reload")", false, {}, QStringLiteral("JSON"), {}},
        {R"(["reload"])", false, {}, QStringLiteral("JSON"), {}},
        {"reload", false, {}, QStringLiteral("JSON"), {}},
        {QByteArray(), false, {}, QStringLiteral("JSON"), {}},
        {QByteArray("{\"command\":\"reload\"}\0x", 21), false, {}, QStringLiteral("JSON"), {}},
        {R"({"command":"reload","pad":")" + QByteArray(MqttRules::payloadLimit, 'x') + R"("})", false, {}, QStringLiteral("larger"), {}},
        {R"({"command":"reload","id":")" + QByteArray(100, 'i') + R"("})", false, QStringLiteral("kiosk.reload"), {}, QString(64, QLatin1Char('i'))},
    };
    for (const auto& c : cases) {
        QString id = QStringLiteral("stale");
        QString problem;
        const auto command = MqttRules::command(c.payload, c.retained, &id, &problem);
        const QByteArray shown = c.payload.left(80);
        EXPECT_EQ(command ? command->name : QString(), c.command) << shown.constData();
        EXPECT_TRUE(command || problem.contains(c.refusal)) << shown.constData() << " " << qPrintable(problem);
        EXPECT_EQ(id, c.id) << shown.constData();
    }
    QString id, problem;
    const auto navigate = MqttRules::command(R"({"command":"navigate","arguments":{"url":"https://a.example/","seconds":60}})", false, &id, &problem);
    ASSERT_TRUE(navigate);
    EXPECT_EQ(navigate->arguments.value(QStringLiteral("seconds")).toInt(), 60);
}

TEST(MqttRulesTest, AnswersCarryTheOutcome)
{
    const auto object = [](const QByteArray& json) { return QJsonDocument::fromJson(json).object(); };
    const QJsonObject refused = object(MqttRules::reply(QStringLiteral("n1"), QStringLiteral("navigate"),
                                                        ControlReply::failed(ExitStatus::Forbidden, QStringLiteral("not allowed\n"))));
    EXPECT_EQ(refused.value(QStringLiteral("id")).toString(), QStringLiteral("n1"));
    EXPECT_FALSE(refused.value(QStringLiteral("ok")).toBool());
    EXPECT_EQ(refused.value(QStringLiteral("status")).toInt(), ExitStatus::Forbidden);
    EXPECT_EQ(refused.value(QStringLiteral("error")).toString(), QStringLiteral("not allowed"));
    const QJsonObject status = object(MqttRules::reply({}, QStringLiteral("status"), ControlReply::done(QStringLiteral("{\"version\":\"1\"}"))));
    EXPECT_TRUE(status.value(QStringLiteral("ok")).toBool());
    EXPECT_FALSE(status.contains(QStringLiteral("id")));
    EXPECT_EQ(status.value(QStringLiteral("result")).toObject().value(QStringLiteral("version")).toString(), QStringLiteral("1"));
    EXPECT_EQ(object(MqttRules::reply({}, QStringLiteral("restart"), ControlReply::done(QStringLiteral("Korvel restarts\n"))))
                  .value(QStringLiteral("result")).toString(), QStringLiteral("Korvel restarts"));
}

TEST(MqttRulesTest, PublishedStatusLeavesOutWhatChangesByItself)
{
    const QJsonObject status{
        {QStringLiteral("version"), QStringLiteral("1.2")},
        {QStringLiteral("uptimeSeconds"), 5},
        {QStringLiteral("windows"), QJsonArray{QJsonObject{{QStringLiteral("url"), QStringLiteral("https://hidden/")}, {QStringLiteral("visible"), false}},
                                               QJsonObject{{QStringLiteral("url"), QStringLiteral("https://shown/")}, {QStringLiteral("title"), QStringLiteral("Shown")}, {QStringLiteral("visible"), true}}}},
        {QStringLiteral("brightness"), 0.5},
        {QStringLiteral("frames"), QJsonArray{QJsonObject{{QStringLiteral("ageMs"), 10}}}},
        {QStringLiteral("memory"), QJsonObject{{QStringLiteral("korvelBytes"), 1}}},
        {QStringLiteral("settings"), QJsonObject{{QStringLiteral("fingerprint"), QStringLiteral("ab")}, {QStringLiteral("appliedAt"), QStringLiteral("t")}}},
    };
    const QJsonObject published = MqttRules::publishedStatus(status);
    EXPECT_EQ(published.value(QStringLiteral("url")).toString(), QStringLiteral("https://shown/"));
    EXPECT_EQ(published.value(QStringLiteral("title")).toString(), QStringLiteral("Shown"));
    EXPECT_EQ(published.value(QStringLiteral("settingsFingerprint")).toString(), QStringLiteral("ab"));
    EXPECT_EQ(published.value(QStringLiteral("brightness")).toDouble(), 0.5);
    for (const char* gone : {"uptimeSeconds", "frames", "memory", "windows", "settings"})
        EXPECT_FALSE(published.contains(QLatin1String(gone))) << gone;
}

TEST(MqttRulesTest, DiscoveryPresentsOneDeviceWhoseButtonsAreCommands)
{
    const auto topics = MqttRules::topics(QStringLiteral("korvel/lobby"), nullptr);
    ASSERT_TRUE(topics);
    const QList<MqttRules::Message> messages =
        MqttRules::discovery(*topics, {QStringLiteral("ab12/cd"), QStringLiteral("lobby"), QStringLiteral("Panel"), QStringLiteral("1.0")});
    QSet<QString> ids;
    QStringList pressed;
    for (const MqttRules::Message& m : messages) {
        const QJsonObject doc = QJsonDocument::fromJson(m.payload).object();
        ASSERT_FALSE(doc.isEmpty()) << qPrintable(m.topic);
        EXPECT_TRUE(m.topic.startsWith(QLatin1String("homeassistant/")) && m.topic.endsWith(QLatin1String("/config"))) << qPrintable(m.topic);
        EXPECT_EQ(m.topic.count(QLatin1Char('/')), 4) << "the device id must not add levels: " << qPrintable(m.topic);
        EXPECT_EQ(doc.value(QStringLiteral("device")).toObject().value(QStringLiteral("identifiers")).toArray().first().toString(),
                  QStringLiteral("korvel_ab12-cd"));
        ids.insert(doc.value(QStringLiteral("unique_id")).toString());
        if (doc.contains(QStringLiteral("payload_press"))) {
            EXPECT_EQ(doc.value(QStringLiteral("command_topic")).toString(), topics->command);
            QString id, problem;
            const auto command = MqttRules::command(doc.value(QStringLiteral("payload_press")).toString().toUtf8(), false, &id, &problem);
            ASSERT_TRUE(command) << qPrintable(problem);
            pressed << command->name;
        }
        if (m.topic.contains(QLatin1String("/number/"))) {
            // Home Assistant fills in the value; what it then sends must be a command.
            const QString sent = doc.value(QStringLiteral("command_template")).toString().replace(QStringLiteral("{{ value / 100 }}"), QStringLiteral("0.4"));
            QString id, problem;
            const auto command = MqttRules::command(sent.toUtf8(), false, &id, &problem);
            ASSERT_TRUE(command) << qPrintable(problem);
            EXPECT_EQ(command->arguments.value(QStringLiteral("brightness")).toDouble(), 0.4);
        }
    }
    EXPECT_EQ(ids.size(), messages.size());
    EXPECT_EQ(pressed, QStringList({QStringLiteral("kiosk.reload"), QStringLiteral("kiosk.home"), QStringLiteral("kiosk.end-visit")}));
    EXPECT_TRUE(messages.first().payload.contains("\"state_topic\":\"korvel/lobby/availability\""));
}

TEST(MqttRulesTest, ReconnectWaitsLongerAfterEachFailure)
{
    const struct {
        int failures;
        double jitter;
        std::chrono::milliseconds delay;
    } cases[] = {
        {0, 0, 1s}, {1, 0, 1s}, {2, 0, 2s}, {3, 0, 4s}, {6, 0, 32s}, {7, 0, 60s}, {100, 0, 60s},
        {1, 1, 1200ms}, {7, 1, 72s}, {3, 0.5, 4400ms}, {1, 5, 1200ms}, {1, -1, 1s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MqttRules::reconnectDelay(c.failures, c.jitter), c.delay) << c.failures << " " << c.jitter;
}

}  // namespace
}  // namespace korvel

#include "remote/MqttRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace korvel::MqttRules {

namespace {

QString level(const QString& text)
{
    static const QRegularExpression unfit(QStringLiteral("[^A-Za-z0-9_.-]+"));
    QString name = text.trimmed();
    name.replace(unfit, QStringLiteral("-"));
    name = name.left(64);
    return name.isEmpty() || name == QLatin1String("-") ? QStringLiteral("kiosk") : name;
}

QJsonObject deviceObject(const Device& device)
{
    return {{QStringLiteral("identifiers"), QJsonArray{QStringLiteral("korvel_") + level(device.id)}},
            {QStringLiteral("name"), device.name},
            {QStringLiteral("model"), device.model},
            {QStringLiteral("manufacturer"), QStringLiteral("Korvel")},
            {QStringLiteral("sw_version"), device.version}};
}

}  // namespace

QString defaultPrefix(const QString& deviceName)
{
    return QStringLiteral("korvel/") + level(deviceName);
}

std::optional<Topics> topics(const QString& prefix, QString* problem)
{
    const auto refuse = [&](const QString& why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    if (prefix.isEmpty() || prefix.size() > 200)
        return refuse(QStringLiteral("the topic prefix must have 1 to 200 characters"));
    if (prefix.contains(QLatin1Char('+')) || prefix.contains(QLatin1Char('#')) || prefix.contains(QChar(0)))
        return refuse(QStringLiteral("the topic prefix must not hold \"+\", \"#\" or a NUL"));
    if (prefix.startsWith(QLatin1Char('$')))
        return refuse(QStringLiteral("the topic prefix must not start with \"$\" (the broker's own topics)"));
    if (prefix.split(QLatin1Char('/')).contains(QString()))
        return refuse(QStringLiteral("the topic prefix must not have empty levels (\"//\", or \"/\" at an end)"));
    return Topics{prefix + QStringLiteral("/status"), prefix + QStringLiteral("/availability"), prefix + QStringLiteral("/command"),
                  prefix + QStringLiteral("/reply")};
}

const QStringList& commandNames()
{
    static const QStringList names{QStringLiteral("status"), QStringLiteral("navigate"), QStringLiteral("reload"),
                                   QStringLiteral("home"), QStringLiteral("end-visit"), QStringLiteral("screen"),
                                   QStringLiteral("screensaver"), QStringLiteral("restart")};
    return names;
}

std::optional<ControlCommand> command(const QByteArray& payload, bool retained, QString* id, QString* problem)
{
    const auto refuse = [&](const QString& why) {
        *problem = why;
        return std::nullopt;
    };
    id->clear();
    if (payload.size() > payloadLimit)
        return refuse(QStringLiteral("the message is larger than %1 bytes").arg(payloadLimit));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refuse(QStringLiteral("the message is not a JSON object"));
    const QJsonObject object = document.object();
    const QJsonValue idValue = object.value(QStringLiteral("id"));
    if (idValue.isString())
        *id = idValue.toString().left(64);
    else if (!idValue.isUndefined())
        return refuse(QStringLiteral("\"id\" must be a text"));
    if (retained)
        return refuse(QStringLiteral("a retained message is not taken as a command (it would run again at every connect)"));
    const QJsonValue name = object.value(QStringLiteral("command"));
    if (!name.isString() || !commandNames().contains(name.toString()))
        return refuse(QStringLiteral("\"command\" must be one of %1").arg(commandNames().join(QStringLiteral(", "))));
    const QJsonValue arguments = object.value(QStringLiteral("arguments"));
    if (!arguments.isUndefined() && !arguments.isObject())
        return refuse(QStringLiteral("\"arguments\" must be an object"));
    return ControlCommand{QStringLiteral("kiosk.") + name.toString(), arguments.toObject()};
}

QByteArray reply(const QString& id, const QString& command, const ControlReply& answer)
{
    QJsonObject object{{QStringLiteral("command"), command},
                       {QStringLiteral("ok"), answer.status == ExitStatus::Done},
                       {QStringLiteral("status"), answer.status}};
    if (!id.isEmpty())
        object.insert(QStringLiteral("id"), id);
    if (!answer.error.isEmpty())
        object.insert(QStringLiteral("error"), answer.error.trimmed());
    if (!answer.output.isEmpty()) {
        const QJsonDocument output = QJsonDocument::fromJson(answer.output.toUtf8());
        object.insert(QStringLiteral("result"), output.isObject() ? QJsonValue(output.object()) : QJsonValue(answer.output.trimmed()));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QJsonObject publishedStatus(const QJsonObject& status)
{
    QJsonObject shown;
    const QJsonArray windows = status.value(QStringLiteral("windows")).toArray();
    for (const QJsonValue& w : windows) {
        if (w.toObject().value(QStringLiteral("visible")).toBool()) {
            shown = w.toObject();
            break;
        }
    }
    QJsonObject published{{QStringLiteral("url"), shown.value(QStringLiteral("url")).toString()},
                          {QStringLiteral("title"), shown.value(QStringLiteral("title")).toString()}};
    for (const char* key : {"version", "visitInProgress", "settingsOpen", "screensaver", "powerSaver", "screenOn", "brightness",
                            "renderPath", "network", "counts"}) {
        const QString k = QLatin1String(key);
        if (status.contains(k))
            published.insert(k, status.value(k));
    }
    published.insert(QStringLiteral("settingsFingerprint"),
                     status.value(QStringLiteral("settings")).toObject().value(QStringLiteral("fingerprint")));
    return published;
}

QList<Message> discovery(const Topics& topics, const Device& device)
{
    const QString node = level(device.id);
    const QJsonObject base{{QStringLiteral("device"), deviceObject(device)},
                           {QStringLiteral("availability_topic"), topics.availability}};
    const auto message = [&](const char* component, const char* entity, const QString& name, QJsonObject fields) {
        for (auto it = base.begin(); it != base.end(); ++it)
            fields.insert(it.key(), it.value());
        fields.insert(QStringLiteral("name"), name);
        fields.insert(QStringLiteral("unique_id"), QStringLiteral("korvel_%1_%2").arg(node, QLatin1String(entity)));
        fields.insert(QStringLiteral("object_id"), QStringLiteral("korvel_%1_%2").arg(node, QLatin1String(entity)));
        return Message{QStringLiteral("homeassistant/%1/korvel_%2/%3/config").arg(QLatin1String(component), node, QLatin1String(entity)),
                       QJsonDocument(fields).toJson(QJsonDocument::Compact)};
    };
    const auto button = [&](const char* entity, const QString& name, const char* command, const char* icon) {
        return message("button", entity, name,
                       {{QStringLiteral("command_topic"), topics.command},
                        {QStringLiteral("payload_press"), QStringLiteral("{\"command\":\"%1\"}").arg(QLatin1String(command))},
                        {QStringLiteral("icon"), QLatin1String(icon)}});
    };
    return {
        // Its own state is the availability: it must not go unavailable when the kiosk is offline.
        Message{QStringLiteral("homeassistant/binary_sensor/korvel_%1/online/config").arg(node),
                QJsonDocument(QJsonObject{{QStringLiteral("device"), deviceObject(device)},
                                          {QStringLiteral("name"), QStringLiteral("Online")},
                                          {QStringLiteral("unique_id"), QStringLiteral("korvel_%1_online").arg(node)},
                                          {QStringLiteral("object_id"), QStringLiteral("korvel_%1_online").arg(node)},
                                          {QStringLiteral("state_topic"), topics.availability},
                                          {QStringLiteral("payload_on"), QStringLiteral("online")},
                                          {QStringLiteral("payload_off"), QStringLiteral("offline")},
                                          {QStringLiteral("device_class"), QStringLiteral("connectivity")}})
                    .toJson(QJsonDocument::Compact)},
        message("sensor", "address", QStringLiteral("Address"),
                {{QStringLiteral("state_topic"), topics.status},
                 {QStringLiteral("value_template"), QStringLiteral("{{ value_json.url }}")},
                 {QStringLiteral("icon"), QStringLiteral("mdi:web")}}),
        button("reload", QStringLiteral("Reload"), "reload", "mdi:refresh"),
        button("home", QStringLiteral("Home"), "home", "mdi:home"),
        button("end_visit", QStringLiteral("End visit"), "end-visit", "mdi:account-remove"),
        message("number", "brightness", QStringLiteral("Brightness"),
                {{QStringLiteral("state_topic"), topics.status},
                 {QStringLiteral("value_template"), QStringLiteral("{{ (value_json.brightness * 100) | round(0) }}")},
                 {QStringLiteral("command_topic"), topics.command},
                 {QStringLiteral("command_template"),
                  QStringLiteral("{\"command\":\"screen\",\"arguments\":{\"brightness\":{{ value / 100 }}}}")},
                 {QStringLiteral("min"), 0},
                 {QStringLiteral("max"), 100},
                 {QStringLiteral("step"), 5},
                 {QStringLiteral("unit_of_measurement"), QStringLiteral("%")},
                 {QStringLiteral("icon"), QStringLiteral("mdi:brightness-6")}}),
    };
}

std::chrono::milliseconds reconnectDelay(int failures, double jitter)
{
    const int doublings = std::clamp(failures - 1, 0, 6);
    const double seconds = std::min(60.0, double(1 << doublings));
    return std::chrono::milliseconds(qint64(std::llround(seconds * 1000 * (1 + 0.2 * std::clamp(jitter, 0.0, 1.0)))));
}

}  // namespace korvel::MqttRules

#pragma once

#include "control/ControlCommand.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <chrono>
#include <optional>

namespace korvel {

// The kiosk on an MQTT broker: where it publishes and listens, what it takes from a message and
// what it answers, and how it presents itself to Home Assistant. Plain rules; the client that
// speaks to the broker is MqttLink (net/).
namespace MqttRules {

// The topics under one prefix ("korvel/<device>" unless the administrator names another).
struct Topics {
    QString status;        // retained: what the kiosk shows, on change and every minute
    QString availability;  // retained: "online", and "offline" as the broker's last will
    QString command;       // commands in
    QString reply;         // their answers out
};

// The prefix for a device name: "korvel/" and the name, with what a topic level must not hold
// replaced.
QString defaultPrefix(const QString& deviceName);
// The topics of a prefix; nothing, with the reason, for a prefix that is no plain topic (empty,
// wildcards, a leading "$", empty levels, over 200 characters).
std::optional<Topics> topics(const QString& prefix, QString* problem);

// The largest command payload taken; a bigger one is dropped unread.
constexpr int payloadLimit = 16 * 1024;

// The commands taken over MQTT, as they are named there; each becomes "kiosk.<name>". The
// settings commands are not among them: a broker's publish right is not an administrator's.
const QStringList& commandNames();

// A message on the command topic as a command of the command set. `id` receives the message's
// "id" (echoed in the answer) even when the command is refused. Nothing, with the reason, for a
// retained message (it would run again at every connect), an oversized payload, a payload that
// is not {"command": NAME, "arguments": {...}, "id": TEXT} or an unknown command.
std::optional<ControlCommand> command(const QByteArray& payload, bool retained, QString* id, QString* problem);

// The answer to a command on the reply topic: {"id", "command", "ok", "status", "error"}, and the
// command's output as "result" (a JSON value when it is one).
QByteArray reply(const QString& id, const QString& command, const ControlReply& answer);

// The part of the kiosk's status that is published: what it shows and its state, without what
// changes by itself (uptime, memory, frame ages), so that "on change" means a change.
QJsonObject publishedStatus(const QJsonObject& status);

// A retained message to publish.
struct Message {
    QString topic;
    QByteArray payload;
};

struct Device {
    QString id;  // stable: the vendor identifier
    QString name;
    QString model;
    QString version;
};

// Home Assistant's discovery documents ("homeassistant/<component>/<node>/<entity>/config"): the
// kiosk as a device with its online state, the address it shows, buttons for reload, home and end
// of visit, and its brightness as a number.
QList<Message> discovery(const Topics& topics, const Device& device);

// How long to wait before connecting again after `failures` failed attempts in a row: 1 s, doubled
// each time, at most 60 s; `jitter` (0 to 1) adds up to a fifth, so that a fleet does not come
// back to a restarted broker all in the same second.
std::chrono::milliseconds reconnectDelay(int failures, double jitter);

}  // namespace MqttRules

}  // namespace korvel

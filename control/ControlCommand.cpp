#include "control/ControlCommand.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace korvel {

namespace {

std::optional<QJsonObject> object(const QByteArray& line, QString* error)
{
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error = parse.errorString();
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("not a JSON object");
        return std::nullopt;
    }
    return document.object();
}

}  // namespace

QByteArray ControlCommand::toJson() const
{
    return QJsonDocument(QJsonObject{{QStringLiteral("command"), name}, {QStringLiteral("arguments"), arguments}})
               .toJson(QJsonDocument::Compact)
           + '\n';
}

std::optional<ControlCommand> ControlCommand::fromJson(const QByteArray& line, QString* error)
{
    const std::optional<QJsonObject> o = object(line, error);
    if (!o)
        return std::nullopt;
    const QJsonValue name = o->value(QStringLiteral("command"));
    const QJsonValue arguments = o->value(QStringLiteral("arguments"));
    if (!name.isString() || name.toString().isEmpty() || !(arguments.isObject() || arguments.isUndefined())) {
        *error = QStringLiteral("a command needs a \"command\" name and an \"arguments\" object");
        return std::nullopt;
    }
    return ControlCommand{name.toString(), arguments.toObject()};
}

bool ControlCommand::maySend(uid_t peer, uid_t own)
{
    return peer == own || peer == 0;
}

QByteArray ControlReply::toJson() const
{
    return QJsonDocument(QJsonObject{{QStringLiteral("status"), status}, {QStringLiteral("output"), output}, {QStringLiteral("error"), error}})
               .toJson(QJsonDocument::Compact)
           + '\n';
}

std::optional<ControlReply> ControlReply::fromJson(const QByteArray& line, QString* error)
{
    const std::optional<QJsonObject> o = object(line, error);
    if (!o)
        return std::nullopt;
    if (!o->value(QStringLiteral("status")).isDouble()) {
        *error = QStringLiteral("a reply needs a \"status\"");
        return std::nullopt;
    }
    return ControlReply{o->value(QStringLiteral("status")).toInt(), o->value(QStringLiteral("output")).toString(),
                        o->value(QStringLiteral("error")).toString()};
}

}  // namespace korvel

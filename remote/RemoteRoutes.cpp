#include "remote/RemoteRoutes.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace korvel::RemoteRoutes {

using B = RemoteRoute::Body;
using A = RemoteRoute::Answer;

const QList<RemoteRoute>& all()
{
    static const QList<RemoteRoute> routes = {
        {"GET", "/v1/status", "kiosk.status", B::None, A::Json},
        {"GET", "/v1/screenshot", "kiosk.screenshot", B::None, A::Png},
        {"POST", "/v1/navigate", "kiosk.navigate", B::Json, A::Json},
        {"POST", "/v1/reload", "kiosk.reload", B::None, A::Json},
        {"POST", "/v1/home", "kiosk.home", B::None, A::Json},
        {"POST", "/v1/end-visit", "kiosk.end-visit", B::None, A::Json},
        {"POST", "/v1/screen", "kiosk.screen", B::Json, A::Json},
        {"POST", "/v1/screensaver", "kiosk.screensaver", B::Json, A::Json},
        {"POST", "/v1/restart", "kiosk.restart", B::None, A::Json},
        {"POST", "/v1/settings", "settings.apply", B::Document, A::Json},
        {"GET", "/v1/log", "log.read", B::None, A::Json},
        {"GET", "/metrics", "kiosk.status", B::None, A::Metrics},
    };
    return routes;
}

Match find(const QByteArray& method, const QByteArray& path)
{
    Match match;
    for (const RemoteRoute& route : all()) {
        if (path != route.path)
            continue;
        if (method == route.method)
            return {&route, false};
        match.otherMethod = true;
    }
    return match;
}

std::optional<ControlCommand> command(const RemoteRoute& route, const QByteArray& body, const QByteArray& since, QString* problem)
{
    ControlCommand command{QString::fromLatin1(route.command), {}};
    switch (route.body) {
    case B::None:
        if (!body.trimmed().isEmpty() && body.trimmed() != "{}") {
            *problem = QStringLiteral("this call takes no body");
            return std::nullopt;
        }
        break;
    case B::Json: {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(body, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            *problem = QStringLiteral("the body must be a JSON object");
            return std::nullopt;
        }
        command.arguments = document.object();
        break;
    }
    case B::Document:
        if (body.isEmpty()) {
            *problem = QStringLiteral("the body must be a settings document");
            return std::nullopt;
        }
        // In base64, so that every byte of a binary property list arrives as it was.
        command.arguments.insert(QStringLiteral("document"), QString::fromLatin1(body.toBase64()));
        break;
    }
    if (!since.isEmpty())
        command.arguments.insert(QStringLiteral("since"), QString::fromUtf8(since));
    return command;
}

int httpStatus(const ControlReply& reply)
{
    switch (reply.status) {
    case ExitStatus::Done:
        return 200;
    case ExitStatus::Refused:
        return 400;
    case ExitStatus::Forbidden:
        return 403;
    case ExitStatus::Busy:
        return 409;
    default:
        return 500;
    }
}

}  // namespace korvel::RemoteRoutes

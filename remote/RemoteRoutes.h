#pragma once

#include "control/ControlCommand.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace korvel {

// The routes of the remote control API and the commands of the command set they become; one
// table, read by the server, by korvelctl remote and by the check of the API's description.
struct RemoteRoute {
    enum class Body {
        None,      // nothing, or an empty JSON object
        Json,      // a JSON object: the command's arguments
        Document,  // a settings document (property list), raw
    };
    enum class Answer { Json, Png, Metrics };

    const char* method;
    const char* path;
    const char* command;
    Body body;
    Answer answer;
};

namespace RemoteRoutes {

const QList<RemoteRoute>& all();

// The route for a method and a path (exactly as sent, no normalising: "/v1//status" is no route).
struct Match {
    const RemoteRoute* route = nullptr;
    bool otherMethod = false;  // the path is a route, for another method: 405
};
Match find(const QByteArray& method, const QByteArray& path);

// A request's body and query as the command's arguments; nothing, with the reason, when the body
// is not what the route takes.
std::optional<ControlCommand> command(const RemoteRoute& route, const QByteArray& body, const QByteArray& since,
                                      QString* problem);

// The HTTP status of a command's reply.
int httpStatus(const ControlReply& reply);

}  // namespace RemoteRoutes

}  // namespace korvel

#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

#include <sys/types.h>

namespace korvel {

// One command of the administration's command set, as korvelctl and later remote control send it:
// a name ("pref.set", "sites.add", ...) and named arguments. Its JSON form is one line:
// {"command": NAME, "arguments": {...}}.
struct ControlCommand {
    QString name;
    QJsonObject arguments;

    QByteArray toJson() const;
    // Nothing, with the reason in `error`, for a line that is not such an object.
    static std::optional<ControlCommand> fromJson(const QByteArray& line, QString* error);

    // Who may send commands over the control socket: the user Korvel runs as, and root.
    static bool maySend(uid_t peer, uid_t own);
};

// What a command did: its exit status (0 done, 1 not saved, 2 refused, 3 the password store is
// damaged), what it tells on success and what it tells on failure, as korvelctl prints them.
struct ControlReply {
    int status = 0;
    QString output;
    QString error;

    static ControlReply done(const QString& output = {}) { return {0, output, {}}; }
    static ControlReply failed(int status, const QString& error) { return {status, {}, error}; }
    static ControlReply refused(const QString& error) { return failed(2, error); }

    QByteArray toJson() const;
    static std::optional<ControlReply> fromJson(const QByteArray& line, QString* error);
};

}  // namespace korvel

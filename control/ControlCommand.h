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

// korvelctl's exit statuses, which scripts rely on. Plain ints, because a command's status is
// korvelctl's exit code.
namespace ExitStatus {
enum : int {
    Done = 0,
    Failed = 1,        // not done: not saved, not found, a wrong password, no answer
    Refused = 2,       // refused as asked: a bad argument or a document unfit to apply
    DamagedStore = 3,  // the password store is damaged
    Forbidden = 4,     // refused by the website rules (a remote navigation)
    Busy = 5,          // not now: the kiosk's settings are open
};
}  // namespace ExitStatus

// What a command did: its exit status, what it tells on success and what it tells on failure, as
// korvelctl prints them.
struct ControlReply {
    int status = ExitStatus::Done;
    QString output;
    QString error;

    static ControlReply done(const QString& output = {}) { return {ExitStatus::Done, output, {}}; }
    static ControlReply failed(int status, const QString& error) { return {status, {}, error}; }
    static ControlReply refused(const QString& error) { return failed(ExitStatus::Refused, error); }

    QByteArray toJson() const;
    static std::optional<ControlReply> fromJson(const QByteArray& line, QString* error);
};

}  // namespace korvel

#pragma once

#include "control/ControlCommand.h"

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace korvel {

// The local control socket of a running Korvel: a Unix socket in the home's runtime directory,
// mode 0600, that takes one command per connection (a JSON line) from Korvel's own user or root,
// hands it to the performer and writes back its reply. Only the process that holds the home's
// lock may listen (it takes over a socket a crashed Korvel left behind).
class ControlServer final : public QObject {
    Q_OBJECT
public:
    // Who sent a command: "korvelctl" with the peer's user id.
    struct Peer {
        uid_t uid = 0;
        pid_t pid = 0;
    };
    using Reply = std::function<void(const ControlReply&)>;
    using Performer = std::function<void(const ControlCommand&, const Peer&, Reply)>;

    // A command line longer than this is refused unread: commands are short.
    static constexpr qint64 lineLimit = 64 * 1024;

    explicit ControlServer(Performer performer, QObject* parent = nullptr);
    ~ControlServer() override;

    // Listens on `path`. False, with the reason in errorString(), when it cannot.
    bool listen(const QString& path);
    QString errorString() const { return m_error; }

private:
    void accept();
    void read(QLocalSocket* socket);

    Performer m_performer;
    QLocalServer* m_server = nullptr;
    QString m_path;
    QString m_error;
};

}  // namespace korvel

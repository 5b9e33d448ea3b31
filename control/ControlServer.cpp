#include "control/ControlServer.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>

namespace korvel {

namespace {

// A client that connects and says nothing does not hold a connection for long.
constexpr int readTimeoutMs = 10000;

}  // namespace

ControlServer::ControlServer(Performer performer, QObject* parent)
    : QObject(parent)
    , m_performer(std::move(performer))
{
}

ControlServer::~ControlServer()
{
    if (m_server) {
        m_server->close();
        QFile::remove(m_path);
    }
}

bool ControlServer::listen(const QString& path)
{
    m_path = path;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The caller holds the home's lock: a socket file left here is a crashed Korvel's.
    QLocalServer::removeServer(path);
    if (!m_server->listen(path)) {
        m_error = m_server->errorString();
        return false;
    }
    // Owner only, whatever the umask made of it; the directory is the owner's alone as well.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    connect(m_server, &QLocalServer::newConnection, this, &ControlServer::accept);
    return true;
}

void ControlServer::accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        ucred peer{};
        socklen_t length = sizeof peer;
        if (::getsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0
            || !ControlCommand::maySend(peer.uid, ::getuid())) {
            socket->write(ControlReply::refused(QStringLiteral("only the user Korvel runs as, or root, may send commands")).toJson());
            socket->disconnectFromServer();
            continue;
        }
        socket->setProperty("peerUid", uint(peer.uid));
        socket->setProperty("peerPid", int(peer.pid));
        QTimer::singleShot(readTimeoutMs, socket, [socket] {
            if (!socket->property("received").toBool())
                socket->abort();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        if (socket->bytesAvailable() > 0)
            read(socket);
    }
}

void ControlServer::read(QLocalSocket* socket)
{
    if (socket->property("received").toBool())
        return;
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > lineLimit) {
            socket->write(ControlReply::refused(QStringLiteral("the command is too long")).toJson());
            socket->disconnectFromServer();
        }
        return;
    }
    socket->setProperty("received", true);
    const QByteArray line = socket->readLine(lineLimit + 1);
    QString error;
    const std::optional<ControlCommand> command = ControlCommand::fromJson(line, &error);
    QPointer<QLocalSocket> alive(socket);
    const Reply reply = [alive](const ControlReply& answer) {
        if (!alive)
            return;
        alive->write(answer.toJson());
        alive->disconnectFromServer();
    };
    if (!command) {
        reply(ControlReply::refused(QStringLiteral("not a command: ") + error));
        return;
    }
    m_performer(*command, Peer{uid_t(socket->property("peerUid").toUInt()), pid_t(socket->property("peerPid").toInt())}, reply);
}

}  // namespace korvel

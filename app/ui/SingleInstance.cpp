#include "app/ui/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace korvel {

SingleInstance::SingleInstance(const QString& home, QObject* parent)
    : QObject(parent)
    , m_name(QStringLiteral("korvel-") + QString::fromLatin1(QCryptographicHash::hash(home.toUtf8(), QCryptographicHash::Sha1).toHex().left(16)))
{
}

bool SingleInstance::sendToRunning(const QString& message) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(message.toUtf8());
    socket.flush();
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    // Only this user may hand addresses over.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A server left behind by a process that was killed: take the name over.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                Q_EMIT messageReceived(QString::fromUtf8(socket->readAll()));
            });
        }
    });
    return true;
}

}  // namespace korvel

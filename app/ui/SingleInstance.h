#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace korvel {

// One Korvel per home directory. A second start with an address ("korvel korvel://host/path")
// hands the address to the running one and ends.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& home, QObject* parent = nullptr);

    // Sends `message` to a running instance; true when one took it.
    bool sendToRunning(const QString& message) const;
    // Starts answering later starts. False when the name cannot be taken.
    bool listen();

Q_SIGNALS:
    void messageReceived(const QString& message);

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};

}  // namespace korvel

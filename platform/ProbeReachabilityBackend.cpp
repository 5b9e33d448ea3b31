#include "platform/ProbeReachabilityBackend.h"

#include "platform/NetworkChangeWatch.h"

#include <QTcpSocket>

namespace korvel {

ProbeReachabilityBackend::ProbeReachabilityBackend(QString host, quint16 port, std::chrono::milliseconds period,
                                                   std::chrono::milliseconds timeout, QObject* parent)
    : ReachabilityBackend(parent)
    , m_host(std::move(host))
    , m_port(port)
    , m_period(period)
    , m_timeout(timeout)
{
    connect(&m_periodTimer, &Timer::timeout, this, &ProbeReachabilityBackend::probe);
    connect(&m_timeoutTimer, &Timer::timeout, this, [this] { finish(NetworkStatus::NotReachable); });
    connect(&m_settleTimer, &Timer::timeout, this, [this] {
        // A probe begun before the change says nothing about the network now.
        dropSocket();
        m_periodTimer.start(m_period, TimerMode::Repeating);
        probe();
    });
}

ProbeReachabilityBackend::~ProbeReachabilityBackend()
{
    stop();
}

void ProbeReachabilityBackend::start()
{
    if (m_periodTimer.isActive())
        return;
    m_periodTimer.start(m_period, TimerMode::Repeating);
    if (!m_changes) {
        m_changes = new NetworkChangeWatch(this);
        connect(m_changes, &NetworkChangeWatch::changed, this, &ProbeReachabilityBackend::networkChanged);
    }
    probe();
}

void ProbeReachabilityBackend::stop()
{
    m_periodTimer.stop();
    m_settleTimer.stop();
    delete m_changes;
    m_changes = nullptr;
    dropSocket();
}

void ProbeReachabilityBackend::networkChanged()
{
    if (m_periodTimer.isActive())
        m_settleTimer.start(settleTime, TimerMode::SingleShot);
}

void ProbeReachabilityBackend::probe()
{
    // A probe still under way when the next one is due has failed (a timeout longer than the period).
    if (m_socket)
        finish(NetworkStatus::NotReachable);

    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, [this] { finish(NetworkStatus::ReachableViaWiFi); });
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this] { finish(NetworkStatus::NotReachable); });
    // Armed first: connectToHost() may report an error before it returns.
    m_timeoutTimer.start(m_timeout, TimerMode::SingleShot);
    m_socket->connectToHost(m_host, m_port);
}

void ProbeReachabilityBackend::finish(NetworkStatus result)
{
    dropSocket();
    m_status = result;
    Q_EMIT statusReported();
}

void ProbeReachabilityBackend::dropSocket()
{
    m_timeoutTimer.stop();
    if (!m_socket)
        return;
    // Possibly inside one of the socket's own signals: cut it off now, delete it later.
    m_socket->disconnect(this);
    m_socket->deleteLater();
    m_socket = nullptr;
}

}  // namespace korvel

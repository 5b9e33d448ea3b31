#include "platform/Reachability.h"

#include "platform/NetworkInformationReachabilityBackend.h"
#include "platform/NotificationCenter.h"
#include "platform/ProbeReachabilityBackend.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QPointer>
#include <QTcpSocket>

#include <future>
#include <thread>

namespace korvel {

namespace {

Reachability::BackendFactory& installedFactory()
{
    static Reachability::BackendFactory factory;
    return factory;
}

// The addresses of `host`, or none when it does not resolve before `deadline`. The resolver's own
// timeouts can run to tens of seconds without a DNS server, so the lookup runs on a thread that
// is abandoned (and finishes on its own) when the deadline passes.
QList<QHostAddress> resolve(const QString& host, const QDeadlineTimer& deadline)
{
    QHostAddress literal;
    if (literal.setAddress(host))
        return {literal};
    auto lookup = std::make_shared<std::promise<QHostInfo>>();
    std::future<QHostInfo> result = lookup->get_future();
    std::thread([lookup, host] { lookup->set_value(QHostInfo::fromName(host)); }).detach();
    if (result.wait_for(std::chrono::milliseconds(deadline.remainingTime())) != std::future_status::ready)
        return {};
    const QHostInfo info = result.get();
    return info.error() == QHostInfo::NoError ? info.addresses() : QList<QHostAddress>{};
}

}  // namespace

Reachability* Reachability::reachabilityWithHostName(const QString& host)
{
    std::unique_ptr<ReachabilityBackend> backend;
    if (installedFactory())
        backend = installedFactory()(host);
    else if (auto information = NetworkInformationReachabilityBackend::create())
        backend = std::move(information);
    else
        backend = std::make_unique<ProbeReachabilityBackend>(host);
    Q_ASSERT(backend);
    return new Reachability(std::move(backend));
}

void Reachability::setBackendFactory(BackendFactory factory)
{
    installedFactory() = std::move(factory);
}

Reachability::Reachability(std::unique_ptr<ReachabilityBackend> backend, QObject* parent)
    : QObject(parent)
    , m_backend(std::move(backend))
{
    connect(m_backend.get(), &ReachabilityBackend::statusReported, this, &Reachability::takeReading);
}

Reachability::~Reachability()
{
    stopNotifier();
}

void Reachability::startNotifier()
{
    if (m_notifying)
        return;
    m_notifying = true;
    m_backend->start();
    // Changes made while stopped are not reported: count from what the backend says now.
    if (const auto status = m_backend->status())
        m_known = status;
}

void Reachability::stopNotifier()
{
    if (!m_notifying)
        return;
    m_notifying = false;
    m_backend->stop();
}

NetworkStatus Reachability::currentReachabilityStatus() const
{
    if (const auto status = m_backend->status())
        return *status;
    return m_known.value_or(NetworkStatus::NotReachable);
}

void Reachability::takeReading()
{
    if (!m_notifying)
        return;
    const auto status = m_backend->status();
    if (!status || status == m_known)
        return;
    if (!m_known) {
        m_known = status;
        return;
    }
    m_known = status;
    // An observer may delete the monitor while it is being notified.
    QPointer<Reachability> self(this);
    NotificationCenter::defaultCenter().post(kReachabilityChangedNotification, this);
    if (self)
        Q_EMIT changed();
}

bool Reachability::isHostReachable(const QString& host, std::chrono::milliseconds timeout, std::optional<quint16> port)
{
    if (host.isEmpty())
        return false;
    const QDeadlineTimer deadline(timeout.count());
    const QList<QHostAddress> addresses = resolve(host, deadline);
    const QList<quint16> ports = port ? QList<quint16>{*port} : QList<quint16>{443, 80};

    // Each attempt gets an equal share of what is left, so a port that drops packets does not
    // use up the time of the next one.
    qint64 attemptsLeft = qint64(addresses.size()) * ports.size();
    for (const quint16 candidatePort : ports) {
        for (const QHostAddress& address : addresses) {
            const qint64 remaining = deadline.remainingTime();
            if (remaining <= 0)
                return false;
            QTcpSocket socket;
            socket.connectToHost(address, candidatePort);
            const bool connected = socket.waitForConnected(int(std::max<qint64>(1, remaining / attemptsLeft--)));
            socket.abort();
            if (connected)
                return true;
        }
    }
    return false;
}

}  // namespace korvel

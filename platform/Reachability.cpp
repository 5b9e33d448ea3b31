#include "platform/Reachability.h"

#include "platform/NetworkInformationReachabilityBackend.h"
#include "platform/NotificationCenter.h"
#include "platform/ProbeReachabilityBackend.h"

#include <QPointer>

namespace korvel {

namespace {

Reachability::BackendFactory& installedFactory()
{
    static Reachability::BackendFactory factory;
    return factory;
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

}  // namespace korvel

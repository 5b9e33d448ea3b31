#include "platform/FakeReachabilityBackend.h"

#include "platform/Reachability.h"

#include <QPointer>

namespace korvel {

namespace {
QPointer<FakeReachabilityBackend> latestFake;
}  // namespace

FakeReachabilityBackend::FakeReachabilityBackend(std::optional<NetworkStatus> initial, QString host, QObject* parent)
    : ReachabilityBackend(parent)
    , m_status(initial)
    , m_host(std::move(host))
{
}

void FakeReachabilityBackend::setStatus(std::optional<NetworkStatus> status)
{
    m_status = status;
    Q_EMIT statusReported();
}

void FakeReachabilityBackend::install(std::optional<NetworkStatus> initial)
{
    Reachability::setBackendFactory([initial](const QString& host) {
        auto fake = std::make_unique<FakeReachabilityBackend>(initial, host);
        latestFake = fake.get();
        return std::unique_ptr<ReachabilityBackend>(std::move(fake));
    });
}

FakeReachabilityBackend* FakeReachabilityBackend::latest()
{
    return latestFake.data();
}

}  // namespace korvel

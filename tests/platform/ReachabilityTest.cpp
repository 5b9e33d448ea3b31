#include "platform/FakeReachabilityBackend.h"
#include "platform/NetworkInformationReachabilityBackend.h"
#include "platform/NotificationCenter.h"
#include "platform/ProbeReachabilityBackend.h"
#include "platform/Reachability.h"
#include "tests/support/EventLoop.h"
#include "tests/support/TestHome.h"

#include <QSignalSpy>
#include <QTcpServer>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;
using korvel::FakeReachabilityBackend;
using korvel::NetworkStatus;
using korvel::ProbeReachabilityBackend;
using korvel::Reachability;
using Info = QNetworkInformation;

namespace korvel {
// Readable failures instead of raw bytes.
void PrintTo(NetworkStatus status, std::ostream* os)
{
    switch (status) {
    case NetworkStatus::NotReachable: *os << "NotReachable"; return;
    case NetworkStatus::ReachableViaWiFi: *os << "ReachableViaWiFi"; return;
    case NetworkStatus::ReachableViaWWAN: *os << "ReachableViaWWAN"; return;
    }
}
}  // namespace korvel

namespace {

class ReachabilityTest : public korvel::test::TestHome {
protected:
    void TearDown() override
    {
        Reachability::setBackendFactory({});
        TestHome::TearDown();
    }

    // Records each notification as the status its monitor reports at that moment, as the browser
    // window's handler reads it, and checks the object is the monitor.
    void observe(Reachability* monitor)
    {
        korvel::NotificationCenter::defaultCenter().addObserver(
            &m_observer, korvel::kReachabilityChangedNotification, [this, monitor](const korvel::Notification& n) {
                EXPECT_EQ(n.object, monitor);
                posted.push_back(monitor->currentReachabilityStatus());
            });
    }

    std::vector<NetworkStatus> posted;

private:
    QObject m_observer;
};

}  // namespace

TEST_F(ReachabilityTest, PostsOncePerChangeAndOnlyWhileTheNotifierRuns)
{
    auto owned = std::make_unique<FakeReachabilityBackend>(NetworkStatus::ReachableViaWiFi);
    FakeReachabilityBackend* fake = owned.get();
    Reachability monitor(std::move(owned));
    QSignalSpy changed(&monitor, &Reachability::changed);
    observe(&monitor);

    fake->setStatus(NetworkStatus::NotReachable);
    EXPECT_TRUE(posted.empty());
    EXPECT_FALSE(monitor.isReachable());  // the status is readable without a notifier

    monitor.startNotifier();
    EXPECT_TRUE(fake->isStarted());
    fake->setStatus(NetworkStatus::NotReachable);  // a repeated reading is no change
    fake->setStatus(NetworkStatus::ReachableViaWiFi);
    fake->setStatus(NetworkStatus::ReachableViaWiFi);
    fake->setStatus(std::nullopt);  // an unknown reading keeps the last known status
    EXPECT_TRUE(monitor.isReachable());
    fake->setStatus(NetworkStatus::ReachableViaWiFi);
    fake->setStatus(NetworkStatus::ReachableViaWWAN);
    EXPECT_EQ(posted, (std::vector{NetworkStatus::ReachableViaWiFi, NetworkStatus::ReachableViaWWAN}));
    EXPECT_EQ(changed.count(), 2);

    monitor.stopNotifier();
    EXPECT_FALSE(fake->isStarted());
    fake->setStatus(NetworkStatus::NotReachable);
    EXPECT_EQ(posted.size(), 2u);

    // Restarting counts from the status at that moment, not from before the stop.
    monitor.startNotifier();
    EXPECT_EQ(posted.size(), 2u);
    fake->setStatus(NetworkStatus::ReachableViaWiFi);
    EXPECT_EQ(posted.back(), NetworkStatus::ReachableViaWiFi);
    EXPECT_EQ(posted.size(), 3u);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(ReachabilityTest, TheFirstKnownReadingIsTheBaselineNotAChange)
{
    auto owned = std::make_unique<FakeReachabilityBackend>(std::nullopt);
    FakeReachabilityBackend* fake = owned.get();
    Reachability monitor(std::move(owned));
    observe(&monitor);
    monitor.startNotifier();
    EXPECT_EQ(monitor.currentReachabilityStatus(), NetworkStatus::NotReachable);

    fake->setStatus(NetworkStatus::ReachableViaWiFi);
    EXPECT_TRUE(posted.empty());
    fake->setStatus(NetworkStatus::NotReachable);
    EXPECT_EQ(posted, (std::vector{NetworkStatus::NotReachable}));
}

// What the system's network information says, as the kiosk's three states.
TEST_F(ReachabilityTest, SystemReadingsMapToTheKiosksStates)
{
    struct SystemRow {
        Info::Reachability reachability;
        Info::TransportMedium medium;
        std::optional<NetworkStatus> status;
    };
    for (const SystemRow& row : {
             SystemRow{Info::Reachability::Unknown, Info::TransportMedium::Ethernet, std::nullopt},
             SystemRow{Info::Reachability::Disconnected, Info::TransportMedium::Unknown, NetworkStatus::NotReachable},
             SystemRow{Info::Reachability::Local, Info::TransportMedium::Ethernet, NetworkStatus::NotReachable},
             SystemRow{Info::Reachability::Site, Info::TransportMedium::WiFi, NetworkStatus::NotReachable},
             SystemRow{Info::Reachability::Online, Info::TransportMedium::Ethernet, NetworkStatus::ReachableViaWiFi},
             SystemRow{Info::Reachability::Online, Info::TransportMedium::WiFi, NetworkStatus::ReachableViaWiFi},
             SystemRow{Info::Reachability::Online, Info::TransportMedium::Unknown, NetworkStatus::ReachableViaWiFi},
             SystemRow{Info::Reachability::Online, Info::TransportMedium::Cellular, NetworkStatus::ReachableViaWWAN},
         }) {
        SCOPED_TRACE(testing::Message() << int(row.reachability) << "/" << int(row.medium));
        EXPECT_EQ(korvel::NetworkInformationReachabilityBackend::statusFor(row.reachability, row.medium), row.status);
    }
}

TEST_F(ReachabilityTest, ProbeFollowsALocalServerAtEachPeriod)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const quint16 port = server.serverPort();
    auto probe = std::make_unique<ProbeReachabilityBackend>(QStringLiteral("127.0.0.1"), port, 10s, 5s);
    QSignalSpy readings(probe.get(), &korvel::ReachabilityBackend::statusReported);
    Reachability monitor(std::move(probe));
    observe(&monitor);

    monitor.startNotifier();  // probes at once
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return readings.count() == 1; }));
    EXPECT_TRUE(monitor.isReachable());
    clock.advance(10s);
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return readings.count() == 2; }));
    EXPECT_TRUE(monitor.isReachable());
    EXPECT_TRUE(posted.empty());

    server.close();
    clock.advance(9s);
    korvel::test::processEventsUntil([] { return false; }, 100);
    EXPECT_EQ(readings.count(), 2);
    EXPECT_TRUE(monitor.isReachable());
    clock.advance(1s);
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return readings.count() == 3; }));
    EXPECT_EQ(posted, (std::vector{NetworkStatus::NotReachable}));

    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, port));
    clock.advance(10s);
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return readings.count() == 4; }));
    EXPECT_EQ(posted, (std::vector{NetworkStatus::NotReachable, NetworkStatus::ReachableViaWiFi}));

    monitor.stopNotifier();
    EXPECT_EQ(clock.pendingTasks(), 0u);
}

TEST_F(ReachabilityTest, ProbeThatDoesNotConnectWithinTheTimeoutFails)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    auto probe = std::make_unique<ProbeReachabilityBackend>(QStringLiteral("127.0.0.1"), server.serverPort(), 10s, 2s);
    QSignalSpy readings(probe.get(), &korvel::ReachabilityBackend::statusReported);
    Reachability monitor(std::move(probe));
    observe(&monitor);
    monitor.startNotifier();
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return readings.count() == 1; }));

    // Without the event loop the second probe cannot complete: a host that never answers.
    clock.advance(11s);
    EXPECT_EQ(readings.count(), 1);
    clock.advance(1s);
    EXPECT_EQ(readings.count(), 2);
    EXPECT_EQ(posted, (std::vector{NetworkStatus::NotReachable}));
    // The abandoned connection reports nothing later.
    korvel::test::processEventsUntil([] { return false; }, 100);
    EXPECT_EQ(readings.count(), 2);
}

// A burst of kernel reports is one change: one probe once the burst has settled, a probe under way
// is abandoned unreported, and the period counts again from there.
TEST_F(ReachabilityTest, ProbeFollowsANetworkChangeOnceItSettles)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    auto owned = std::make_unique<ProbeReachabilityBackend>(QStringLiteral("127.0.0.1"), server.serverPort(), 60s, 5s);
    ProbeReachabilityBackend* probe = owned.get();
    QSignalSpy readings(probe, &korvel::ReachabilityBackend::statusReported);
    Reachability monitor(std::move(owned));
    observe(&monitor);
    probe->networkChanged();  // not started: nothing to do
    EXPECT_EQ(clock.pendingTasks(), 0u);
    monitor.startNotifier();
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return readings.count() == 1; }));

    server.close();
    clock.advance(30s);
    probe->networkChanged();
    clock.advance(1s);
    probe->networkChanged();
    clock.advance(1s);
    korvel::test::processEventsUntil([] { return false; }, 50);
    EXPECT_EQ(readings.count(), 1);
    clock.advance(1s);
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return readings.count() == 2; }));
    EXPECT_EQ(posted, (std::vector{NetworkStatus::NotReachable}));

    clock.advance(59s);
    korvel::test::processEventsUntil([] { return false; }, 50);
    EXPECT_EQ(readings.count(), 2);
    clock.advance(1s);
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return readings.count() == 3; }));
    monitor.stopNotifier();
    EXPECT_EQ(clock.pendingTasks(), 0u);
}

#include "platform/NotificationCenter.h"
#include "tests/support/EventLoop.h"
#include "tests/support/TestHome.h"

#include <QThread>

#include <memory>

using korvel::Notification;
using korvel::NotificationCenter;

namespace {
class NotificationCenterTest : public korvel::test::TestHome {
protected:
    NotificationCenter& center = NotificationCenter::defaultCenter();
};
}  // namespace

TEST_F(NotificationCenterTest, DeliversByNameAndSenderUntilTheReceiverGoes)
{
    QObject sender;
    QStringList seen;
    auto receiver = std::make_unique<QObject>();
    center.addObserver(receiver.get(), QStringLiteral("EventHasOccurred"),
                       [&](const Notification& n) { seen << n.name; });
    center.addObserver(receiver.get(), QStringLiteral("ExternalURL"),
                       [&](const Notification& n) { seen << n.userInfo.value(QStringLiteral("url")).toString(); },
                       &sender);

    center.post(QStringLiteral("EventHasOccurred"));
    center.post(QStringLiteral("ExternalURL"), nullptr, {{QStringLiteral("url"), QStringLiteral("from anyone")}});
    center.post(QStringLiteral("ExternalURL"), &sender, {{QStringLiteral("url"), QStringLiteral("from sender")}});
    center.post(QStringLiteral("Unrelated"));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("EventHasOccurred"), QStringLiteral("from sender")}));

    center.removeObserver(receiver.get(), QStringLiteral("EventHasOccurred"));
    center.post(QStringLiteral("EventHasOccurred"));
    EXPECT_EQ(seen.size(), 2);

    receiver.reset();
    center.post(QStringLiteral("ExternalURL"), &sender);
    EXPECT_EQ(seen.size(), 2);
}

TEST_F(NotificationCenterTest, HandlersMayRemoveObserversWhileDelivering)
{
    QObject first;
    QObject second;
    int secondCalls = 0;
    center.addObserver(&first, QStringLiteral("n"), [&](const Notification&) { center.removeObserver(&second); });
    center.addObserver(&second, QStringLiteral("n"), [&](const Notification&) { ++secondCalls; });
    center.post(QStringLiteral("n"));
    EXPECT_EQ(secondCalls, 0);
}

TEST_F(NotificationCenterTest, PostsFromOtherThreadsArriveOnTheMainThread)
{
    QObject receiver;
    QThread* deliveredOn = nullptr;
    center.addObserver(&receiver, QStringLiteral("download finished"),
                       [&](const Notification&) { deliveredOn = QThread::currentThread(); });
    std::unique_ptr<QThread> worker(QThread::create([&] { center.post(QStringLiteral("download finished")); }));
    worker->start();
    worker->wait();
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return deliveredOn != nullptr; }));
    EXPECT_EQ(deliveredOn, QThread::currentThread());
}

#include "platform/NotificationCenter.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

namespace korvel {

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter* center = [] {
        auto* c = new NotificationCenter;
        if (QCoreApplication* app = QCoreApplication::instance())
            c->moveToThread(app->thread());
        return c;
    }();
    return *center;
}

void NotificationCenter::addObserver(QObject* receiver, const QString& name, Handler handler, QObject* object)
{
    Q_ASSERT(receiver);
    const bool firstForReceiver = std::none_of(m_observations.begin(), m_observations.end(),
                                               [receiver](const Observation& o) { return o.receiver == receiver; });
    m_observations.push_back({++m_lastId, receiver, receiver, name, object, object != nullptr, std::move(handler)});
    if (firstForReceiver) {
        connect(receiver, &QObject::destroyed, this, [this, receiver] { removeObserver(receiver); });
    }
}

void NotificationCenter::removeObserver(QObject* receiver, const QString& name)
{
    std::erase_if(m_observations, [&](const Observation& o) {
        return o.receiver == receiver && (name.isEmpty() || o.name == name);
    });
    if (name.isEmpty() || std::none_of(m_observations.begin(), m_observations.end(),
                                       [receiver](const Observation& o) { return o.receiver == receiver; }))
        disconnect(receiver, &QObject::destroyed, this, nullptr);
}

void NotificationCenter::removeAllObservers()
{
    for (const Observation& o : m_observations) {
        if (o.receiverGuard)
            disconnect(o.receiverGuard.data(), &QObject::destroyed, this, nullptr);
    }
    m_observations.clear();
}

void NotificationCenter::post(const QString& name, QObject* object, const QVariantMap& userInfo)
{
    Notification notification{name, object, userInfo};
    if (QThread::currentThread() == thread()) {
        deliver(notification);
        return;
    }
    QMetaObject::invokeMethod(this, [this, notification] { deliver(notification); }, Qt::QueuedConnection);
}

void NotificationCenter::deliver(const Notification& notification)
{
    // Handlers may add or remove observations: walk a snapshot of ids and re-check each one.
    std::vector<quint64> ids;
    for (const Observation& o : m_observations) {
        if (o.name == notification.name && (!o.filtersObject || o.object == notification.object))
            ids.push_back(o.id);
    }
    for (quint64 id : ids) {
        auto it = std::find_if(m_observations.begin(), m_observations.end(),
                               [id](const Observation& o) { return o.id == id; });
        if (it == m_observations.end() || !it->receiverGuard)
            continue;
        Handler handler = it->handler;
        handler(notification);
    }
}

}  // namespace korvel

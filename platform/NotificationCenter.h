#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <vector>

namespace korvel {

// Posted by the application delegate when the kiosk has gone to the background (hidden,
// minimised, a locked session), after its own steps.
inline constexpr QLatin1String kApplicationDidEnterBackgroundNotification("UIApplicationDidEnterBackgroundNotification");

struct Notification {
    QString name;
    QObject* object = nullptr;  // the sender, when the poster named one
    QVariantMap userInfo;
};

// Named notifications between parts of the program that do not know each other. Delivery is
// synchronous on the main thread; a post from another thread is delivered there, queued.
class NotificationCenter final : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    // Calls `handler` for every post of `name` (from `object` only, when one is given) until
    // `receiver` is destroyed or removeObserver() is called for it.
    void addObserver(QObject* receiver, const QString& name, Handler handler, QObject* object = nullptr);
    // Removes the receiver's observations of `name`, or all of them when `name` is empty.
    void removeObserver(QObject* receiver, const QString& name = QString());
    void post(const QString& name, QObject* object = nullptr, const QVariantMap& userInfo = {});

    // Forgets every observation (tests start from a clean centre).
    void removeAllObservers();

private:
    struct Observation {
        quint64 id;
        QObject* receiver;
        QPointer<QObject> receiverGuard;
        QString name;
        QPointer<QObject> object;
        bool filtersObject;
        Handler handler;
    };

    void deliver(const Notification& notification);

    quint64 m_lastId = 0;
    std::vector<Observation> m_observations;
};

}  // namespace korvel

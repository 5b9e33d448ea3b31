#include "browser/HandedOverAddress.h"

#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"

#include <QMetaObject>

namespace korvel {

namespace {

std::optional<QUrl>& held()
{
    static std::optional<QUrl> address;
    return address;
}

}  // namespace

void HandedOverAddress::hold(const QUrl& url)
{
    held() = url;
}

std::optional<QUrl> HandedOverAddress::take()
{
    return std::exchange(held(), std::nullopt);
}

void HandedOverAddress::deliverTo(QObject* receiver, const std::function<void(const QUrl&)>& open)
{
    NotificationCenter::defaultCenter().addObserver(receiver, kExternalURLNotification, [open](const Notification& n) {
        take();
        open(n.userInfo.value(QStringLiteral("url")).toUrl());
    });
    QMetaObject::invokeMethod(receiver, [open] {
        if (const std::optional<QUrl> address = take())
            open(*address);
    }, Qt::QueuedConnection);
}

}  // namespace korvel

#include "browser/KioskRestart.h"

#include "log/KVLog.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace korvel::KioskRestart {

namespace {

std::function<void(const QString&)>& handler()
{
    static std::function<void(const QString&)> h;
    return h;
}

}  // namespace

void request(const QString& reason)
{
    KVLog(QStringLiteral("App General"), QStringLiteral("Restarting Korvel: %@"), reason);
    if (handler()) {
        handler()(reason);
        return;
    }
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}

void setHandler(std::function<void(const QString& reason)> h)
{
    handler() = std::move(h);
}

}  // namespace korvel::KioskRestart

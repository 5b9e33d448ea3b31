#include "transfer/ui/CloudExchange.h"

#include "log/KVLog.h"
#include "platform/NotificationCenter.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WaitingAlertView.h"
#include "transfer/KVCloudRequest.h"

namespace korvel {

CloudExchange::CloudExchange(Screen* screen)
    : QObject(screen)
    , m_screen(screen)
    , m_waiting(new WaitingAlertView(screen))
{
    NotificationCenter::defaultCenter().addObserver(this, kApplicationDidEnterBackgroundNotification,
                                                    [this](const Notification&) { cancel(); });
}

CloudExchange::~CloudExchange()
{
    cancel();
}

KVCloudRequest* CloudExchange::start(const QString& overlayText)
{
    if (m_request) {
        m_request->cancel();
        m_request->deleteLater();
    }
    m_request = new KVCloudRequest(this);
    m_waiting->showOver(m_screen, overlayText);
    connect(m_request, &KVCloudRequest::progressChanged, m_waiting, &WaitingAlertView::setProgress);
    return m_request;
}

void CloudExchange::importFrom(const QString& cloudID, bool firstRun, std::function<void(const CloudTransfer::Outcome&)> done)
{
    //% "Importing.."
    KVCloudRequest* request = start(qtTrId("CLOUD_IMPORTING"));
    KVLog(QStringLiteral("Import"), QStringLiteral("Settings Import from Cloud started"));
    QPointer<CloudExchange> self(this);
    request->importCallback = [self, cloudID, done = std::move(done)](const QString& message, bool success) {
        if (!self)
            return;
        self->finish();
        done(CloudTransfer::importedFromID(cloudID, message, success));
    };
    if (firstRun)
        request->importFromID1(cloudID);
    else
        request->importFromID(cloudID);
}

void CloudExchange::finish()
{
    if (m_waiting->isShowing())
        m_waiting->dismiss();
}

void CloudExchange::cancel()
{
    if (m_request)
        m_request->cancel();
    finish();
    for (const QPointer<Alert>& alert : std::exchange(m_alerts, {})) {
        if (alert)
            alert->dismiss();
    }
}

Alert* CloudExchange::show(Alert* alert)
{
    m_alerts.removeAll(nullptr);
    m_alerts.append(alert);
    alert->showOver(m_screen);
    return alert;
}

Alert* CloudExchange::showMessage(const QString& title, const QString& message)
{
    auto* alert = new Alert(title, message);
    //% "OK"
    alert->addButton(qtTrId("SETTINGS_OK"), Alert::Role::Cancel);
    return show(alert);
}

}  // namespace korvel

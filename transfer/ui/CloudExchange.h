#pragma once

#include "transfer/CloudTransfer.h"
#include "transfer/KVCloudRequest.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

namespace korvel {

class Alert;
class Screen;
class WaitingAlertView;

// The cloud exchange of one screen: the request, the waiting overlay that shows its progress, and
// the alerts that report it. When the application leaves the foreground, or the screen goes, the
// alerts and the overlay close and the request is cancelled, so nothing is reported afterwards.
class CloudExchange final : public QObject {
    Q_OBJECT
public:
    explicit CloudExchange(Screen* screen);
    ~CloudExchange() override;

    // A fresh request (any running one is cancelled), with the overlay showing `overlayText` and
    // following the request's progress. The caller sets the callbacks and starts the exchange.
    KVCloudRequest* start(const QString& overlayText);
    // The exchange ended: the overlay closes. The request stays readable (its ID) until the next start.
    void finish();
    // Imports the settings stored under `cloudID` (a valid one) with the overlay up, then closes
    // it and hands the outcome to `done`, unless the exchange was cancelled or went. `firstRun`:
    // asked from the first-run screen.
    void importFrom(const QString& cloudID, bool firstRun, std::function<void(const CloudTransfer::Outcome&)> done);
    // Cancels the request and closes the overlay and every alert shown through show().
    void cancel();

    // Shows `alert` over the screen and remembers it for cancel(). Returns it.
    Alert* show(Alert* alert);
    // A titled message with an "OK" button.
    Alert* showMessage(const QString& title, const QString& message);

    KVCloudRequest* request() const { return m_request; }
    WaitingAlertView* waitingView() const { return m_waiting; }

private:
    Screen* m_screen;
    WaitingAlertView* m_waiting;
    QPointer<KVCloudRequest> m_request;
    QList<QPointer<Alert>> m_alerts;
};

}  // namespace korvel

#pragma once

#include "platform/ui/Screen.h"

#include <QImage>

namespace korvel {

class CloudExchange;

// A cloud ID as a QR code that another kiosk's camera reads. Opened right after a new ID was issued,
// it exports the settings to that ID once more; opened to show an ID, it only shows it. "Save" puts
// the picture into Documents, "Share" says where it can be fetched.
class KVExportToCloudWithQRCodeViewController final : public Screen {
    Q_OBJECT
public:
    enum class Opening { AfterNewID, ToShow };

    KVExportToCloudWithQRCodeViewController(const QString& cloudID, Opening opening, QWidget* parent = nullptr);

    QString cloudID() const { return m_cloudID; }
    const QImage& code() const { return m_code; }
    CloudExchange* exchange() const { return m_exchange; }

    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;

    // Writes the picture into Documents ("CloudID_<ID>.png"); the path, or empty when it failed.
    QString save();
    void share();

private:
    void exported(const QString& message, bool success);

    QString m_cloudID;
    Opening m_opening;
    bool m_exportStarted = false;
    QImage m_code;
    CloudExchange* m_exchange = nullptr;
};

}  // namespace korvel

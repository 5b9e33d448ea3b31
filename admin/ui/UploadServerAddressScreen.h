#pragma once

#include "platform/ui/Screen.h"

#include <QImage>
#include <QString>

namespace korvel {

// The upload server's address for a phone: a QR code its camera opens, the address as text, and,
// with HTTPS on, the fingerprint of the device's certificate, which the phone's browser shows and
// the administrator compares before trusting the page with the access code.
class UploadServerAddressScreen final : public Screen {
    Q_OBJECT
public:
    explicit UploadServerAddressScreen(QWidget* parent = nullptr);

    // The page's address; empty while the server does not run or the device has no address.
    const QString& address() const { return m_address; }
    // "AB:CD:..." with HTTPS on; empty otherwise (or when the certificate cannot be had).
    const QString& fingerprint() const { return m_fingerprint; }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    QString m_address;
    QString m_fingerprint;
    QString m_certificateError;
    bool m_tls = false;
};

}  // namespace korvel

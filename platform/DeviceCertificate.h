#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvel {

// The device's own TLS identity: a P-256 key and a self-signed certificate for it, made on first
// use and kept in the home beside the keychain (both files readable by their owner only). Every
// server of the device that speaks TLS (the upload server, a remote control API) uses this one
// pair, so a phone that checked its fingerprint once recognises every one of them.
class DeviceCertificate {
public:
    struct Identity {
        QByteArray certificatePem;
        QByteArray keyPem;
        QString fingerprint;  // SHA-256 of the certificate, as "AB:CD:..."
    };

    static QString certificateFile();
    static QString keyFile();

    // The kept pair, or a new one made and kept now when there is none. A pair that is damaged
    // (unreadable, a key that does not fit the certificate, one of the two missing) is never
    // replaced silently, as phones know its fingerprint: nullopt, with the reason in `error`.
    static std::optional<Identity> loadOrCreate(QString* error);
    // The SHA-256 fingerprint of a PEM certificate; empty when it cannot be read.
    static QString fingerprintOf(const QByteArray& certificatePem);
};

}  // namespace korvel

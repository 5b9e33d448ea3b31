#pragma once

#include "files/ConnectionLimits.h"
#include "policy/LocalServerAddress.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace korvel {

struct KVBrowserPrefSettings;

// The LAN upload server: the device's documents directory, its file list and its upload page, over
// HTTP (or HTTPS with the device's own certificate) on IPv4 and IPv6. Start, stop and the settings
// are called from the main thread; the handlers run on the server's own threads and touch only the
// file system and the log.
class KVServerStarter {
public:
    // One upload is refused beyond this many bytes (the whole request body).
    static constexpr qint64 defaultUploadLimit = qint64(2) * 1024 * 1024 * 1024;
    // Every other request body (a deletion's name) stays this small.
    static constexpr qint64 smallBodyLimit = 64 * 1024;
    static constexpr int headerCountLimit = 64;
    // The header in which the kiosk's own window sends its key (kioskKey()).
    static constexpr const char* kioskKeyHeader = "X-Korvel-Kiosk";
    // The header of the file list that counts the files left out for want of the access code.
    static constexpr const char* hiddenFilesHeader = "X-Hidden-Files";

    // The documents directory of Paths and the upload page of the resource directory.
    static KVServerStarter& sharedInstance();

    // `uploadPage` holds index.html and its script; `errorPage` is the file served at "/error".
    KVServerStarter(QString documentsDirectory, QString uploadPage, QString errorPage);
    ~KVServerStarter();
    KVServerStarter(const KVServerStarter&) = delete;
    KVServerStarter& operator=(const KVServerStarter&) = delete;

    // These two take effect at the next start.
    void setUploadLimit(qint64 bytes) { m_uploadLimit = bytes; }
    void setConnectionLimits(const ConnectionLimits& limits) { m_limits = limits; }
    // The code every request but the upload page's own files must carry (the "UploadAccessCode"
    // preference); empty leaves the server open, but for the files that hold secrets. Takes
    // effect at once, on the running server too.
    void setAccessCode(const QString& code);
    // The names (relative to Documents) the automatic import and the file import read: kept from
    // the network without the code as every settings document is. At once.
    void setSettingsDocumentNames(const QStringList& names);
    // Serve over TLS with the device's own certificate ("UploadServerTLS"), from the next start.
    void setTls(bool on) { m_tls = on; }
    bool tls() const { return m_tls; }
    // The key the kiosk's own window sends (over loopback) to read the documents it shows, as it
    // cannot send the access code; made anew for every run of the program, known only inside it.
    static const QByteArray& kioskKey();

    // Builds a new server (releasing any previous one) and listens on `port` (0: any free port) on
    // every address, IPv6 and IPv4. Returns false, logged, when it cannot listen (port taken) or
    // its certificate cannot be had.
    bool startServerConnectionWith(int port);
    void stopServerConnection();
    bool isServerRunning() const;
    // The port the running server listens on; 0 when none runs.
    int getPortNumber() const;
    // Whether the running server speaks TLS.
    bool isServingTls() const;
    // Where the browser window finds this server's pages while the switch is on: the port it really
    // listens on, or the preference's port while it is not running; nullopt with the switch off.
    std::optional<LocalServerAddress> localServerAddress(const KVBrowserPrefSettings& preferences) const;

private:
    struct Server;
    struct Shared;
    std::unique_ptr<Server> m_server;
    std::shared_ptr<Shared> m_shared;
    QString m_documents;
    QString m_uploadPage;
    QString m_errorPage;
    qint64 m_uploadLimit = defaultUploadLimit;
    ConnectionLimits m_limits;
    bool m_tls = false;
};

}  // namespace korvel

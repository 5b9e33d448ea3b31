#pragma once

#include "policy/LocalServerAddress.h"

#include <QString>

#include <memory>
#include <optional>

namespace korvel {

struct KVBrowserPrefSettings;

// The LAN upload server: the device's documents directory, its file list and its upload page, over
// HTTP on IPv4 and IPv6. Start, stop and the queries are called from the main thread; the handlers
// run on the server's own threads and touch only the file system and the log.
class KVServerStarter {
public:
    // One upload is refused beyond this many bytes (the whole request body).
    static constexpr qint64 defaultUploadLimit = qint64(2) * 1024 * 1024 * 1024;
    // Every other request body (a deletion's name) stays this small.
    static constexpr qint64 smallBodyLimit = 64 * 1024;
    static constexpr int headerCountLimit = 64;
    // How long a connection may send nothing while a request is read, and while a reply is written.
    static constexpr int readTimeoutSeconds = 30;

    // The documents directory of Paths and the upload page of the resource directory.
    static KVServerStarter& sharedInstance();

    // `uploadPage` holds index.html and its script; `errorPage` is the file served at "/error".
    KVServerStarter(QString documentsDirectory, QString uploadPage, QString errorPage);
    ~KVServerStarter();
    KVServerStarter(const KVServerStarter&) = delete;
    KVServerStarter& operator=(const KVServerStarter&) = delete;

    void setUploadLimit(qint64 bytes) { m_uploadLimit = bytes; }
    // The code every request but the upload page's own files must carry (the "UploadAccessCode"
    // preference); empty leaves the server open. Takes effect at the next start.
    void setAccessCode(const QString& code) { m_accessCode = code; }

    // Builds a new server (releasing any previous one) and listens on `port` (0: any free port) on
    // every address, IPv6 and IPv4. Returns false, logged, when it cannot listen (port taken).
    bool startServerConnectionWith(int port);
    void stopServerConnection();
    bool isServerRunning() const;
    // The port the running server listens on; 0 when none runs.
    int getPortNumber() const;
    // Where the browser window finds this server's pages while the switch is on: the port it really
    // listens on, or the preference's port while it is not running; nullopt with the switch off.
    std::optional<LocalServerAddress> localServerAddress(const KVBrowserPrefSettings& preferences) const;

private:
    struct Server;
    std::unique_ptr<Server> m_server;
    QString m_documents;
    QString m_uploadPage;
    QString m_errorPage;
    qint64 m_uploadLimit = defaultUploadLimit;
    QString m_accessCode;
};

}  // namespace korvel

#pragma once

#include "transfer/AutoImportFetch.h"
#include "transfer/CloudService.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

#include <QNetworkReply>

class QNetworkAccessManager;

namespace korvel {

// One exchange with the cloud settings service: storing the settings document under a cloud ID
// ("/putsettings.ashx") or fetching the document stored under one ("/getsettings.ashx") and
// applying it. The request runs asynchronously on the main thread (QNetworkAccessManager does the
// socket work); its results always arrive later on the main event loop, never inside the call that
// started it, through one of the three callbacks. After cancel() nothing more is reported.
class KVCloudRequest : public QObject {
    Q_OBJECT
public:
    // A request body above this many bytes is never sent.
    static constexpr qint64 bodyLimit = qint64(10) * 1024 * 1024;
    // An answer is a document of at most bodyLimit with its wrapping; anything far beyond is no answer.
    static constexpr qint64 answerLimit = qint64(32) * 1024 * 1024;
    static constexpr int timeoutMilliseconds = 300 * 1000;

    // The ID texts that ask for a new ID: from the export screen, and from the menu's QR row.
    static constexpr const char* newIDFromExportScreen = "NULL";
    static constexpr const char* newIDForQRCode = "ExportForQR";

    // (message, success). `export:success:` is written exportCallback: "export" is a C++ keyword.
    using Callback = std::function<void(const QString& message, bool success)>;
    Callback exportCallback;    // export to an existing ID
    Callback cloudReqCallback;  // export to a new ID
    Callback importCallback;    // import

    explicit KVCloudRequest(QObject* parent = nullptr);
    ~KVCloudRequest() override;

    // The service to talk to; without one, CloudService::address() at the start of each exchange.
    void setServiceAddress(const QUrl& base);

    // Stores the current settings document. `cloudID` "NULL" or "ExportForQR" asks for a new ID
    // (result through cloudReqCallback); any other text overwrites that ID (exportCallback), and
    // `forExportWithQRCode` tells that the QR screen receives the result.
    void exportToID(const QString& cloudID, bool forExportWithQRCode);
    // Fetches the document stored under `cloudID` and applies it (importCallback). importFromID1 is
    // the same exchange started by the first-run cloud screen.
    void importFromID(const QString& cloudID);
    void importFromID1(const QString& cloudID);

    // Fetches the document text stored under `cloudID` without applying it: the automatic import
    // compares it with the text applied last. `done` gets the unwrapped text, or nothing with the
    // reason (an HTTP status of the answer, when there was one, in `status`).
    struct Fetch {
        std::optional<QByteArray> text;
        QString error;
        int status = 0;
    };
    void fetchSettingsText(const QString& cloudID, std::function<void(const Fetch&)> done);

    // The automatic import's fetch (`importRequest:`): fetchSettingsText for `cloudID`, waited for
    // on the calling thread (a worker thread of the automatic import), with its log lines. The
    // service is `service`, or the configured one.
    static AutoImportFetch importRequest(const QString& cloudID, const std::optional<QUrl>& service = std::nullopt);

    // Ends the running exchange; no callback and no progress follow.
    void cancel();
    bool isCancelled() const { return m_cancelled; }
    bool isRunning() const { return m_reply != nullptr; }

    // The ID of the last store answer (empty when it carried none).
    QString ID;
    // Who receives the result of the export: the QR screen, and whether the export started from
    // the menu's QR row.
    bool forExportWithQRCode = false;
    bool isExportForQRRow = false;

    // The request body of both resources; `cloudTextForm` is the "SettingsXML" content, only for
    // "/putsettings.ashx". The ID, OS and model are escaped as XML text.
    static QByteArray requestBody(const QString& cloudID, const std::optional<QByteArray>& cloudTextForm,
                                  const QString& os, const QString& model);
    // "<![CDATA[", a space, the property list, a space, "]]>".
    static QByteArray cloudTextForm(const QByteArray& settingsXML);
    // The text form read back: a leading "<![CDATA[" and a trailing "]]>" removed, then trimmed.
    static QByteArray unwrappedTextForm(const QByteArray& text);
    // The response rules: an empty answer, or one containing "False" anywhere, is a failure.
    static bool answerFailed(const QByteArray& body);
    // Everything between the first "<tagName>" and the next "</tagName>"; empty when either is missing.
    static QByteArray getTagValue(const QByteArray& text, const QByteArray& tagName);

Q_SIGNALS:
    void progressChanged(double progress);

private:
    enum class Exchange { ExportToExisting, ExportToNew, Import, Fetch };

    void start(Exchange exchange, const QString& cloudID);
    void send(CloudService::Resource resource, const QByteArray& body);
    void responseArrived();
    void dataArrived();
    void completed();
    void finishImport(const QByteArray& body);
    // Reports on the main loop, unless cancelled by then.
    void report(const QString& message, bool success);
    void reportFetch(const Fetch& fetch);
    QString failedText() const;

    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    std::optional<QUrl> m_service;
    Exchange m_exchange = Exchange::Import;
    QString m_cloudID;
    QByteArray m_body;
    bool m_tooLarge = false;
    bool m_cancelled = false;
    quint64 m_generation = 0;  // a result queued before a cancel or a new start is dropped
    std::function<void(const Fetch&)> m_fetched;
};

}  // namespace korvel

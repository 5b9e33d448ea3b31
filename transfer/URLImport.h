#pragma once

#include "transfer/ImportExport.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

class QNetworkAccessManager;
class QNetworkReply;

namespace korvel {

// The import of a settings document from an http or https address: fetched asynchronously on the
// main thread, applied with ImportExport::applySettingsDocument, followed by the post-import steps.
// The reachability test of the host is not made (no single-host reachability here): a host that
// cannot be reached ends as a failed connection does.
class URLImport : public QObject {
    Q_OBJECT
public:
    // Nothing is read beyond this many bytes: a settings document is far smaller.
    static constexpr qint64 bodyLimit = qint64(512) * 1024 * 1024;

    explicit URLImport(QObject* parent = nullptr);
    ~URLImport() override;

    // Starts the import of `text`; progress goes 0.3, 0.6, 0.7, 0.75 (each chunk), 1.0, and
    // finished() reports the outcome once, also for a text that is no address.
    void importfromURL(const QString& text);
    // Fetches and reads the document as importfromURL() does, but applies nothing: fetched() tells
    // the document, finished() any failure.
    void fetchDocument(const QString& text);
    // Ends a running import: nothing happens after it, finished() included.
    void cancel();

Q_SIGNALS:
    void progressChanged(double progress);
    void finished(const korvel::TransferResult& result);
    void fetched(const QVariantMap& document);

private:
    void responseArrived();
    void dataArrived();
    void completed();
    void fail(const QString& alert, const QString& logLine);

    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QString m_text;
    QByteArray m_body;
    bool m_responded = false;
    bool m_tooLarge = false;
    bool m_onlyFetch = false;
};

}  // namespace korvel

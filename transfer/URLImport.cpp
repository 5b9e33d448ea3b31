#include "transfer/URLImport.h"

#include "log/KVLog.h"
#include "settings/KVAutoImportSettings.h"
#include "settings/KVSettings.h"
#include "transfer/ReplyBody.h"
#include "transfer/SettingsDocument.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QUrl>

namespace korvel {

namespace {

const QString category = QStringLiteral("Import");
const QString korvelTitle = QStringLiteral("Korvel");
const QString noSettingsAlert = QStringLiteral("This is not a valid URL. No Settings file found");
const QString noSettingsLog = QStringLiteral("Error:  Not valid URL. No Settings found");

}  // namespace

URLImport::URLImport(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
}

URLImport::~URLImport()
{
    cancel();
}

void URLImport::fetchDocument(const QString& text)
{
    importfromURL(text);
    m_onlyFetch = true;
}

void URLImport::importfromURL(const QString& text)
{
    cancel();
    m_onlyFetch = false;
    m_text = text;
    m_body.clear();
    m_responded = false;
    m_tooLarge = false;
    if (text.isEmpty()) {
        Q_EMIT finished({false, {{}, QStringLiteral("Textfield cannot be empty")}});
        return;
    }
    Q_EMIT progressChanged(0.3);
    const QUrl url(text);
    if (url.scheme().isEmpty()) {
        Q_EMIT progressChanged(1.0);
        KVLog(category, QStringLiteral("Error: Not valid URL. No URL Scheme found"));
        Q_EMIT finished({false, {korvelTitle, QStringLiteral("This is not a valid URL. No URL Scheme found")}});
        return;
    }
    // The network stack would also read file: and data: addresses, which would let a document
    // reach the device from outside Documents; only the web's own schemes are fetched.
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        fail(noSettingsAlert, noSettingsLog);
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &URLImport::responseArrived);
    connect(m_reply, &QIODevice::readyRead, this, &URLImport::dataArrived);
    connect(m_reply, &QNetworkReply::finished, this, &URLImport::completed);
    Q_EMIT progressChanged(0.6);
}

void URLImport::cancel()
{
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void URLImport::responseArrived()
{
    // Redirects deliver headers more than once; the body starts with the last response.
    if (!m_reply || !m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return;
    m_responded = true;
    m_body.clear();
    Q_EMIT progressChanged(0.7);
}

void URLImport::dataArrived()
{
    if (!m_reply)
        return;
    if (!appendWithin(m_body, m_reply, bodyLimit)) {
        m_tooLarge = true;
        return;
    }
    Q_EMIT progressChanged(0.75);
}

void URLImport::completed()
{
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    if (!m_tooLarge)
        m_body.append(reply->readAll());
    // Any HTTP answer, an error page included, is judged by its content; no answer is a failure.
    const bool answered = m_responded || reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (!answered || m_tooLarge) {
        fail(noSettingsAlert, noSettingsLog);
        return;
    }
    Q_EMIT progressChanged(1.0);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(m_body);
    if (decoder.hasError() || !text.contains(QLatin1String("AllowedWebsites"))) {
        KVLog(category, noSettingsLog);
        Q_EMIT finished({false, {korvelTitle, noSettingsAlert}});
        return;
    }
    SettingsDocument::ParsedDocument parsed = SettingsDocument::readSettingsDocument(m_body);
    m_body.clear();
    if (!parsed.document) {
        // An error page that happens to name the key is still no settings document.
        KVLog(category, QStringLiteral("%@ (%@)"), noSettingsLog, parsed.error);
        Q_EMIT finished({false, {korvelTitle, noSettingsAlert}});
        return;
    }
    if (m_onlyFetch) {
        Q_EMIT fetched(*parsed.document);
        return;
    }
    const QString address = m_text;
    const ImportOutcome outcome =
        ImportExport::applySettingsDocument(*parsed.document, {DocumentSource::Kind::URL, address}, false, FilesInDocument::Restore,
                                            [&address](KVAutoImportSettings& choices) { choices.urlImport = address; });
    if (!outcome) {
        Q_EMIT finished({false, {korvelTitle, formatString(QStringLiteral("The settings could not be imported (%@). Nothing was changed."), outcome.reason)}});
        return;
    }
    KVLog(category, QStringLiteral("Imported from URL successfully"));
    ImportExport::postImportSteps(category);
    Q_EMIT finished({true, {korvelTitle, QStringLiteral("Settings imported successfully from URL.")}});
}

void URLImport::fail(const QString& alert, const QString& logLine)
{
    Q_EMIT progressChanged(1.0);
    KVLog(category, logLine);
    Q_EMIT finished({false, {korvelTitle, alert}});
}

}  // namespace korvel

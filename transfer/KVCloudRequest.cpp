#include "transfer/KVCloudRequest.h"

#include "log/KVLog.h"
#include "platform/Device.h"
#include "platform/FormatString.h"
#include "settings/KVSettings.h"
#include "transfer/ImportExport.h"
#include "transfer/ReplyBody.h"
#include "transfer/SettingsDocument.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace korvel {

namespace {

const QString importCategory = QStringLiteral("Import");

// Console diagnostics, off unless QT_LOGGING_RULES="korvel.cloud.debug=true" asks for them.
Q_LOGGING_CATEGORY(cloudConsole, "korvel.cloud", QtInfoMsg)

QByteArray xmlEscaped(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

QByteArray element(const char* name, const QByteArray& content)
{
    return '<' + QByteArray(name) + '>' + content + "</" + QByteArray(name) + '>';
}

}  // namespace

KVCloudRequest::KVCloudRequest(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    // A redirect would carry the document (and its password) to wherever the answer points.
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

KVCloudRequest::~KVCloudRequest()
{
    cancel();
}

void KVCloudRequest::setServiceAddress(const QUrl& base)
{
    m_service = base;
}

QByteArray KVCloudRequest::requestBody(const QString& cloudID, const std::optional<QByteArray>& cloudTextForm,
                                       const QString& os, const QString& model)
{
    QByteArray body = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Request>");
    body.reserve(body.size() + (cloudTextForm ? cloudTextForm->size() : 0) + 512);
    body += element("CloudID", xmlEscaped(cloudID));
    if (cloudTextForm)
        body += element("SettingsXML", *cloudTextForm);
    body += element("OS", xmlEscaped(os));
    body += element("Model", xmlEscaped(model));
    body += QByteArrayLiteral("<ActivationCode></ActivationCode><IMEI></IMEI><IMSI></IMSI><WIFI_MAC></WIFI_MAC>"
                              "<BT_MAC></BT_MAC><GUID></GUID><Product>6</Product></Request>");
    return body;
}

QByteArray KVCloudRequest::cloudTextForm(const QByteArray& settingsXML)
{
    return QByteArrayLiteral("<![CDATA[ ") + settingsXML + QByteArrayLiteral(" ]]>");
}

QByteArray KVCloudRequest::unwrappedTextForm(const QByteArray& text)
{
    QByteArrayView view(text);
    if (view.startsWith("<![CDATA["))
        view = view.sliced(9);
    if (view.endsWith("]]>"))
        view.chop(3);
    return view.trimmed().toByteArray();
}

bool KVCloudRequest::answerFailed(const QByteArray& body)
{
    return body.isEmpty() || body.contains("False");
}

QByteArray KVCloudRequest::getTagValue(const QByteArray& text, const QByteArray& tagName)
{
    const QByteArray open = '<' + tagName + '>';
    const QByteArray close = "</" + tagName + '>';
    const qsizetype begin = text.indexOf(open);
    if (begin < 0)
        return QByteArray();
    const qsizetype start = begin + open.size();
    const qsizetype end = text.indexOf(close, start);
    if (end < 0)
        return QByteArray();
    return text.mid(start, end - start);
}

void KVCloudRequest::exportToID(const QString& cloudID, bool forExportWithQRCode)
{
    const bool newID = cloudID == QLatin1String(newIDFromExportScreen) || cloudID == QLatin1String(newIDForQRCode);
    this->forExportWithQRCode = !newID && forExportWithQRCode;
    isExportForQRRow = cloudID == QLatin1String(newIDForQRCode);
    start(newID ? Exchange::ExportToNew : Exchange::ExportToExisting, newID ? QString() : cloudID);
}

void KVCloudRequest::importFromID(const QString& cloudID)
{
    start(Exchange::Import, cloudID);
}

void KVCloudRequest::importFromID1(const QString& cloudID)
{
    start(Exchange::Import, cloudID);
}

void KVCloudRequest::fetchSettingsText(const QString& cloudID, std::function<void(const Fetch&)> done)
{
    m_fetched = std::move(done);
    start(Exchange::Fetch, cloudID);
}

AutoImportFetch KVCloudRequest::importRequest(const QString& cloudID, const std::optional<QUrl>& service)
{
    const QString category = QStringLiteral("AutoImport");
    AutoImportFetch result;
    if (cloudID.isEmpty()) {
        result.log(category, QStringLiteral("Warning: Cloud ID is Null. Please set Cloud ID"));
        return result;
    }
    std::optional<Fetch> fetched;
    QEventLoop loop;
    KVCloudRequest request;
    if (service)
        request.setServiceAddress(*service);
    request.fetchSettingsText(cloudID, [&](const Fetch& fetch) {
        fetched = fetch;
        loop.quit();
    });
    if (!fetched)
        loop.exec();
    if (!fetched->text) {
        result.log(category, formatString(QStringLiteral("Warning: Connection to Cloud failed with code: %@"),
                                          QString::number(fetched->status)));
        return result;
    }
    result.log(category, QStringLiteral("Connected to Cloud, loading settings"));
    result.text = QString::fromUtf8(*fetched->text);
    return result;
}

void KVCloudRequest::cancel()
{
    m_cancelled = true;
    ++m_generation;
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void KVCloudRequest::start(Exchange exchange, const QString& cloudID)
{
    cancel();
    m_cancelled = false;
    m_exchange = exchange;
    m_cloudID = cloudID;
    m_body.clear();
    m_tooLarge = false;

    const Device& device = Device::current();
    const QString os = device.systemName() + QLatin1Char(' ') + device.systemVersion();
    if (exchange == Exchange::ExportToNew || exchange == Exchange::ExportToExisting) {
        const QByteArray xml = SettingsDocument::settingsDocumentXML(SettingsDocument::buildSettingsDocument());
        const QByteArray body = requestBody(cloudID, cloudTextForm(xml), os, device.model());
        Q_EMIT progressChanged(0.2);
        if (body.size() > bodyLimit) {
            report(QStringLiteral("Export to the cloud failed as the file size exceeds the 10 MB limit."), false);
            return;
        }
        send(CloudService::Resource::PutSettings, body);
        return;
    }
    const QByteArray body = requestBody(cloudID, std::nullopt, os, device.model());
    Q_EMIT progressChanged(0.2);
    send(CloudService::Resource::GetSettings, body);
}

void KVCloudRequest::send(CloudService::Resource resource, const QByteArray& body)
{
    std::optional<QUrl> base = m_service;
    QString error;
    if (!base) {
        const CloudService::Address configured = CloudService::address();
        base = configured.url;
        error = configured.error;
    }
    if (!base) {
        if (m_exchange == Exchange::Fetch)
            reportFetch({std::nullopt, error, 0});
        else
            report(formatString(failedText(), error), false);
        return;
    }
    QNetworkRequest request(CloudService::endpoint(*base, resource));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/xml"));
    request.setTransferTimeout(timeoutMilliseconds);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    m_reply = m_network->post(request, body);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &KVCloudRequest::responseArrived);
    connect(m_reply, &QIODevice::readyRead, this, &KVCloudRequest::dataArrived);
    connect(m_reply, &QNetworkReply::finished, this, &KVCloudRequest::completed);
    Q_EMIT progressChanged(0.4);
}

void KVCloudRequest::responseArrived()
{
    if (!m_reply || !m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return;
    m_body.clear();
    Q_EMIT progressChanged(0.6);
}

void KVCloudRequest::dataArrived()
{
    if (!m_reply)
        return;
    if (!appendWithin(m_body, m_reply, answerLimit)) {
        m_tooLarge = true;
        return;
    }
    Q_EMIT progressChanged(0.65);
}

QString KVCloudRequest::failedText() const
{
    switch (m_exchange) {
    case Exchange::ExportToExisting:
    case Exchange::ExportToNew:
        return QStringLiteral("Export failed with error: \"%@\"");
    case Exchange::Import:
    case Exchange::Fetch:
        return QStringLiteral("Import failed with error: \"%@\"");
    }
    return QString();
}

void KVCloudRequest::completed()
{
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    if (!m_tooLarge)
        m_body.append(reply->readAll());
    const QByteArray body = std::exchange(m_body, QByteArray());
    Q_EMIT progressChanged(1.0);

    const QVariant statusAttribute = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int status = statusAttribute.isValid() ? statusAttribute.toInt() : 0;
    QString transportError;
    if (m_tooLarge)
        transportError = QStringLiteral("The answer is larger than any settings document");
    else if (!statusAttribute.isValid())
        transportError = reply->errorString();
    else if (status < 200 || status > 299)
        transportError = formatString(QStringLiteral("HTTP %i %@"), status,
                                      reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());

    if (m_exchange == Exchange::Fetch) {
        if (!transportError.isEmpty())
            reportFetch({std::nullopt, transportError, status});
        else if (answerFailed(body))
            reportFetch({std::nullopt, QStringLiteral("the service answered False or nothing"), status});
        else
            reportFetch({unwrappedTextForm(getTagValue(body, "SettingsXML")), QString(), status});
        return;
    }
    if (!transportError.isEmpty()) {
        report(formatString(failedText(), transportError), false);
        return;
    }
    switch (m_exchange) {
    case Exchange::ExportToExisting:
    case Exchange::ExportToNew:
        if (answerFailed(body)) {
            report(QStringLiteral("Export unsuccessful. Please try again"), false);
            return;
        }
        ID = QString::fromUtf8(getTagValue(body, "CloudID"));
        report(formatString(QStringLiteral("Exported successfully to ID: %@"), ID), true);
        return;
    case Exchange::Import:
        finishImport(body);
        return;
    case Exchange::Fetch:
        return;
    }
}

void KVCloudRequest::finishImport(const QByteArray& body)
{
    // The answer carries the administrator password: the console learns its size, not its text.
    qCDebug(cloudConsole, "Result : %lld bytes", static_cast<long long>(body.size()));
    const QString unsuccessful = QStringLiteral("Import unsuccessful. Please try again");
    if (answerFailed(body)) {
        report(unsuccessful, false);
        return;
    }
    const QByteArray text = getTagValue(body, "SettingsXML");
    const SettingsDocument::ParsedDocument parsed = SettingsDocument::readSettingsDocument(text);
    // A missing or broken document must not reach the merge, which would clear the lists.
    if (!parsed.document) {
        KVLog(importCategory, QStringLiteral("Settings from Cloud not imported: %@"),
              text.isEmpty() ? QStringLiteral("the answer has no SettingsXML") : parsed.error);
        report(unsuccessful, false);
        return;
    }
    const ImportOutcome outcome = ImportExport::applySettingsDocument(*parsed.document, {DocumentSource::Kind::Cloud, m_cloudID}, false);
    if (!outcome) {
        // A refusal is no transient failure: trying again would only be refused again.
        report(outcome.refused ? formatString(QStringLiteral("Import refused: %@. Nothing was changed."), outcome.reason) : unsuccessful, false);
        return;
    }
    ImportExport::postImportSteps(QStringLiteral("Autoimport"));
    report(formatString(QStringLiteral("Imported successfully from ID: %@"), m_cloudID), true);
}

void KVCloudRequest::report(const QString& message, bool success)
{
    const Exchange exchange = m_exchange;
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, exchange, message, success, generation] {
            if (m_cancelled || generation != m_generation)
                return;
            ++m_generation;  // one result per exchange
            const Callback* callback = nullptr;
            switch (exchange) {
            case Exchange::ExportToExisting:
                callback = &exportCallback;
                break;
            case Exchange::ExportToNew:
                callback = &cloudReqCallback;
                break;
            case Exchange::Import:
                callback = &importCallback;
                break;
            case Exchange::Fetch:
                break;
            }
            if (callback && *callback)
                (*callback)(message, success);
        },
        Qt::QueuedConnection);
}

void KVCloudRequest::reportFetch(const Fetch& fetch)
{
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, fetch, generation] {
            if (m_cancelled || generation != m_generation)
                return;
            ++m_generation;
            if (m_fetched)
                m_fetched(fetch);
        },
        Qt::QueuedConnection);
}

}  // namespace korvel

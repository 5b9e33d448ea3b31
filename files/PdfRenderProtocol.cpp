#include "files/PdfRenderProtocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtEndian>

#include <cmath>

namespace korvel::PdfRenderProtocol {

namespace {

constexpr int frameHead = 8;  // two 32-bit lengths

const QString kOp = QStringLiteral("op");
const QString kId = QStringLiteral("id");

// A whole number within [low, high]; none otherwise.
std::optional<qint64> integer(const QJsonValue& value, qint64 low, qint64 high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(low) || d > double(high))
        return std::nullopt;
    return qint64(d);
}

std::optional<double> number(const QJsonValue& value, double low, double high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d < low || d > high)
        return std::nullopt;
    return d;
}

std::optional<QString> text(const QJsonValue& value, int maxLength)
{
    if (!value.isString())
        return std::nullopt;
    QString s = value.toString();
    if (s.size() > maxLength)
        return std::nullopt;
    return s;
}

std::optional<quint64> identifier(const QJsonObject& header)
{
    if (const std::optional<qint64> id = integer(header.value(kId), 0, qint64(1) << 52))
        return quint64(*id);
    return std::nullopt;
}

QJsonArray rectArray(const QRectF& r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

std::optional<QRectF> readRect(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    if (!value.isArray() || a.size() != 4)
        return std::nullopt;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> n = number(a.at(i), -maxPagePoints, maxPagePoints);
        if (!n)
            return std::nullopt;
        v[i] = *n;
    }
    if (v[2] < 0 || v[3] < 0)
        return std::nullopt;
    return QRectF(v[0], v[1], v[2], v[3]);
}

Message request(const QString& op, quint64 id)
{
    return {QJsonObject{{kOp, op}, {kId, double(id)}}, {}};
}

std::optional<PdfDocumentInfo> readInfo(const QJsonObject& h)
{
    PdfDocumentInfo info;
    const std::optional<QString> title = text(h.value(QStringLiteral("title")), maxShortText);
    const QJsonArray sizes = h.value(QStringLiteral("sizes")).toArray();
    const QJsonArray labels = h.value(QStringLiteral("labels")).toArray();
    const QJsonArray outline = h.value(QStringLiteral("outline")).toArray();
    if (!title || sizes.size() > maxPages || (!labels.isEmpty() && labels.size() != sizes.size()) || outline.size() > maxOutlineEntries)
        return std::nullopt;
    info.title = *title;
    for (const QJsonValue& size : sizes) {
        const QJsonArray wh = size.toArray();
        const std::optional<double> w = number(wh.at(0), 0, maxPagePoints);
        const std::optional<double> hh = number(wh.at(1), 0, maxPagePoints);
        if (wh.size() != 2 || !w || !hh)
            return std::nullopt;
        info.pageSizes << QSizeF(*w, *hh);
    }
    for (const QJsonValue& label : labels) {
        const std::optional<QString> l = text(label, maxShortText);
        if (!l)
            return std::nullopt;
        info.pageLabels << *l;
    }
    for (const QJsonValue& entry : outline) {
        const QJsonObject e = entry.toObject();
        const std::optional<QString> t = text(e.value(QStringLiteral("title")), maxShortText);
        const std::optional<qint64> page = integer(e.value(QStringLiteral("page")), 0, std::max<qint64>(0, sizes.size() - 1));
        const std::optional<qint64> level = integer(e.value(QStringLiteral("level")), 0, 64);
        if (!t || !page || !level)
            return std::nullopt;
        info.outline.append({*t, int(*page)});
        info.outlineLevels << int(*level);
    }
    return info;
}

}  // namespace

QByteArray encode(const Message& message)
{
    const QByteArray header = QJsonDocument(message.header).toJson(QJsonDocument::Compact);
    QByteArray frame(frameHead, Qt::Uninitialized);
    qToBigEndian(quint32(header.size()), frame.data());
    qToBigEndian(quint32(message.payload.size()), frame.data() + 4);
    frame.reserve(frameHead + header.size() + message.payload.size());
    frame += header;
    frame += message.payload;
    return frame;
}

void Reader::append(const QByteArray& bytes)
{
    if (!m_broken)
        m_buffer += bytes;
}

Reader::Status Reader::next(Message* message)
{
    if (m_broken)
        return Status::Broken;
    if (m_buffer.size() < frameHead)
        return Status::NeedMore;
    const qint64 headerBytes = qFromBigEndian<quint32>(m_buffer.constData());
    const qint64 payloadBytes = qFromBigEndian<quint32>(m_buffer.constData() + 4);
    if (headerBytes > maxHeaderBytes || payloadBytes > maxPayloadBytes) {
        m_broken = true;
        m_buffer.clear();
        return Status::Broken;
    }
    if (m_buffer.size() < frameHead + headerBytes + payloadBytes)
        return Status::NeedMore;
    QJsonParseError error;
    const QJsonDocument header = QJsonDocument::fromJson(m_buffer.mid(frameHead, headerBytes), &error);
    if (error.error != QJsonParseError::NoError || !header.isObject()) {
        m_broken = true;
        m_buffer.clear();
        return Status::Broken;
    }
    message->header = header.object();
    message->payload = m_buffer.mid(frameHead + headerBytes, payloadBytes);
    m_buffer.remove(0, frameHead + headerBytes + payloadBytes);
    return Status::Message;
}

Message openRequest(const QString& password)
{
    Message m = request(QStringLiteral("open"), 0);
    m.header.insert(QStringLiteral("password"), password);
    return m;
}

Message renderRequest(quint64 id, int page, QSize scaledSize, QRect clip)
{
    Message m = request(QStringLiteral("render"), id);
    m.header.insert(QStringLiteral("page"), page);
    m.header.insert(QStringLiteral("size"), QJsonArray{scaledSize.width(), scaledSize.height()});
    if (!clip.isEmpty())
        m.header.insert(QStringLiteral("clip"), QJsonArray{clip.x(), clip.y(), clip.width(), clip.height()});
    return m;
}

Message textRequest(quint64 id, int page)
{
    Message m = request(QStringLiteral("text"), id);
    m.header.insert(QStringLiteral("page"), page);
    return m;
}

Message linksRequest(quint64 id, int page)
{
    Message m = request(QStringLiteral("links"), id);
    m.header.insert(QStringLiteral("page"), page);
    return m;
}

std::optional<Request> readRequest(const Message& message)
{
    const QJsonObject& h = message.header;
    const QString op = h.value(kOp).toString();
    const std::optional<quint64> id = identifier(h);
    if (!id)
        return std::nullopt;
    Request r;
    r.id = *id;
    if (op == QLatin1String("open")) {
        const std::optional<QString> password = text(h.value(QStringLiteral("password")), maxShortText);
        if (!password)
            return std::nullopt;
        r.kind = Request::Kind::Open;
        r.password = *password;
        return r;
    }
    const std::optional<qint64> page = integer(h.value(QStringLiteral("page")), 0, maxPages - 1);
    if (!page)
        return std::nullopt;
    r.page = int(*page);
    if (op == QLatin1String("text")) {
        r.kind = Request::Kind::Text;
        return r;
    }
    if (op == QLatin1String("links")) {
        r.kind = Request::Kind::Links;
        return r;
    }
    if (op != QLatin1String("render"))
        return std::nullopt;
    r.kind = Request::Kind::Render;
    const QJsonArray size = h.value(QStringLiteral("size")).toArray();
    const std::optional<qint64> w = integer(size.at(0), 1, 1 << 20);
    const std::optional<qint64> hh = integer(size.at(1), 1, 1 << 20);
    if (size.size() != 2 || !w || !hh)
        return std::nullopt;
    r.scaledSize = QSize(int(*w), int(*hh));
    if (h.contains(QStringLiteral("clip"))) {
        const QJsonArray c = h.value(QStringLiteral("clip")).toArray();
        std::optional<qint64> v[4];
        for (int i = 0; i < 4; ++i)
            v[i] = integer(c.at(i), 0, 1 << 20);
        if (c.size() != 4 || !v[0] || !v[1] || !v[2] || !v[3])
            return std::nullopt;
        r.clip = QRect(int(*v[0]), int(*v[1]), int(*v[2]), int(*v[3]));
    }
    // The picture itself never exceeds what the reader may take.
    const QSize picture = r.clip.isEmpty() ? r.scaledSize : r.clip.size();
    if (picture.width() > maxImageSide || picture.height() > maxImageSide)
        return std::nullopt;
    return r;
}

Message openedAnswer(OpenStatus status, const PdfDocumentInfo& info, const QJsonObject& sandbox)
{
    Message m = request(QStringLiteral("opened"), 0);
    const char* const names[] = {"ready", "password", "failed"};
    m.header.insert(QStringLiteral("status"), QLatin1String(names[int(status)]));
    m.header.insert(QStringLiteral("title"), info.title);
    QJsonArray sizes;
    for (const QSizeF& s : info.pageSizes)
        sizes << QJsonArray{s.width(), s.height()};
    m.header.insert(QStringLiteral("sizes"), sizes);
    m.header.insert(QStringLiteral("labels"), QJsonArray::fromStringList(info.pageLabels));
    QJsonArray outline;
    for (qsizetype i = 0; i < info.outline.size(); ++i)
        outline << QJsonObject{{QStringLiteral("title"), info.outline.at(i).title},
                               {QStringLiteral("page"), info.outline.at(i).page},
                               {QStringLiteral("level"), info.outlineLevels.value(i)}};
    m.header.insert(QStringLiteral("outline"), outline);
    m.header.insert(QStringLiteral("sandbox"), sandbox);
    return m;
}

Message renderedAnswer(quint64 id, QSize size, const QByteArray& pixels)
{
    Message m = request(QStringLiteral("rendered"), id);
    m.header.insert(QStringLiteral("size"), QJsonArray{size.width(), size.height()});
    m.payload = pixels;
    return m;
}

Message textAnswer(quint64 id, const QString& pageText)
{
    Message m = request(QStringLiteral("text"), id);
    m.header.insert(QStringLiteral("text"), pageText);
    return m;
}

Message linksAnswer(quint64 id, const QList<ReaderLink>& links)
{
    Message m = request(QStringLiteral("links"), id);
    QJsonArray list;
    for (const ReaderLink& link : links)
        list << QJsonObject{{QStringLiteral("rect"), rectArray(link.rect)},
                            {QStringLiteral("url"), link.url.toString(QUrl::FullyEncoded)},
                            {QStringLiteral("page"), link.page}};
    m.header.insert(QStringLiteral("links"), list);
    return m;
}

Message failedAnswer(quint64 id, const QString& reason)
{
    Message m = request(QStringLiteral("failed"), id);
    m.header.insert(QStringLiteral("reason"), reason.left(maxShortText));
    return m;
}

std::optional<Answer> readAnswer(const Message& message, int pageCount)
{
    const QJsonObject& h = message.header;
    const QString op = h.value(kOp).toString();
    const std::optional<quint64> id = identifier(h);
    if (!id)
        return std::nullopt;
    Answer a;
    a.id = *id;
    // Only a picture carries bytes.
    if (op != QLatin1String("rendered") && !message.payload.isEmpty())
        return std::nullopt;
    if (op == QLatin1String("opened")) {
        a.kind = Answer::Kind::Opened;
        const QString status = h.value(QStringLiteral("status")).toString();
        if (status == QLatin1String("ready"))
            a.status = OpenStatus::Ready;
        else if (status == QLatin1String("password"))
            a.status = OpenStatus::NeedsPassword;
        else if (status == QLatin1String("failed"))
            a.status = OpenStatus::Failed;
        else
            return std::nullopt;
        std::optional<PdfDocumentInfo> info = readInfo(h);
        if (!info)
            return std::nullopt;
        a.info = std::move(*info);
        a.sandbox = h.value(QStringLiteral("sandbox")).toObject();
        return a;
    }
    if (op == QLatin1String("rendered")) {
        a.kind = Answer::Kind::Rendered;
        const QJsonArray size = h.value(QStringLiteral("size")).toArray();
        const std::optional<qint64> w = integer(size.at(0), 1, maxImageSide);
        const std::optional<qint64> hh = integer(size.at(1), 1, maxImageSide);
        if (size.size() != 2 || !w || !hh || message.payload.size() != *w * *hh * 4)
            return std::nullopt;
        a.size = QSize(int(*w), int(*hh));
        a.pixels = message.payload;
        return a;
    }
    if (op == QLatin1String("text")) {
        a.kind = Answer::Kind::Text;
        const std::optional<QString> t = text(h.value(QStringLiteral("text")), maxPageText);
        if (!t)
            return std::nullopt;
        a.text = *t;
        return a;
    }
    if (op == QLatin1String("links")) {
        a.kind = Answer::Kind::Links;
        const QJsonArray links = h.value(QStringLiteral("links")).toArray();
        if (!h.value(QStringLiteral("links")).isArray() || links.size() > maxLinksPerPage)
            return std::nullopt;
        for (const QJsonValue& value : links) {
            const QJsonObject l = value.toObject();
            const std::optional<QRectF> rect = readRect(l.value(QStringLiteral("rect")));
            const std::optional<QString> url = text(l.value(QStringLiteral("url")), 8192);
            const std::optional<qint64> page = integer(l.value(QStringLiteral("page")), -1, std::max(-1, pageCount - 1));
            if (!rect || !url || !page)
                return std::nullopt;
            ReaderLink link;
            link.rect = *rect;
            link.url = QUrl(*url, QUrl::StrictMode);
            link.page = int(*page);
            // A link leads somewhere: to a valid address, or to a page.
            if (link.url.isEmpty() == (link.page < 0) || (!link.url.isEmpty() && !link.url.isValid()))
                return std::nullopt;
            a.links << link;
        }
        return a;
    }
    if (op == QLatin1String("failed")) {
        a.kind = Answer::Kind::Failed;
        const std::optional<QString> reason = text(h.value(QStringLiteral("reason")), maxShortText);
        if (!reason)
            return std::nullopt;
        a.text = *reason;
        return a;
    }
    return std::nullopt;
}

}  // namespace korvel::PdfRenderProtocol

#pragma once

#include "files/ReaderRules.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace korvel {

// A link on a page: where it sits, in page points from the top left, and where it leads (an
// address, or a page of the same document).
struct ReaderLink {
    QRectF rect;
    QUrl url;
    int page = -1;

    bool operator==(const ReaderLink&) const = default;
};

// What the reader knows of an open document without asking again.
struct PdfDocumentInfo {
    QString title;
    QList<QSizeF> pageSizes;  // in points, one per page
    QStringList pageLabels;   // one per page; empty when the document names none
    QList<ReaderRules::OutlineEntry> outline;
    QList<int> outlineLevels;  // the depth of each outline entry

    int pageCount() const { return int(pageSizes.size()); }
};

// The messages between the document reader and the process that parses and draws documents for it
// (korvel-pdf-render): frames of a JSON header and a binary payload, each preceded by their two
// lengths. The reader trusts nothing the other side sends: every frame and every answer is checked
// against these limits and against what was asked, and one that does not fit ends the helper.
namespace PdfRenderProtocol {

inline constexpr qint64 maxHeaderBytes = 16 * 1024 * 1024;
// A page picture: at most 4096 x 4096 pixels of 4 bytes.
inline constexpr int maxImageSide = 4096;
inline constexpr qint64 maxPayloadBytes = qint64(maxImageSide) * maxImageSide * 4;
inline constexpr int maxPages = 100000;
inline constexpr int maxOutlineEntries = 20000;
inline constexpr int maxLinksPerPage = 2000;
inline constexpr int maxShortText = 1000;         // a title, a label, an outline entry, a link's address
inline constexpr int maxPageText = 1024 * 1024;   // characters of one page's text
inline constexpr double maxPagePoints = 1000000;  // PDF pages are at most 200 inches across, 14,400 points

struct Message {
    QJsonObject header;
    QByteArray payload;
};

QByteArray encode(const Message& message);

// Takes the bytes of a stream as they arrive and gives back whole messages.
class Reader {
public:
    enum class Status { NeedMore, Message, Broken };

    void append(const QByteArray& bytes);
    // The next whole message; Broken (for good) when the stream cannot be a stream of frames.
    Status next(Message* message);

private:
    QByteArray m_buffer;
    bool m_broken = false;
};

// Requests, from the reader.
Message openRequest(const QString& password);
Message renderRequest(quint64 id, int page, QSize scaledSize, QRect clip);
Message textRequest(quint64 id, int page);
Message linksRequest(quint64 id, int page);

// A request as the helper reads it; none when it is not one.
struct Request {
    enum class Kind { Open, Render, Text, Links } kind = Kind::Open;
    quint64 id = 0;
    QString password;
    int page = 0;
    QSize scaledSize;  // the whole page drawn at this size...
    QRect clip;        // ...of which this part is wanted; the whole page when empty
};
std::optional<Request> readRequest(const Message& message);

// Answers, from the helper.
enum class OpenStatus { Ready, NeedsPassword, Failed };
Message openedAnswer(OpenStatus status, const PdfDocumentInfo& info, const QJsonObject& sandbox);
// `pixels` are the picture's rows of 32-bit 0xffRRGGBB pixels, `size.width() * 4` bytes each.
Message renderedAnswer(quint64 id, QSize size, const QByteArray& pixels);
Message textAnswer(quint64 id, const QString& text);
Message linksAnswer(quint64 id, const QList<ReaderLink>& links);
Message failedAnswer(quint64 id, const QString& reason);

// An answer as the reader checks it.
struct Answer {
    enum class Kind { Opened, Rendered, Text, Links, Failed } kind = Kind::Opened;
    quint64 id = 0;
    OpenStatus status = OpenStatus::Failed;
    PdfDocumentInfo info;
    QJsonObject sandbox;
    QSize size;
    QByteArray pixels;
    QString text;
    QList<ReaderLink> links;
};
// The answer in `message`, checked for its own consistency (limits, a payload that matches the
// picture's size, outline entries and links that point at pages of `pageCount`, when known: -1
// before the document is open); none when it is not a valid answer.
std::optional<Answer> readAnswer(const Message& message, int pageCount);

}  // namespace PdfRenderProtocol

}  // namespace korvel

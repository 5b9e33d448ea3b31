#include "files/PdfRenderProtocol.h"

#include <QJsonArray>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>

using namespace korvel;
using namespace korvel::PdfRenderProtocol;

namespace {

QByteArray frame(const QByteArray& header, const QByteArray& payload, qint64 headerLength = -1, qint64 payloadLength = -1)
{
    QByteArray out(8, Qt::Uninitialized);
    qToBigEndian(quint32(headerLength < 0 ? header.size() : headerLength), out.data());
    qToBigEndian(quint32(payloadLength < 0 ? payload.size() : payloadLength), out.data() + 4);
    return out + header + payload;
}

PdfDocumentInfo threePages()
{
    PdfDocumentInfo info;
    info.title = QStringLiteral("Guide");
    info.pageSizes = {QSizeF(420, 595), QSizeF(420, 595), QSizeF(595, 420)};
    info.pageLabels = {QStringLiteral("i"), QStringLiteral("1"), QStringLiteral("2")};
    info.outline = {{QStringLiteral("Preface"), 0}, {QStringLiteral("Zebra facts"), 2}};
    info.outlineLevels = {0, 1};
    return info;
}

}  // namespace

// Frames arrive in pieces and several at once; a length beyond the limits or a header that is not a
// JSON object breaks the stream for good.
TEST(PdfRenderProtocol, FramesAreReassembledAndBadStreamsRefused)
{
    const QByteArray two = encode(textRequest(7, 2)) + encode(renderRequest(8, 0, QSize(600, 800), QRect(10, 10, 300, 200)));
    Reader reader;
    Message m;
    int whole = 0;
    for (char byte : two) {
        reader.append(QByteArray(1, byte));
        while (reader.next(&m) == Reader::Status::Message)
            ++whole;
    }
    EXPECT_EQ(whole, 2);

    const struct {
        const char* name;
        QByteArray bytes;
    } broken[] = {
        {"a header beyond its limit", frame("{}", "", maxHeaderBytes + 1)},
        {"a payload beyond its limit", frame("{}", "", -1, maxPayloadBytes + 1)},
        {"a header that is not JSON", frame("{not json", "")},
        {"a header that is an array", frame("[1,2]", "")},
    };
    for (const auto& b : broken) {
        Reader r;
        r.append(b.bytes);
        EXPECT_EQ(r.next(&m), Reader::Status::Broken) << b.name;
        r.append(encode(textRequest(1, 0)));
        EXPECT_EQ(r.next(&m), Reader::Status::Broken) << b.name << ": stays broken";
    }
}

// What the helper may send is checked against the limits, against the picture's size and against
// the document's pages: a compromised helper's answer is refused, never half used.
TEST(PdfRenderProtocol, AnswersOutOfBoundsAreRefused)
{
    const auto opened = [](const std::function<void(QJsonObject&)>& change) {
        Message m = openedAnswer(OpenStatus::Ready, threePages(), {});
        change(m.header);
        return m;
    };
    const QByteArray picture(4 * 3 * 2, '\xff');
    const struct {
        const char* name;
        Message message;
        int pageCount;
        bool valid;
    } cases[] = {
        {"an opened document", opened([](QJsonObject&) {}), -1, true},
        {"a page count beyond the limit", opened([](QJsonObject& h) {
             QJsonArray sizes;
             for (int i = 0; i <= maxPages; ++i)
                 sizes << QJsonArray{1, 1};
             h.insert(QStringLiteral("sizes"), sizes);
             h.insert(QStringLiteral("labels"), QJsonArray());
         }), -1, false},
        {"labels that do not match the pages", opened([](QJsonObject& h) { h.insert(QStringLiteral("labels"), QJsonArray{QStringLiteral("i")}); }), -1, false},
        {"an outline entry past the last page", opened([](QJsonObject& h) {
             h.insert(QStringLiteral("outline"), QJsonArray{QJsonObject{{QStringLiteral("title"), QStringLiteral("x")}, {QStringLiteral("page"), 3}, {QStringLiteral("level"), 0}}});
         }), -1, false},
        {"a page of infinite size", opened([](QJsonObject& h) { h.insert(QStringLiteral("sizes"), QJsonArray{QJsonArray{1e300, 1}, QJsonArray{1, 1}, QJsonArray{1, 1}}); }), -1, false},
        {"a title of a megabyte", opened([](QJsonObject& h) { h.insert(QStringLiteral("title"), QString(1 << 20, QLatin1Char('t'))); }), -1, false},
        {"a picture of its size", renderedAnswer(5, QSize(3, 2), picture), 3, true},
        {"a picture shorter than its size", renderedAnswer(5, QSize(3, 3), picture), 3, false},
        {"a picture beyond the largest side", renderedAnswer(5, QSize(maxImageSide + 1, 1), QByteArray((maxImageSide + 1) * 4, '\0')), 3, false},
        {"bytes with a text", [] {
             Message m = textAnswer(5, QStringLiteral("t"));
             m.payload = "x";
             return m;
         }(), 3, false},
        {"a link to a page", linksAnswer(5, {{QRectF(1, 2, 3, 4), QUrl(), 2}}), 3, true},
        {"a link to a page past the last", linksAnswer(5, {{QRectF(1, 2, 3, 4), QUrl(), 3}}), 3, false},
        {"a link to nowhere", linksAnswer(5, {{QRectF(1, 2, 3, 4), QUrl(), -1}}), 3, false},
        {"a link to an address", linksAnswer(5, {{QRectF(1, 2, 3, 4), QUrl(QStringLiteral("https://a.test/")), -1}}), 3, true},
        {"a link of negative size", linksAnswer(5, {{QRectF(1, 2, -3, 4), QUrl(QStringLiteral("https://a.test/")), -1}}), 3, false},
        {"a page's text beyond the limit", textAnswer(5, QString(maxPageText + 1, QLatin1Char('a'))), 3, false},
        {"an answer of no known kind", {QJsonObject{{QStringLiteral("op"), QStringLiteral("exec")}, {QStringLiteral("id"), 5}}, {}}, 3, false},
        {"an identifier that is not a whole number", {QJsonObject{{QStringLiteral("op"), QStringLiteral("text")}, {QStringLiteral("id"), 0.5}, {QStringLiteral("text"), QString()}}, {}}, 3, false},
    };
    for (const auto& c : cases) {
        // Through the wire, as the reader receives it.
        Reader reader;
        reader.append(encode(c.message));
        Message received;
        ASSERT_EQ(reader.next(&received), Reader::Status::Message) << c.name;
        const std::optional<Answer> answer = readAnswer(received, c.pageCount);
        EXPECT_EQ(answer.has_value(), c.valid) << c.name;
    }
    const std::optional<Answer> info = readAnswer(openedAnswer(OpenStatus::Ready, threePages(), {}), -1);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->info.pageLabels, threePages().pageLabels);
    EXPECT_EQ(info->info.outlineLevels, (QList<int>{0, 1}));
}

// The helper asks no more of itself than the reader may take: a picture beyond the largest side is
// not a request.
TEST(PdfRenderProtocol, RequestsStayWithinWhatTheReaderTakes)
{
    EXPECT_TRUE(readRequest(renderRequest(1, 0, QSize(maxImageSide, 10), {})));
    EXPECT_FALSE(readRequest(renderRequest(1, 0, QSize(maxImageSide + 1, 10), {})));
    // A zoomed page much larger than the screen, of which only the part in view is drawn.
    const std::optional<Request> part = readRequest(renderRequest(1, 0, QSize(20000, 30000), QRect(5000, 6000, 1280, 800)));
    ASSERT_TRUE(part);
    EXPECT_EQ(part->clip, QRect(5000, 6000, 1280, 800));
    EXPECT_FALSE(readRequest(renderRequest(1, 0, QSize(20000, 30000), QRect(0, 0, 5000, 800))));
}

#pragma once

// PDF documents the reader's tests make themselves: pages of text written with QPdfWriter, an
// outline and page labels added with qpdf, and encrypted copies made with qpdf.
#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRectF>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

#include <zlib.h>

namespace korvel::test {

// One page per text, the document titled `title`.
inline QByteArray writePdf(const QString& title, const QStringList& pageTexts)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setPageSize(QPageSize(QPageSize::A5));
    writer.setResolution(72);
    QPainter painter(&writer);
    QFont font = painter.font();
    font.setPointSize(14);
    painter.setFont(font);
    for (int i = 0; i < pageTexts.size(); ++i) {
        if (i > 0)
            writer.newPage();
        painter.drawText(QRect(40, 40, 300, 400), Qt::AlignLeft | Qt::TextWordWrap, pageTexts.at(i));
    }
    painter.end();
    return buffer.data();
}

inline bool runQpdf(const QStringList& arguments)
{
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), arguments);
    // 3: done with warnings (qpdf mends what it reads).
    return qpdf.waitForFinished(30000) && qpdf.exitStatus() == QProcess::NormalExit
           && (qpdf.exitCode() == 0 || qpdf.exitCode() == 3);
}

struct OutlineItem {
    QString title;
    int page;
    QList<OutlineItem> children;
};

// `pdf` rewritten by qpdf with the objects `changes` returns ("obj:N 0 R" -> {"value": ...}), given
// qpdf's objects, the catalog's reference and the next free object number; empty when qpdf failed.
using QpdfChanges = std::function<QJsonObject(const QJsonObject& objects, const QString& root, int& next)>;
inline QByteArray rewrittenByQpdf(const QByteArray& pdf, const QpdfChanges& changes)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.pdf"));
    const QString json = dir.filePath(QStringLiteral("in.json"));
    const QString update = dir.filePath(QStringLiteral("update.json"));
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    QFile file(in);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    if (!runQpdf({in, QStringLiteral("--json-output=2"), json}))
        return {};
    QFile read(json);
    if (!read.open(QIODevice::ReadOnly))
        return {};
    const QJsonArray parts = QJsonDocument::fromJson(read.readAll()).object().value(QStringLiteral("qpdf")).toArray();
    int next = parts.at(0).toObject().value(QStringLiteral("maxobjectid")).toInt() + 1;
    const QJsonObject objects = parts.at(1).toObject();
    const QString root = objects.value(QStringLiteral("trailer")).toObject().value(QStringLiteral("value")).toObject().value(QStringLiteral("/Root")).toString();
    const QJsonObject written = changes(objects, root, next);
    QFile updateFile(update);
    if (!updateFile.open(QIODevice::WriteOnly))
        return {};
    updateFile.write(QJsonDocument(QJsonObject{{QStringLiteral("qpdf"), QJsonArray{parts.at(0), written}}}).toJson());
    updateFile.close();
    if (!runQpdf({in, QStringLiteral("--update-from-json=") + update, out}))
        return {};
    QFile result(out);
    return result.open(QIODevice::ReadOnly) ? result.readAll() : QByteArray();
}

// `pdf` with `outline` and page labels from `labelRanges` (start page -> numbering style, "/r"
// roman or "/D" decimal), rewritten by qpdf; empty when qpdf failed.
inline QByteArray withOutline(const QByteArray& pdf, const QList<OutlineItem>& outline, const QList<QPair<int, QString>>& labelRanges)
{
    return rewrittenByQpdf(pdf, [&](const QJsonObject& objects, const QString& root, int& next) {
        QJsonObject catalog = objects.value(QStringLiteral("obj:") + root).toObject().value(QStringLiteral("value")).toObject();
        const QString pagesRef = catalog.value(QStringLiteral("/Pages")).toString();
        const QJsonArray kids = objects.value(QStringLiteral("obj:") + pagesRef).toObject().value(QStringLiteral("value")).toObject().value(QStringLiteral("/Kids")).toArray();

        QJsonObject written;
        const auto ref = [](int id) { return QStringLiteral("%1 0 R").arg(id); };
        // Writes the items under `parent`; returns their ids.
        std::function<QList<int>(const QList<OutlineItem>&, int)> place = [&](const QList<OutlineItem>& items, int parent) {
            QList<int> ids;
            for (int i = 0; i < items.size(); ++i)
                ids << next++;
            for (int i = 0; i < items.size(); ++i) {
                QJsonObject item{{QStringLiteral("/Title"), QStringLiteral("u:") + items.at(i).title},
                                 {QStringLiteral("/Parent"), ref(parent)},
                                 {QStringLiteral("/Dest"), QJsonArray{kids.at(items.at(i).page), QStringLiteral("/Fit")}}};
                if (i > 0)
                    item.insert(QStringLiteral("/Prev"), ref(ids.at(i - 1)));
                if (i + 1 < items.size())
                    item.insert(QStringLiteral("/Next"), ref(ids.at(i + 1)));
                const QList<int> children = place(items.at(i).children, ids.at(i));
                if (!children.isEmpty()) {
                    item.insert(QStringLiteral("/First"), ref(children.first()));
                    item.insert(QStringLiteral("/Last"), ref(children.last()));
                    item.insert(QStringLiteral("/Count"), int(children.size()));
                }
                written.insert(QStringLiteral("obj:") + ref(ids.at(i)), QJsonObject{{QStringLiteral("value"), item}});
            }
            return ids;
        };
        const int outlines = next++;
        const QList<int> top = place(outline, outlines);
        written.insert(QStringLiteral("obj:") + ref(outlines),
                       QJsonObject{{QStringLiteral("value"),
                                    QJsonObject{{QStringLiteral("/Type"), QStringLiteral("/Outlines")},
                                                {QStringLiteral("/First"), ref(top.first())},
                                                {QStringLiteral("/Last"), ref(top.last())},
                                                {QStringLiteral("/Count"), int(top.size())}}}});
        catalog.insert(QStringLiteral("/Outlines"), ref(outlines));
        QJsonArray nums;
        for (const auto& [start, style] : labelRanges)
            nums << start << QJsonObject{{QStringLiteral("/S"), style}};
        catalog.insert(QStringLiteral("/PageLabels"), QJsonObject{{QStringLiteral("/Nums"), nums}});
        written.insert(QStringLiteral("obj:") + root, QJsonObject{{QStringLiteral("value"), catalog}});
        return written;
    });
}

struct LinkArea {
    QRectF rect;  // in points from the page's top left
    QString uri;
};

// `pdf` with link annotations to addresses on its first page, rewritten by qpdf; empty when qpdf failed.
inline QByteArray withLinks(const QByteArray& pdf, const QList<LinkArea>& links)
{
    return rewrittenByQpdf(pdf, [&](const QJsonObject& objects, const QString& root, int& next) {
        const auto value = [&](const QString& ref) { return objects.value(QStringLiteral("obj:") + ref).toObject().value(QStringLiteral("value")).toObject(); };
        const QString firstPage = value(value(root).value(QStringLiteral("/Pages")).toString()).value(QStringLiteral("/Kids")).toArray().at(0).toString();
        QJsonObject page = value(firstPage);
        const QJsonArray box = page.value(QStringLiteral("/MediaBox")).toArray();
        const double height = box.at(3).toDouble();
        QJsonObject written;
        QJsonArray annots;
        for (const LinkArea& link : links) {
            const QString ref = QStringLiteral("%1 0 R").arg(next++);
            annots << ref;
            const QJsonObject annot{{QStringLiteral("/Type"), QStringLiteral("/Annot")},
                                    {QStringLiteral("/Subtype"), QStringLiteral("/Link")},
                                    {QStringLiteral("/Rect"), QJsonArray{link.rect.left(), height - link.rect.bottom(), link.rect.right(), height - link.rect.top()}},
                                    {QStringLiteral("/Border"), QJsonArray{0, 0, 0}},
                                    {QStringLiteral("/A"), QJsonObject{{QStringLiteral("/S"), QStringLiteral("/URI")}, {QStringLiteral("/URI"), QStringLiteral("u:") + link.uri}}}};
            written.insert(QStringLiteral("obj:") + ref, QJsonObject{{QStringLiteral("value"), annot}});
        }
        page.insert(QStringLiteral("/Annots"), annots);
        written.insert(QStringLiteral("obj:") + firstPage, QJsonObject{{QStringLiteral("value"), page}});
        return written;
    });
}

// `pdf` encrypted (AES-256) so that it opens only with `password`; empty when qpdf failed.
inline QByteArray encrypted(const QByteArray& pdf, const QString& password)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.pdf"));
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    QFile file(in);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    if (!runQpdf({QStringLiteral("--encrypt"), password, QStringLiteral("owner-") + password, QStringLiteral("256"), QStringLiteral("--"), in, out}))
        return {};
    QFile result(out);
    return result.open(QIODevice::ReadOnly) ? result.readAll() : QByteArray();
}

// `count` copies of `byte` deflated (zlib), made in pieces so that the maker's memory stays small.
inline QByteArray deflatedRepeat(char byte, qint64 count)
{
    QByteArray deflated;
    z_stream z{};
    if (deflateInit(&z, 9) != Z_OK)
        return {};
    const QByteArray piece(1024 * 1024, byte);
    QByteArray out(256 * 1024, Qt::Uninitialized);
    for (qint64 left = count;;) {
        const qint64 now = std::min<qint64>(left, piece.size());
        left -= now;
        const bool last = left == 0;
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.constData()));
        z.avail_in = uInt(now);
        int status = Z_OK;
        do {
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = uInt(out.size());
            status = deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            deflated.append(out.constData(), out.size() - qsizetype(z.avail_out));
        } while (z.avail_out == 0 || (last && status != Z_STREAM_END));
        if (last)
            break;
    }
    deflateEnd(&z);
    return deflated;
}

// A PDF of these objects (numbered from 1, the first the catalog) with its cross-reference table.
inline QByteArray pdfOf(const QList<QByteArray>& objects)
{
    QByteArray pdf("%PDF-1.7\n");
    QList<qsizetype> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

inline QByteArray deflatedStream(const QByteArray& dictionary, const QByteArray& deflated)
{
    return "<< " + dictionary + " /Filter /FlateDecode /Length " + QByteArray::number(deflated.size()) + " >>\nstream\n" + deflated + "\nendstream";
}

// A one-page document whose page content is `megabytes` MiB of spaces: about 1 MB to send for
// 1000, a gigabyte for whoever parses it.
inline QByteArray inflatingContent(int megabytes)
{
    return pdfOf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R >>",
                  deflatedStream("", deflatedRepeat(' ', qint64(megabytes) * 1024 * 1024))});
}

// A one-page document showing a grey picture of `side` x `side` pixels: small to send, seconds of
// work to draw at any size.
inline QByteArray hugePicture(int side)
{
    return pdfOf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << /XObject << /Im0 5 0 R >> >> /Contents 4 0 R >>",
                  "<< /Length 30 >>\nstream\nq 612 0 0 792 0 0 cm /Im0 Do Q\nendstream",
                  deflatedStream("/Type /XObject /Subtype /Image /Width " + QByteArray::number(side) + " /Height " + QByteArray::number(side)
                                     + " /ColorSpace /DeviceGray /BitsPerComponent 8",
                                 deflatedRepeat(char(0x80), qint64(side) * side))});
}

}  // namespace korvel::test

#include "files/ReaderRules.h"

#include "policy/WebsiteAddress.h"
#include "settings/KVBrowserPrefSettings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace korvel {

namespace ReaderRules {

Document locate(const QUrl& pdfFileUrl, const QString& documentsDirectory)
{
    Document document;
    const QString scheme = pdfFileUrl.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (!pdfFileUrl.host().isEmpty()) {
            document.source = Source::Web;
            document.url = pdfFileUrl;
        }
        return document;
    }
    if (!pdfFileUrl.isLocalFile())
        return document;
    const QString name = WebsiteAddress::lastPathComponent(pdfFileUrl);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return document;
    const QString root = QFileInfo(documentsDirectory).canonicalFilePath();
    const QFileInfo file(QDir(documentsDirectory).filePath(name));
    const QString resolved = file.canonicalFilePath();
    // canonicalFilePath() is empty for a missing file or a dangling link.
    if (root.isEmpty() || resolved.isEmpty() || !QFileInfo(resolved).isFile()
        || !resolved.startsWith(root + QLatin1Char('/')))
        return document;
    document.source = Source::File;
    document.path = resolved;
    return document;
}

bool opensInReader(const QString& path, const KVBrowserPrefSettings& p)
{
    return p.isAllowPDFViewer && path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

QString outlineLabel(const QList<OutlineEntry>& entries, int page)
{
    QString label;
    int start = -1;
    for (const OutlineEntry& entry : entries) {
        // Equal starts: the later (deeper or following) entry is the nearer one.
        if (entry.page <= page && entry.page >= start) {
            start = entry.page;
            label = entry.title;
        }
    }
    return label;
}

namespace {

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The simplified line around the match at `at`.
QString lineAround(const QString& pageText, qsizetype at, qsizetype length)
{
    qsizetype begin = at;
    while (begin > 0 && !isLineBreak(pageText.at(begin - 1)))
        --begin;
    qsizetype end = at + length;
    while (end < pageText.size() && !isLineBreak(pageText.at(end)))
        ++end;
    return pageText.mid(begin, end - begin).simplified();
}

}  // namespace

QString matchedLine(const QString& pageText, const QString& needle, int occurrence)
{
    if (occurrence < 0)
        return {};
    return matchedLines(pageText, needle, occurrence + 1).value(occurrence);
}

QStringList matchedLines(const QString& pageText, const QString& needle, int limit)
{
    QStringList lines;
    if (needle.isEmpty())
        return lines;
    for (qsizetype at = pageText.indexOf(needle, 0, Qt::CaseInsensitive); at >= 0 && lines.size() < limit;
         at = pageText.indexOf(needle, at + 1, Qt::CaseInsensitive))
        lines << lineAround(pageText, at, needle.size());
    return lines;
}

QList<ShareAction> shareActions(const KVBrowserPrefSettings& p)
{
    QList<ShareAction> actions;
    if (p.isAllowPrintInPDFViewer)
        actions << ShareAction::Print;
    return actions;
}

qreal pageOverflow(const QSizeF& pagePoints, const QRectF& area)
{
    if (pagePoints.isEmpty() || area.isEmpty())
        return 0;
    return std::max(0.0, pagePoints.height() * area.width() / pagePoints.width() - area.height());
}

QRectF fittedPage(const QSizeF& pagePoints, const QRectF& area, qreal scroll)
{
    if (pagePoints.isEmpty() || area.isEmpty())
        return {};
    const QSizeF size(area.width(), pagePoints.height() * area.width() / pagePoints.width());
    const qreal overflow = pageOverflow(pagePoints, area);
    const qreal top = overflow > 0 ? area.top() - std::clamp(scroll, 0.0, overflow) : area.top() + (area.height() - size.height()) / 2;
    return QRectF(QPointF(area.left(), top), size);
}

}  // namespace ReaderRules

}  // namespace korvel

#pragma once

#include <QList>
#include <QRectF>
#include <QStringList>
#include <QString>
#include <QUrl>

namespace korvel {

struct KVBrowserPrefSettings;

// What the document reader decides without a screen: where a document comes from, which outline
// entry a page belongs to, and what the person may do with it.
namespace ReaderRules {

enum class Source { File, Web, Refused };

struct Document {
    Source source = Source::Refused;
    QString path;  // File: the resolved file in Documents
    QUrl url;      // Web: the address fetched through the engine
};

// Where the reader takes `pdfFileUrl` from. A file address is re-rooted in `documentsDirectory`
// (only its last component counts) and resolved, symbolic links included: a file that leads
// outside that directory, or is not a regular file, is Refused. http and https addresses are Web;
// every other scheme is Refused.
Document locate(const QUrl& pdfFileUrl, const QString& documentsDirectory);

// Whether a file of the documents directory opens in the reader: PDF files, while the
// administrator allows the reader.
bool opensInReader(const QString& path, const KVBrowserPrefSettings& p);

struct OutlineEntry {
    QString title;
    int page = 0;  // zero-based
};

// The label of the outline entry that contains `page`: of the entries in document order (a parent
// before its children), the last one starting at or before `page`. Empty when none does.
QString outlineLabel(const QList<OutlineEntry>& entries, int page);

// The line of `pageText` that holds the `occurrence`-th (from 0) match of `needle` on the page,
// ignoring case, with its white space simplified; empty when the page has no such match.
QString matchedLine(const QString& pageText, const QString& needle, int occurrence);

// The lines of every match of `needle` on the page, in order, as matchedLine() gives each; at most
// `limit` of them (a page of one letter repeated searched for that letter stays a short list).
QStringList matchedLines(const QString& pageText, const QString& needle, int limit);

// Where a page of `pagePoints` is drawn in `area` (the view less the bars over it): as wide as the
// area, its top at the area's top, moved up by `scroll` (clamped to the part below the area). A page
// shorter than the area is centred in it. Empty for an empty page or area.
QRectF fittedPage(const QSizeF& pagePoints, const QRectF& area, qreal scroll);
// How far a page fitted to `area`'s width scrolls: the part of it below the area, 0 when it fits.
qreal pageOverflow(const QSizeF& pagePoints, const QRectF& area);

// The actions of the reader's share sheet, in order.
enum class ShareAction { Print };
QList<ShareAction> shareActions(const KVBrowserPrefSettings& p);

}  // namespace ReaderRules

}  // namespace korvel

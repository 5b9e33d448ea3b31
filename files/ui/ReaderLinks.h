#pragma once

#include <QList>
#include <QRectF>
#include <QUrl>

class QPdfDocument;

namespace korvel {

// A link on a page: where it sits, in page points from the top left, and where it leads (an
// address, or a page of the same document).
struct ReaderLink {
    QRectF rect;
    QUrl url;
    int page = -1;
};

namespace ReaderLinks {
// The links of `page`; empty when there are none or the links cannot be read with this Qt.
QList<ReaderLink> onPage(QPdfDocument* document, int page);
}  // namespace ReaderLinks

}  // namespace korvel

#pragma once

#include "files/PdfRenderProtocol.h"

class QPdfDocument;

namespace korvel::PdfLinks {
// The links of `page`; empty when there are none or the links cannot be read with this Qt.
QList<ReaderLink> onPage(QPdfDocument* document, int page);
}  // namespace korvel::PdfLinks

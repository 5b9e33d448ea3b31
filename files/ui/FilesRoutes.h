#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace korvel {

class KVReaderVC;

// The ways out of the file screens to screens they cannot know (the browser's), installed by the
// shell at launch. A way left empty does nothing.
struct FilesRoutes {
    // Whether a file opens in the reader; with `openNow` it is also opened.
    std::function<bool(const QString& path, bool openNow)> openInReader;
    // A link tapped in a document.
    std::function<void(const QUrl& url, KVReaderVC* reader)> followLink;

    static const FilesRoutes& current();
    static void install(FilesRoutes routes);
};

}  // namespace korvel

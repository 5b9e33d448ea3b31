#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace korvel {

// What one fetch of the automatic import brought: the document's text, or nothing, and the log
// lines it wants written. Fetches run on a worker thread; the lines are written, in order, by the
// main thread that applies the result.
struct AutoImportFetch {
    struct LogLine {
        QString category;
        QString message;
    };
    std::optional<QString> text;
    QList<LogLine> lines;

    void log(const QString& category, const QString& message) { lines.append({category, message}); }

    // The file of Documents named `relativeName`, read as a property list and written again as
    // XML, so that a file that only differs in layout or key order reads as the same text. Nothing
    // for a file that was not placed by the administrator nor uploaded with the access code.
    static AutoImportFetch importFile(const QString& documentsDirectory, const QString& relativeName);
    // A GET of `text`; any status but 404 gives the body. Bodies beyond `bodyLimit` bytes give nothing.
    static AutoImportFetch importURL(const QString& text);

    static constexpr qint64 bodyLimit = qint64(64) * 1024 * 1024;
};

}  // namespace korvel

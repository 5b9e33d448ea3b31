#include "browser/PageFiles.h"

#include "platform/Paths.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace korvel {

bool PageFiles::accepts(const QString& name, const QStringList& accepted)
{
    if (accepted.isEmpty())
        return true;
    const QString lower = name.toLower();
    const QMimeType type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    for (QString entry : accepted) {
        entry = entry.trimmed().toLower();
        if (entry.isEmpty())
            continue;
        if (entry.startsWith(QLatin1Char('.'))) {
            if (lower.endsWith(entry) && lower.size() > entry.size())
                return true;
        } else if (entry == QLatin1String("*/*") || entry == QLatin1String("*")) {
            return true;
        } else if (entry.endsWith(QLatin1String("/*"))) {
            if (type.name().startsWith(entry.chopped(1)))
                return true;
        } else if (type.inherits(entry)) {
            return true;
        }
    }
    return false;
}

QStringList PageFiles::forPage(const QStringList& chosen, const QString& documents, const PageFileRequest& request)
{
    QStringList files;
    for (const QString& path : chosen) {
        const std::optional<QString> inside = Paths::resolvedInside(documents, path);
        if (!inside || !QFileInfo(*inside).isFile() || !accepts(QFileInfo(*inside).fileName(), request.accepted)
            || (request.withheld && request.withheld(*inside)))
            continue;
        files.append(*inside);
        if (request.selection == FileSelection::Single)
            break;
    }
    return files;
}

}  // namespace korvel

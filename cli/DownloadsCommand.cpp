#include "cli/DownloadsCommand.h"

#include "cli/CommandText.h"
#include "settings/KVSettings.h"

#include <QJsonObject>
#include <QTextStream>

namespace korvel {

int runDownloadsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments == QStringList{QStringLiteral("list")}) {
        for (const DownloadHistoryParam& entry : KVSettings::getSettingsObject().arrDownloadHistory) {
            // An entry without a time is a download still in progress.
            out << "id=" << entry.historyId << " name=" << CommandText::quoted(entry.fileName) << " time="
                << (entry.downloadTime.isEmpty() ? QStringLiteral("downloading") : entry.downloadTime) << " size=" << entry.fileSize
                << " path=" << entry.filePath << '\n';
        }
        return ExitStatus::Done;
    }
    if (arguments == QStringList{QStringLiteral("clear")})
        return CommandText::perform({QStringLiteral("downloads.clear"), {}}, out, err);
    err << "korvelctl: usage: downloads list | downloads clear; see korvelctl --help\n";
    return ExitStatus::Refused;
}

}  // namespace korvel

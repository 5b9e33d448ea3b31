#include "files/ui/FileSheet.h"

#include "files/DownloadFiles.h"
#include "files/ui/FilesRoutes.h"
#include "transfer/ImportExport.h"
#include "transfer/UploadServerControl.h"

#include <QFileInfo>

namespace korvel {

namespace {

QString described(const QString& path)
{
    //% "%1, saved in Documents."
    QString text = qtTrId("TEXT_FILE_SAVED_IN_DOCUMENTS").arg(DownloadFiles::getFileSize(path));
    if (const UploadServerControl* server = ImportExport::serverControl()) {
        if (const std::optional<QUrl> address = server->documentAddress(QFileInfo(path).fileName())) {
            //% "On this network it can be fetched from %1"
            text += QLatin1Char('\n') + qtTrId("TEXT_FETCH_FROM").arg(address->toString(QUrl::FullyEncoded));
        }
    }
    return text;
}

}  // namespace

ActionSheet* FileSheet::make(const QString& path)
{
    auto* sheet = new ActionSheet(QFileInfo(path).fileName(), described(path));
    sheet->setObjectName(QStringLiteral("fileSheet"));
    const auto opens = [](const QString& file, bool openNow) {
        const auto& open = FilesRoutes::current().openInReader;
        return open && open(file, openNow);
    };
    if (opens(path, false)) {
        //% "Open"
        sheet->addButton(qtTrId("TEXT_OPEN"), Alert::Role::Default, [path, opens](Alert&) { opens(path, true); });
    }
    //% "Close"
    sheet->addButton(qtTrId("TEXT_CLOSE"), Alert::Role::Cancel);
    return sheet;
}

void FileSheet::showFile(const QString& path, QWidget* viewObj)
{
    if (!QFileInfo(path).isFile())
        return;
    FileSheet::make(path)->showOver(viewObj);
}

}  // namespace korvel

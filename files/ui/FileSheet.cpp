#include "files/ui/FileSheet.h"

#include "files/DownloadFiles.h"
#include "transfer/ImportExport.h"
#include "transfer/UploadServerControl.h"

#include <QFileInfo>

namespace korvel {

namespace {

FileSheet::Opener& opener()
{
    static FileSheet::Opener installed;
    return installed;
}

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
    if (opener() && opener()(path, false)) {
        //% "Open"
        sheet->addButton(qtTrId("TEXT_OPEN"), Alert::Role::Default, [path](Alert&) {
            if (opener())
                opener()(path, true);
        });
    }
    //% "Close"
    sheet->addButton(qtTrId("TEXT_CLOSE"), Alert::Role::Cancel);
    return sheet;
}

void FileSheet::setOpener(Opener opener_)
{
    opener() = std::move(opener_);
}

void FileSheet::showFile(const QString& path, QWidget* viewObj)
{
    if (!QFileInfo(path).isFile())
        return;
    FileSheet::make(path)->showOver(viewObj);
}

}  // namespace korvel

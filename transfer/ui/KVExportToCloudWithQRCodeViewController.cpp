#include "transfer/ui/KVExportToCloudWithQRCodeViewController.h"

#include "log/KVLog.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "transfer/ImportExport.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Toast.h"
#include "transfer/CloudQrCode.h"
#include "transfer/CloudTransfer.h"
#include "transfer/ui/CloudExchange.h"
#include "transfer/ui/KVImportExportViewController.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QBuffer>
#include <QVBoxLayout>

namespace korvel {

KVExportToCloudWithQRCodeViewController::KVExportToCloudWithQRCodeViewController(const QString& cloudID, Opening opening, QWidget* parent)
    : Screen(parent)
    , m_cloudID(cloudID)
    , m_opening(opening)
    , m_code(CloudQrCode::image(cloudID))
    , m_exchange(new CloudExchange(this))
{
    //% "Cloud ID QR Code"
    setTitle(qtTrId("TITLE_CLOUD_ID_QR_CODE"));
}

void KVExportToCloudWithQRCodeViewController::viewDidLoad()
{
    //% "Scan this QRCode for Cloud ID: %1"
    auto* caption = new QLabel(qtTrId("QR_SCAN_FOR_CLOUD_ID").arg(m_cloudID), this);
    caption->setFont(Theme::bodyFont());
    caption->setAlignment(Qt::AlignCenter);
    caption->setWordWrap(true);
    // The ID came from the network: shown as the text it is, never read as markup.
    caption->setTextFormat(Qt::PlainText);
    caption->setTextInteractionFlags(Qt::NoTextInteraction);
    auto* picture = new QLabel(this);
    picture->setAlignment(Qt::AlignCenter);
    // Shown at its own size: every module a whole number of pixels, as a camera reads it best.
    picture->setPixmap(QPixmap::fromImage(m_code));
    picture->setMinimumSize(1, 1);
    //% "Save"
    auto* save = new QPushButton(qtTrId("QR_SAVE"), this);
    //% "Share"
    auto* share = new QPushButton(qtTrId("QR_SHARE"), this);
    for (QPushButton* button : {save, share}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(160);
    }
    save->setProperty("role", QStringLiteral("primary"));
    connect(save, &QPushButton::clicked, this, [this] {
        if (!this->save().isEmpty())
            //% "Successfully saved photo"
            makeToast(this, qtTrId("QR_SAVED"), {std::chrono::seconds(1), ToastPosition::Bottom});
    });
    connect(share, &QPushButton::clicked, this, &KVExportToCloudWithQRCodeViewController::share);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addSpacing(Theme::margin);
    buttons->addWidget(share);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Theme::margin, Theme::margin, Theme::margin, 2 * Theme::margin);
    layout->setSpacing(Theme::margin);
    layout->addWidget(caption);
    layout->addWidget(picture, 1);
    layout->addLayout(buttons);
}

void KVExportToCloudWithQRCodeViewController::viewDidAppear(bool)
{
    // The new ID holds the settings of the moment it was issued; they are stored once more, as
    // the QR code's screen reports it.
    if (m_opening != Opening::AfterNewID || std::exchange(m_exportStarted, true))
        return;
    //% "Exporting.."
    KVCloudRequest* request = m_exchange->start(qtTrId("CLOUD_EXPORTING"));
    KVLog(QStringLiteral("Export"), QStringLiteral("Settings Export to Cloud started"));
    QPointer<KVExportToCloudWithQRCodeViewController> self(this);
    request->exportCallback = [self](const QString& message, bool success) {
        if (self)
            self->exported(message, success);
    };
    request->exportToID(m_cloudID, true);
}

void KVExportToCloudWithQRCodeViewController::exported(const QString& message, bool success)
{
    m_exchange->finish();
    const CloudTransfer::Outcome outcome = CloudTransfer::exportedToID(m_cloudID, message, success);
    m_exchange->showMessage(outcome.title, outcome.message);
}

QString KVExportToCloudWithQRCodeViewController::save()
{
    // The ID is data: only its letters, digits, "-" and "_" make the file's name.
    QString name;
    for (const QChar c : m_cloudID) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            name += c;
    }
    const QString path = Paths::documentsDirectory() + QStringLiteral("/CloudID_") + name.left(100) + QStringLiteral(".png");
    QByteArray png;
    QBuffer buffer(&png);
    QString error;
    if (!buffer.open(QIODevice::WriteOnly) || !m_code.save(&buffer, "PNG"))
        error = QStringLiteral("the picture could not be made");
    else if (AtomicFile::writeFile(path, png, &error))
        ImportExport::recordOrigin(path, DocumentOrigins::administrator(), QStringLiteral("Export"));
    if (!error.isEmpty()) {
        KVLog(QStringLiteral("Export"), QStringLiteral("QR code not saved: %@"), error);
        //% "The QR code could not be saved: %1"
        makeToast(this, qtTrId("TEXT_QR_NOT_SAVED").arg(error));
        return {};
    }
    return path;
}

void KVExportToCloudWithQRCodeViewController::share()
{
    const QString path = save();
    if (!path.isEmpty())
        m_exchange->show(KVImportExportViewController::shareSheet(path));
}

}  // namespace korvel

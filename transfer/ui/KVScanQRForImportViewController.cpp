#include "transfer/ui/KVScanQRForImportViewController.h"

#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Toast.h"
#include "transfer/CloudQrCode.h"

#include <QCamera>
#include <QCameraDevice>
#include <QLabel>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QPushButton>
#include <QThreadPool>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>

#include "transfer/ui/TransferRoutes.h"

namespace korvel {

KVScanQRForImportViewController::KVScanQRForImportViewController(QWidget* parent)
    : Screen(parent)
{
    //% "Scan QR Code"
    setTitle(qtTrId("TITLE_SCAN_QR"));
}

KVScanQRForImportViewController::~KVScanQRForImportViewController()
{
    stopCamera();
}

void KVScanQRForImportViewController::viewDidLoad()
{
    KVLog(QStringLiteral("App General"), QStringLiteral("Scan QR Code screen loaded"));
    m_preview = new QLabel(this);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_hint = new QLabel(this);
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setWordWrap(true);
    m_hint->setFont(Theme::bodyFont());
    //% "Choose a picture from Documents"
    m_choose = new QPushButton(qtTrId("BTN_CHOOSE_QR_PICTURE"), this);
    m_choose->setProperty("role", QStringLiteral("primary"));
    m_choose->setFocusPolicy(Qt::NoFocus);
    connect(m_choose, &QPushButton::clicked, this, &KVScanQRForImportViewController::choosePicture);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Theme::margin, Theme::margin, Theme::margin, 2 * Theme::margin);
    layout->setSpacing(Theme::margin);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_hint);
    layout->addWidget(m_choose, 0, Qt::AlignHCenter);

    const QList<QCameraDevice> cameras = QMediaDevices::videoInputs();
    if (cameras.isEmpty()) {
        //% "This device has no camera. Choose a picture of the QR code from the Documents folder."
        m_hint->setText(qtTrId("TEXT_NO_CAMERA_CHOOSE_PICTURE"));
        m_preview->hide();
        return;
    }
    //% "Hold the QR code in front of the camera."
    m_hint->setText(qtTrId("TEXT_HOLD_QR_TO_CAMERA"));
    m_camera = new QCamera(QMediaDevices::defaultVideoInput(), this);
    m_session = new QMediaCaptureSession(this);
    m_sink = new QVideoSink(this);
    m_session->setCamera(m_camera);
    m_session->setVideoSink(m_sink);
    connect(m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        const QImage image = frame.toImage();
        if (image.isNull())
            return;
        m_preview->setPixmap(QPixmap::fromImage(image).scaled(m_preview->size(), Qt::KeepAspectRatio, Qt::FastTransformation));
        takeFrame(image);
    });
    connect(m_camera, &QCamera::errorOccurred, this, [this](QCamera::Error, const QString& reason) {
        // A camera the kiosk may not open (its device node's permissions) reads as access denied.
        KVLog(QStringLiteral("App General"), QStringLiteral("Camera failed: %@"), reason);
        //% "Korvel may not use the camera, so QR codes cannot be scanned."
        makeToast(this, qtTrId("CAMERA_ACCESS_DENIED_ERROR_MESSAGE"));
        stopCamera();
        m_preview->hide();
    });
    m_camera->start();
}

void KVScanQRForImportViewController::viewDidDisappear(bool)
{
    stopCamera();
}

void KVScanQRForImportViewController::stopCamera()
{
    if (m_camera)
        m_camera->stop();
}

void KVScanQRForImportViewController::takeFrame(const QImage& frame)
{
    if (m_decoding || m_done)
        return;
    m_decoding = true;
    QPointer<KVScanQRForImportViewController> self(this);
    // A frame at most every decode: the preview stays fluid while the worker reads.
    QThreadPool::globalInstance()->start([self, frame] {
        std::optional<QString> text = CloudQrCode::read(frame);
        QMetaObject::invokeMethod(
            self.data(), [self, text] {
                if (self)
                    self->decoded(text, false);
            },
            Qt::QueuedConnection);
    });
}

void KVScanQRForImportViewController::choosePicture()
{
    const auto& chooser = TransferRoutes::current().pickPicture;
    if (!chooser)
        return;
    QPointer<KVScanQRForImportViewController> self(this);
    chooser(this, [self](const QString& path) {
        if (self)
            self->readPicture(path);
    });
}

void KVScanQRForImportViewController::readPicture(const QString& path)
{
    decoded(CloudQrCode::read(QImage(path)), true);
}

void KVScanQRForImportViewController::decoded(const std::optional<QString>& text, bool fromPicture)
{
    if (!fromPicture)
        m_decoding = false;
    if (m_done)
        return;
    if (!text) {
        // Camera frames without a code are the normal case; a chosen picture without one is said.
        if (fromPicture) {
            //% "There is no QR code in this picture."
            makeToast(this, qtTrId("TEXT_NO_QR_IN_PICTURE"));
        }
        return;
    }
    if (!CloudQrCode::isPlausibleId(*text)) {
        //% "Invalid ID"
        makeToast(this, qtTrId("QR_INVALID_ID"));
        return;
    }
    finish(*text);
}

void KVScanQRForImportViewController::finish(const QString& id)
{
    m_done = true;
    stopCamera();
    KVLog(QStringLiteral("App General"), QStringLiteral("QR Code scanned for Cloud ID"));
    auto scanned = std::move(m_scanned);
    if (NavigationStack* stack = navigationStack())
        stack->pop(NavigationStack::Animation::None);
    if (scanned)
        scanned(id);
}

}  // namespace korvel

#pragma once

#include "platform/ui/Screen.h"

#include <QImage>
#include <QPointer>

#include <functional>
#include <memory>

class QCamera;
class QLabel;
class QMediaCaptureSession;
class QPushButton;
class QVideoFrame;
class QVideoSink;

namespace korvel {

// Reads a cloud ID from a QR code: frames of the device's camera, decoded on a worker thread, or,
// on a device without a camera, a picture of the Documents folder chosen with the file picker. The
// first plausible ID found closes the screen and goes to whoever opened it.
class KVScanQRForImportViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVScanQRForImportViewController(QWidget* parent = nullptr);
    ~KVScanQRForImportViewController() override;

    // Told the ID once, after the screen has gone.
    void setScanned(std::function<void(const QString& id)> scanned) { m_scanned = std::move(scanned); }

    bool hasCamera() const { return m_camera != nullptr; }
    // Reads the picture at `path`; a plausible ID ends the screen, anything else is said in a toast.
    void readPicture(const QString& path);
    // One camera frame; decoded unless a frame is still being decoded.
    void takeFrame(const QImage& frame);

    void viewDidLoad() override;
    void viewDidDisappear(bool animated) override;

private:
    void choosePicture();
    void decoded(const std::optional<QString>& text, bool fromPicture);
    void finish(const QString& id);
    void stopCamera();

    QLabel* m_preview = nullptr;
    QLabel* m_hint = nullptr;
    QPushButton* m_choose = nullptr;
    QCamera* m_camera = nullptr;
    QMediaCaptureSession* m_session = nullptr;
    QVideoSink* m_sink = nullptr;
    bool m_decoding = false;
    bool m_done = false;
    std::function<void(const QString&)> m_scanned;
};

}  // namespace korvel

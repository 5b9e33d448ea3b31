#include "admin/ui/UploadServerAddressScreen.h"

#include "platform/DeviceCertificate.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Theme.h"
#include "settings/KVSettings.h"
#include "transfer/CloudQrCode.h"
#include "transfer/ImportExport.h"
#include "transfer/UploadServerControl.h"

#include <QFontDatabase>
#include <QScrollArea>
#include <QScroller>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace korvel {

namespace {

// A QR code drawn at the largest whole number of pixels per module that fits, so that a camera
// reads sharp edges at any screen size.
class QrCodeView final : public QWidget {
public:
    QrCodeView(const QImage& code, QWidget* parent)
        : QWidget(parent)
        , m_code(code)
        // CloudQrCode draws every module ten pixels wide.
        , m_modules(code.width() / 10)
    {
        setMinimumSize(m_modules * 4, m_modules * 4);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_modules <= 0)
            return;
        // Up to 14 pixels a module: large enough for a phone held at arm's length.
        const int module = std::max(1, std::min({width(), height(), m_modules * 14}) / m_modules);
        const int side = module * m_modules;
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        // At the top, beside the address it stands for.
        painter.drawImage(QRect((width() - side) / 2, 0, side, side), m_code);
    }

private:
    QImage m_code;
    int m_modules = 0;
};

QLabel* label(const QString& text, const QFont& font, QWidget* parent)
{
    auto* shown = new QLabel(text, parent);
    shown->setFont(font);
    shown->setWordWrap(true);
    shown->setTextInteractionFlags(Qt::NoTextInteraction);
    return shown;
}

// "AB:CD:..." in lines of eight bytes, as a person compares it group by group.
QString inLines(const QString& fingerprint)
{
    QStringList lines;
    for (qsizetype at = 0; at < fingerprint.size(); at += 24)
        lines.append(fingerprint.mid(at, 23));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

UploadServerAddressScreen::UploadServerAddressScreen(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("uploadServerAddress"));
    //% "Upload Server on a Phone"
    setTitle(qtTrId("TITLE_UPLOAD_SERVER_ON_A_PHONE"));
}

void UploadServerAddressScreen::viewDidLoad()
{
    m_tls = KVSettings::getSettingsObject().kvBrowPref.uploadServerTLS;
    const UploadServerControl* server = ImportExport::serverControl();
    if (std::optional<QUrl> url = server && server->isServerRunning() ? server->documentAddress(QString()) : std::nullopt) {
        url->setPath(QStringLiteral("/"));
        m_address = url->toString();
    }
    if (m_tls) {
        const std::optional<DeviceCertificate::Identity> identity = DeviceCertificate::loadOrCreate(&m_certificateError);
        if (identity)
            m_fingerprint = identity->fingerprint;
    }

    auto* texts = new QVBoxLayout;
    texts->setSpacing(Theme::spacing);
    if (m_address.isEmpty()) {
        //% "The upload server is not running, or this device has no address on the network."
        texts->addWidget(label(qtTrId("TEXT_UPLOAD_SERVER_NO_ADDRESS"), Theme::bodyFont(), this));
    } else {
        // An address cannot wrap: it stays at the large title's own size, large enough to read
        // whatever the text size, so it fits the narrow half of a small panel.
        QFont large = Theme::largeTitleFont();
        large.setPointSize(Theme::largeTitlePointSize);
        auto* address = label(m_address, large, this);
        address->setObjectName(QStringLiteral("address"));
        texts->addWidget(address);
        //% "Scan the code with a phone's camera to open the upload page."
        texts->addWidget(label(qtTrId("TEXT_UPLOAD_SERVER_SCAN"), Theme::bodyFont(), this));
    }
    texts->addSpacing(Theme::margin);
    if (!m_tls) {
        //% "The page and the access code travel unencrypted. Turn on Use HTTPS to protect them on the network."
        texts->addWidget(label(qtTrId("TEXT_UPLOAD_SERVER_PLAIN"), Theme::detailFont(), this));
    } else if (m_fingerprint.isEmpty()) {
        //% "The device's certificate cannot be had: %1"
        texts->addWidget(label(qtTrId("TEXT_CERTIFICATE_MISSING").arg(m_certificateError), Theme::detailFont(), this));
    } else {
        //% "Certificate fingerprint (SHA-256)"
        texts->addWidget(label(qtTrId("TEXT_CERTIFICATE_FINGERPRINT"), Theme::headerFont(), this));
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSize(Theme::bodyPointSize);
        auto* fingerprint = label(inLines(m_fingerprint), fixed, this);
        fingerprint->setObjectName(QStringLiteral("fingerprint"));
        fingerprint->setWordWrap(false);
        texts->addWidget(fingerprint);
        //% "The phone's browser warns about this device's own certificate. Go on only when the SHA-256 fingerprint it shows for it is this one."
        texts->addWidget(label(qtTrId("TEXT_CERTIFICATE_CHECK"), Theme::detailFont(), this));
    }
    texts->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Theme::margin, Theme::margin, Theme::margin, Theme::margin);
    layout->setSpacing(2 * Theme::margin);
    if (!m_address.isEmpty())
        layout->addWidget(new QrCodeView(CloudQrCode::image(m_address), this), 1);
    // The texts scroll where they are taller than the screen (larger text on a small panel).
    auto* column = new QWidget;
    column->setLayout(texts);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(column);
    scroll->viewport()->setAutoFillBackground(false);
    column->setAutoFillBackground(false);
    QScroller::grabGesture(scroll->viewport(), QScroller::LeftMouseButtonGesture);
    layout->addWidget(scroll, 1);
}

void UploadServerAddressScreen::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
}

}  // namespace korvel

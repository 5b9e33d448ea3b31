#include "transfer/CloudQrCode.h"

#include <QPainter>

#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <qrencode.h>

#include <memory>

namespace korvel::CloudQrCode {

namespace {

constexpr int scale = 10;
constexpr int quietModules = 4;
constexpr int longestId = 200;

}  // namespace

QImage image(const QString& id)
{
    const QByteArray bytes = id.toUtf8();
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(int(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.constData()), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code)
        return {};
    const int modules = code->width + 2 * quietModules;
    QImage symbol(modules, modules, QImage::Format_Grayscale8);
    symbol.fill(255);
    for (int y = 0; y < code->width; ++y) {
        uchar* line = symbol.scanLine(y + quietModules);
        for (int x = 0; x < code->width; ++x) {
            // The lowest bit of each libqrencode cell says dark.
            if (code->data[y * code->width + x] & 1)
                line[x + quietModules] = 0;
        }
    }
    // Nearest neighbour: smoothing would blur the module edges a scanner reads.
    return symbol.scaled(modules * scale, modules * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

std::optional<QString> read(const QImage& picture)
{
    if (picture.isNull())
        return std::nullopt;
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    const ZXing::Result result =
        ZXing::ReadBarcode(ZXing::ImageView(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum, int(grey.bytesPerLine())), hints);
    if (!result.isValid())
        return std::nullopt;
    const ZXing::ByteArray& bytes = result.bytes();
    return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

bool isPlausibleId(const QString& text)
{
    if (text.isEmpty() || text.size() > longestId)
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    }
    return true;
}

}  // namespace korvel::CloudQrCode

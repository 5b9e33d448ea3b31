#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace korvel::CloudQrCode {

// The QR code of a cloud ID: its UTF-8 bytes at error-correction level M, every module ten pixels
// wide with hard edges, inside the quiet zone of four modules that scanners need to find it.
QImage image(const QString& id);

// The text of the first QR code in `picture`, or nothing when it holds none.
std::optional<QString> read(const QImage& picture);

// Whether a scanned text can be a cloud ID: not empty, at most 200 characters, no control
// characters. A code on a poster can say anything.
bool isPlausibleId(const QString& text);

}  // namespace korvel::CloudQrCode

#pragma once

#include "platform/MailClient.h"

#include <QByteArray>
#include <QStringList>

namespace korvel {

class Device;

// The log as a mailed attachment: a header naming the device and the version, then the lines
// the viewer shows.
class LogMail {
public:
    // The managed configuration's key for where mailed logs go.
    static constexpr const char* supportAddressKey = "SupportMail";
    // Where mailed logs go: the managed configuration's address, else the product's support.
    static QString supportAddress();
    // "KV_LOG_<vendor identifier>.txt"
    static QString attachmentName(const Device& device);
    static QByteArray attachmentText(const Device& device, const QStringList& lines);
    static MailMessage message(const Device& device, const QString& attachmentPath);
    // Writes the attachment into the documents directory, replacing an earlier one. Returns its
    // path, or an empty text when it could not be written.
    static QString writeAttachment(const Device& device, const QStringList& lines);
};

}  // namespace korvel

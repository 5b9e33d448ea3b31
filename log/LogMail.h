#pragma once

#include "platform/MailClient.h"

#include <QByteArray>
#include <QStringList>

#include <chrono>

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
    // Where the attachment is written: for the mail program, a folder of the caches that only this
    // user can open (never Documents, which the upload server shares); where no mail program
    // exists, Documents, the only way the log leaves the device then (the upload server hands
    // log copies out only with its access code).
    enum class Place { ForMail, InDocuments };
    // Writes the attachment, replacing an earlier one. Returns its path, or an empty text when it
    // could not be written.
    static QString writeAttachment(const Device& device, const QStringList& lines, Place place);
    // How long a copy handed to the mail program is kept for it to read and send.
    static constexpr std::chrono::hours keptForMail{1};
    // Removes the copies handed to the mail program (at start-up: none outlives a run by long).
    static void removeMailedCopies();
};

}  // namespace korvel

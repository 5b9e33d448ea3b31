#include "log/LogMail.h"

#include "platform/AtomicFile.h"
#include "log/KVLog.h"
#include "platform/Device.h"
#include "platform/DocumentOrigins.h"
#include "platform/FormatString.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "platform/Version.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace korvel {

namespace {

QString mailDirectory()
{
    return Paths::cachesDirectory() + QStringLiteral("/mail");
}

QString displayString()
{
    return formatString(QStringLiteral("%@, Version %@ (%@)"), QStringLiteral("Korvel"), QString::fromLatin1(version::shortVersion),
                        QString::fromLatin1(version::buildNumber));
}

}  // namespace

QString LogMail::supportAddress()
{
    // A text that is not one plain address is ignored rather than handed to the mail client.
    const QVariantMap managed = UserDefaults::standard().dictionaryForKey(QLatin1String(UserDefaults::managedKey));
    const QString configured = managed.value(QLatin1String(supportAddressKey)).toString().trimmed();
    return isPlainAddress(configured) ? configured : QString();
}

bool LogMail::isPlainAddress(const QString& text)
{
    static const QRegularExpression plainAddress(QStringLiteral("^(?!-)[^\\s\\x00-\\x1f@<>,;\"'\\\\]+@[^\\s@<>,;\"'\\\\]+\\.[^\\s@<>,;\"'\\\\]+$"));
    return text.size() <= 254 && plainAddress.match(text).hasMatch();
}

QString LogMail::attachmentName(const Device& device)
{
    return formatString(QStringLiteral("KV_LOG_%@.txt"), device.identifierForVendor());
}

QByteArray LogMail::attachmentText(const Device& device, const QStringList& lines)
{
    QString text = formatString(QStringLiteral("Korvel Log: %@  %@  %@  %@ %@ \n \n ****************************\n"), device.model(),
                                displayString(), device.identifierForVendor(), device.systemName(), device.systemVersion());
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    return text.toUtf8();
}

MailMessage LogMail::message(const Device& device, const QString& attachmentPath, const QString& recipient)
{
    return {recipient, formatString(QStringLiteral("KV_LOG: %@ %@ "), device.model(), displayString()),
            QStringLiteral("<please enter short description>"), attachmentPath};
}

QString LogMail::writeAttachment(const Device& device, const QStringList& lines, Place place)
{
    QString directory = Paths::documentsDirectory();
    switch (place) {
    case Place::ForMail:
        directory = mailDirectory();
        if (!QDir().mkpath(directory) || !QFile::setPermissions(directory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
            return {};
        break;
    case Place::InDocuments:
        break;
    }
    const QString path = directory + QLatin1Char('/') + attachmentName(device);
    if (!AtomicFile::writeFile(path, attachmentText(device, lines), nullptr, FileAccess::OwnerOnly))
        return {};
    if (place == Place::InDocuments) {
        const QString notRecorded = DocumentOrigins::recordInHome(path, DocumentOrigins::administrator());
        if (!notRecorded.isEmpty())
            KVLog(QStringLiteral("Error"), QStringLiteral("Origin of %@ not recorded: %@"), path, notRecorded);
    }
    return path;
}

void LogMail::removeMailedCopies()
{
    QDir(mailDirectory()).removeRecursively();
}

}  // namespace korvel

#include "log/LogMail.h"

#include "platform/AtomicFile.h"
#include "platform/Device.h"
#include "platform/FormatString.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "platform/Version.h"

#include <QRegularExpression>

namespace korvel {

namespace {

QString displayString()
{
    return formatString(QStringLiteral("%@, Version %@ (%@)"), QStringLiteral("Korvel"), QString::fromLatin1(version::shortVersion),
                        QString::fromLatin1(version::buildNumber));
}

}  // namespace

QString LogMail::supportAddress()
{
    // A fleet sends its logs to its own support when its managed configuration names one; a text
    // that is not one plain address is ignored rather than handed to the mail client.
    static const QRegularExpression plainAddress(QStringLiteral("^(?!-)[^\\s\\x00-\\x1f@<>,;\"'\\\\]+@[^\\s@<>,;\"'\\\\]+\\.[^\\s@<>,;\"'\\\\]+$"));
    const QVariantMap managed = UserDefaults::standard().dictionaryForKey(QLatin1String(UserDefaults::managedKey));
    const QString configured = managed.value(QLatin1String(supportAddressKey)).toString().trimmed();
    if (configured.size() <= 254 && plainAddress.match(configured).hasMatch())
        return configured;
    return QStringLiteral("support@talvex.com");
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

MailMessage LogMail::message(const Device& device, const QString& attachmentPath)
{
    return {supportAddress(), formatString(QStringLiteral("KV_LOG: %@ %@ "), device.model(), displayString()),
            QStringLiteral("<please enter short description>"), attachmentPath};
}

QString LogMail::writeAttachment(const Device& device, const QStringList& lines)
{
    const QString path = Paths::documentsDirectory() + QLatin1Char('/') + attachmentName(device);
    if (!AtomicFile::writeFile(path, attachmentText(device, lines)))
        return {};
    return path;
}

}  // namespace korvel

#include "transfer/ManagedConfiguration.h"

#include "log/KVLog.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"
#include "transfer/SettingsDocument.h"

#include <QCryptographicHash>

namespace korvel {

QString ManagedConfiguration::checksum(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

QByteArray ManagedConfiguration::preparedText(const QString& text)
{
    QString prepared = text;
    if (prepared.startsWith(QLatin1String("<![CDATA[")))
        prepared.remove(0, 9);
    if (prepared.endsWith(QLatin1String("]]>")))
        prepared.chop(3);
    prepared = prepared.trimmed();
    prepared.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    return prepared.toUtf8();
}

ManagedConfiguration::Parsed ManagedConfiguration::parse(const QString& text)
{
    const PropertyListParse parsed = PropertyList::parse(preparedText(text));
    if (!parsed.ok())
        return {std::nullopt, parsed.message};
    if (parsed.value.typeId() != QMetaType::QVariantMap)
        return {std::nullopt, QStringLiteral("the document is not a dictionary")};
    const QVariantMap document = parsed.value.toMap();
    // A list of another type would read as an empty list and wipe the device's websites.
    if (const QString unfit = Utils::settingsDocumentError(document); !unfit.isNull())
        return {std::nullopt, unfit};
    return {document, {}};
}

ManagedConfiguration::Check ManagedConfiguration::defaultsChanged(UserDefaults& defaults, KVSettings& settings)
{
    Check check;
    const QVariant managed = defaults.objectForKey(QLatin1String(UserDefaults::managedKey));
    if (managed.typeId() != QMetaType::QVariantMap)
        return check;
    const QString remembered = defaults.objectForKey(QLatin1String(checksumKey)).toString();
    check.console << QStringLiteral("Valid MDM settings detected!!");
    const QVariant settingsText = managed.toMap().value(QLatin1String(settingsKey));
    const QString text = settingsText.typeId() == QMetaType::QString ? settingsText.toString() : QString();
    const QString sum = settingsText.typeId() == QMetaType::QString ? checksum(text) : QString();
    check.console << formatString(QStringLiteral(" checksum-----%@"), sum);
    if (sum.isEmpty())
        return check;
    if (sum == remembered) {
        check.outcome = Outcome::AlreadyImported;
        return check;
    }
    check.console << QStringLiteral("Passed CHECKSUM test...about to import..");
    defaults.setObject(QLatin1String(checksumKey), sum);
    defaults.synchronize();

    const Parsed parsed = parse(text);
    if (!parsed.document) {
        check.outcome = Outcome::Refused;
        check.error = parsed.error;
        KVLog(QStringLiteral("Import"), QStringLiteral("Settings from device management not imported: %@"), parsed.error);
        return check;
    }
    if (!settings.loadSettings(*parsed.document)) {
        check.outcome = Outcome::Refused;
        check.error = QStringLiteral("the settings could not be saved");
        KVLog(QStringLiteral("Import"), QStringLiteral("Settings from device management not imported: %@"), check.error);
        return check;
    }
    check.outcome = Outcome::Imported;
    check.console << QStringLiteral("Imported Successfully");
    return check;
}

}  // namespace korvel

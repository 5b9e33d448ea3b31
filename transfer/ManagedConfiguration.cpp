#include "transfer/ManagedConfiguration.h"

#include "log/KVLog.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"
#include "transfer/ImportExport.h"
#include "transfer/DocumentSignature.h"
#include "transfer/SettingsDocument.h"
#include "transfer/SettingsHistory.h"

#include <QCryptographicHash>
#include <QRegularExpression>

namespace korvel {

namespace {

const QString importCategory = QStringLiteral("Import");

}  // namespace

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
    return prepared.trimmed().toUtf8();
}

QByteArray ManagedConfiguration::escapedAmpersands(const QByteArray& text)
{
    static const QRegularExpression bare(QStringLiteral("&(?!(?:[A-Za-z][A-Za-z0-9._-]*|#[0-9]+|#[xX][0-9A-Fa-f]+);)"));
    return QString::fromUtf8(text).replace(bare, QStringLiteral("&amp;")).toUtf8();
}

ManagedConfiguration::Parsed ManagedConfiguration::parse(const QString& text)
{
    // A Korvel export, pushed as it is, already writes "&" as "&amp;" and parses as it stands;
    // only text that does not parse gets its bare ampersands escaped (hand-written documents).
    const QByteArray prepared = preparedText(text);
    PropertyListParse parsed = PropertyList::parse(prepared);
    if (!parsed.ok()) {
        const QByteArray escaped = escapedAmpersands(prepared);
        if (escaped != prepared) {
            PropertyListParse second = PropertyList::parse(escaped);
            if (second.ok())
                parsed = std::move(second);
        }
    }
    if (!parsed.ok())
        return {std::nullopt, parsed.message};
    if (parsed.value.typeId() != QMetaType::QVariantMap)
        return {std::nullopt, QStringLiteral("the document is not a dictionary")};
    const QVariantMap document = parsed.value.toMap();
    // A list of another type would read as an empty list and wipe the device's websites.
    if (const QString unfit = SettingsDocument::settingsDocumentError(document); !unfit.isNull())
        return {std::nullopt, unfit};
    return {document, {}};
}

ManagedConfiguration::Check ManagedConfiguration::defaultsChanged(UserDefaults& defaults, Occasion occasion)
{
    Check check;
    const QVariant managed = defaults.objectForKey(QLatin1String(UserDefaults::managedKey));
    if (managed.typeId() != QMetaType::QVariantMap)
        return check;
    const QString remembered = defaults.objectForKey(QLatin1String(checksumKey)).toString();
    check.console << QStringLiteral("Valid MDM settings detected!!");
    const QVariantMap configuration = managed.toMap();
    const QVariant settingsText = configuration.value(QLatin1String(settingsKey));
    const QString text = settingsText.typeId() == QMetaType::QString ? settingsText.toString() : QString();
    const QString sum = settingsText.typeId() == QMetaType::QString ? checksum(text) : QString();
    check.console << formatString(QStringLiteral(" checksum-----%@"), sum);
    if (sum.isEmpty())
        return check;
    const DocumentSource source{DocumentSource::Kind::Managed, Paths::managedConfigurationFile()};
    if (sum == remembered) {
        check.outcome = Outcome::AlreadyImported;
        // Enforced: at every start the managed values win over what was changed on the device since.
        if (occasion == Occasion::Start && isEnforced(configuration))
            enforce(text, source, check);
        return check;
    }
    check.console << QStringLiteral("Passed CHECKSUM test...about to import..");
    defaults.setObject(QLatin1String(checksumKey), sum);
    defaults.synchronize();

    const Parsed parsed = parse(text);
    if (!parsed.document) {
        check.outcome = Outcome::Refused;
        check.error = parsed.error;
        KVLog(importCategory, QStringLiteral("Settings from device management refused (text checksum %@): %@"), sum, parsed.error);
        return check;
    }
    const QString document = DocumentSignature::fingerprint(*parsed.document);
    if (const QString refused = SettingsHistory::refusalFromOutside(document); !refused.isNull()) {
        check.outcome = Outcome::Refused;
        check.error = refused;
        KVLog(importCategory, QStringLiteral("Settings from device management refused (document %@): %@"), document, refused);
        return check;
    }
    const ImportOutcome outcome = ImportExport::replaceSettings(*parsed.document, source);
    if (!outcome) {
        check.outcome = Outcome::Refused;
        check.error = outcome.reason;
        // A refusal for the signature is logged, with the document, where it is decided.
        if (!outcome.refused)
            KVLog(importCategory, QStringLiteral("Settings from device management not imported, nothing changed (document %@): %@"), document,
                  check.error);
        return check;
    }
    check.outcome = Outcome::Imported;
    check.console << QStringLiteral("Imported Successfully");
    return check;
}

bool ManagedConfiguration::isEnforced(const QVariantMap& configuration)
{
    const QVariant enforced = configuration.value(QLatin1String(enforcedKey));
    return enforced.typeId() == QMetaType::Bool && enforced.toBool();
}

void ManagedConfiguration::enforce(const QString& text, const DocumentSource& source, Check& check)
{
    const Parsed parsed = parse(text);
    // A text refused when it arrived is refused again, silently: its refusal is in the log.
    if (!parsed.document)
        return;
    const QString document = DocumentSignature::fingerprint(*parsed.document);
    if (SettingsHistory::withdrawnAt(document))
        return;
    if (const QString damage = SettingsHistory::withdrawalsDamage(); !damage.isNull()) {
        KVLog(importCategory, QStringLiteral("Enforced settings from device management not applied (document %@): %@"), document, damage);
        return;
    }
    const ImportPreview preview = ImportExport::preview(*parsed.document, source, ImportExport::Mode::Replace);
    if (!preview.fit || preview.refused) {
        KVLog(importCategory, QStringLiteral("Enforced settings from device management refused (document %@): %@"), document, preview.problem);
        return;
    }
    if (!preview.settingsDiffer)
        return;
    const ImportOutcome outcome = ImportExport::replaceSettings(*parsed.document, source);
    if (!outcome) {
        check.error = outcome.reason;
        if (!outcome.refused)
            KVLog(importCategory, QStringLiteral("Enforced settings from device management not imported, nothing changed (document %@): %@"),
                  document, outcome.reason);
        return;
    }
    KVLog(importCategory, QStringLiteral("Settings from device management enforced over the changes made on the device (document %@)"), document);
    check.outcome = Outcome::Imported;
    check.console << QStringLiteral("Imported Successfully");
}

}  // namespace korvel

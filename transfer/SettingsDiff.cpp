#include "transfer/SettingsDiff.h"

#include "settings/KVAutoImportSettings.h"
#include "settings/KVBrowserPrefSettings.h"
#include "settings/KVSettings.h"
#include "settings/PlistValue.h"
#include "settings/allowedWebsite.h"
#include "settings/allowedWebsiteCategory.h"
#include "settings/blockedWebsite.h"

#include <QMultiMap>

namespace korvel::SettingsDiff {

namespace {

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

QString shown(const QVariant& value)
{
    if (!value.isValid())
        return QStringLiteral("(none)");
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.toString();
}

// The records of one list by their name (address or title), in the form they are compared in.
template <typename Record>
QMultiMap<QString, QVariantMap> byName(const QVariant& list, const QString& nameKey, const QStringList& ignoredKeys)
{
    QMultiMap<QString, QVariantMap> records;
    for (const QVariant& element : KVSettings::listOf(list)) {
        if (element.typeId() != QMetaType::QVariantMap)
            continue;
        QVariantMap record = Record::initWithDictionary(element.toMap()).toDictionary();
        for (const QString& ignored : ignoredKeys)
            record.remove(ignored);
        records.insert(PlistValue::stringValue(record.value(nameKey)), record);
    }
    return records;
}

template <typename Record>
void compareList(const QVariant& before, const QVariant& after, const char* what, const QString& nameKey, const QStringList& ignoredKeys,
                 QStringList& lines)
{
    const QMultiMap<QString, QVariantMap> old = byName<Record>(before, nameKey, ignoredKeys);
    const QMultiMap<QString, QVariantMap> now = byName<Record>(after, nameKey, ignoredKeys);
    const QString name = QString::fromLatin1(what);
    for (const QString& n : old.uniqueKeys()) {
        const QList<QVariantMap> was = old.values(n);
        const QList<QVariantMap> is = now.values(n);
        if (is.isEmpty())
            lines << QStringLiteral("%1 removed: %2").arg(name, n);
        else if (was.size() != is.size() || !std::is_permutation(was.cbegin(), was.cend(), is.cbegin()))
            lines << QStringLiteral("%1 changed: %2").arg(name, n);
    }
    for (const QString& n : now.uniqueKeys()) {
        if (!old.contains(n))
            lines << QStringLiteral("%1 added: %2").arg(name, n);
    }
}

KVBrowserPrefSettings preferencesOf(const QVariantMap& domain)
{
    const std::optional<QVariantMap> stored = PlistValue::dictionaryValue(domain.value(key(KVSettings::browserPreferencesKey)));
    return KVBrowserPrefSettings::initWithDictionary(stored ? std::optional<QVariantMap>(KVBrowserPrefSettings::repairedDictionary(*stored))
                                                            : std::nullopt);
}

}  // namespace

QStringList between(const QVariantMap& before, const QVariantMap& after)
{
    QStringList lines;
    for (const KVSettings::PreferenceChange& change : KVSettings::preferenceChanges(preferencesOf(before), preferencesOf(after)))
        lines << QStringLiteral("Preference %1: %2 -> %3").arg(change.key, change.before, change.after);

    const QString allowed = key(KVSettings::allowedWebsitesKey);
    compareList<allowedWebsite>(before.value(allowed), after.value(allowed), "Website", QStringLiteral("URL"),
                                {QStringLiteral("AllowedWebsiteId")}, lines);
    const QString categories = key(KVSettings::allowedWebsitesCategoryKey);
    compareList<allowedWebsiteCategory>(before.value(categories), after.value(categories), "Category", QStringLiteral("CategoryTitle"), {},
                                        lines);
    const QString blocked = key(KVSettings::blockedWebsitesKey);
    compareList<blockedWebsite>(before.value(blocked), after.value(blocked), "Blocked website", QStringLiteral("URL"), {}, lines);

    const QString history = key(KVSettings::downloadHistoryKey);
    const qsizetype downloadsBefore = KVSettings::listOf(before.value(history)).size();
    const qsizetype downloadsAfter = KVSettings::listOf(after.value(history)).size();
    if (downloadsBefore != downloadsAfter)
        lines << QStringLiteral("Download history: %1 -> %2 entries").arg(downloadsBefore).arg(downloadsAfter);

    const QString autoImport = key(KVSettings::autoImportKey);
    const QVariantMap importBefore = KVAutoImportSettings::initWithDictionary(PlistValue::dictionaryValue(before.value(autoImport))).toDictionary();
    const QVariantMap importAfter = KVAutoImportSettings::initWithDictionary(PlistValue::dictionaryValue(after.value(autoImport))).toDictionary();
    QStringList names = importBefore.keys() + importAfter.keys();
    names.removeDuplicates();
    names.sort();
    for (const QString& name : std::as_const(names)) {
        // The fingerprint of the text applied last is the automatic import's memory, not a setting.
        if (name != QLatin1String("OLD") && importBefore.value(name) != importAfter.value(name))
            lines << QStringLiteral("Automatic import %1: %2 -> %3").arg(name, shown(importBefore.value(name)), shown(importAfter.value(name)));
    }
    // A store without the flag has not arranged its icons; one without a user agent uses the default.
    const bool draggedBefore = before.value(QStringLiteral("hasDragged")).toBool();
    const bool draggedAfter = after.value(QStringLiteral("hasDragged")).toBool();
    if (draggedBefore != draggedAfter)
        lines << QStringLiteral("hasDragged: %1 -> %2").arg(shown(draggedBefore), shown(draggedAfter));
    const QString agentBefore = PlistValue::stringValue(before.value(QStringLiteral("UserAgent")));
    const QString agentAfter = PlistValue::stringValue(after.value(QStringLiteral("UserAgent")));
    if (agentBefore != agentAfter)
        lines << QStringLiteral("UserAgent: %1 -> %2")
                     .arg(agentBefore.isEmpty() ? QStringLiteral("(the default)") : agentBefore,
                          agentAfter.isEmpty() ? QStringLiteral("(the default)") : agentAfter);
    return lines;
}

}  // namespace korvel::SettingsDiff

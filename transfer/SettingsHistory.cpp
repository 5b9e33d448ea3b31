#include "transfer/SettingsHistory.h"

#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace korvel {

namespace {

const QString timeKey = QStringLiteral("Time");
const QString sourceKey = QStringLiteral("Source");
const QString fingerprintKey = QStringLiteral("Fingerprint");
const QString documentKey = QStringLiteral("Document");
const QString settingsKey = QStringLiteral("Settings");
const QString passwordKey = QStringLiteral("PasswordHash");
const QString withdrawnFile = QStringLiteral("withdrawn.plist");
constexpr int withdrawalsKept = 100;

QString directory()
{
    return Paths::settingsHistoryDirectory();
}

// The entries' sequence numbers, ascending.
QList<qint64> sequences()
{
    QList<qint64> found;
    for (const QString& name : QDir(directory()).entryList({QStringLiteral("*.plist")}, QDir::Files)) {
        bool number = false;
        const qint64 sequence = name.chopped(6).toLongLong(&number);
        if (number && sequence > 0)
            found.append(sequence);
    }
    std::sort(found.begin(), found.end());
    return found;
}

QString fileOf(qint64 sequence)
{
    return directory() + QStringLiteral("/%1.plist").arg(sequence, 6, 10, QLatin1Char('0'));
}

std::optional<SettingsHistoryEntry> read(qint64 sequence, QStringList* problems)
{
    const PropertyListParse parsed = PropertyList::readFile(fileOf(sequence));
    std::optional<SettingsHistoryEntry> entry;
    if (parsed.ok() && parsed.value.typeId() == QMetaType::QVariantMap)
        entry = SettingsHistoryEntry::initWithDictionary(parsed.value.toMap(), sequence);
    if (!entry && problems)
        problems->append(fileOf(sequence) + QStringLiteral(": not a settings history entry"));
    return entry;
}

QString withdrawalsPath()
{
    return directory() + QLatin1Char('/') + withdrawnFile;
}

// The withdrawals; nullopt when the file exists but is not a list of them. A damaged file must
// not read as "nothing withdrawn".
std::optional<QVariantList> withdrawals()
{
    const QString path = withdrawalsPath();
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return QVariantList{};
    const PropertyListParse parsed = PropertyList::readFile(path);
    if (!parsed.ok() || parsed.value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    const QVariantList list = parsed.value.toList();
    for (const QVariant& element : list) {
        const QVariantMap w = element.toMap();
        if (element.typeId() != QMetaType::QVariantMap || w.value(documentKey).typeId() != QMetaType::QString
            || w.value(timeKey).typeId() != QMetaType::QDateTime)
            return std::nullopt;
    }
    return list;
}

}  // namespace

QVariantMap SettingsHistoryEntry::toDictionary() const
{
    QVariantMap d{{timeKey, time}, {sourceKey, source}, {fingerprintKey, fingerprint}, {documentKey, document}, {settingsKey, settings}};
    if (!passwordHash.isNull())
        d.insert(passwordKey, passwordHash);
    return d;
}

std::optional<SettingsHistoryEntry> SettingsHistoryEntry::initWithDictionary(const QVariantMap& d, qint64 sequence)
{
    if (d.value(timeKey).typeId() != QMetaType::QDateTime || d.value(settingsKey).typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    SettingsHistoryEntry entry;
    entry.sequence = sequence;
    entry.time = d.value(timeKey).toDateTime();
    entry.source = d.value(sourceKey).toString();
    entry.fingerprint = d.value(fingerprintKey).toString();
    entry.document = d.value(documentKey).toString();
    entry.settings = d.value(settingsKey).toMap();
    if (d.value(passwordKey).typeId() == QMetaType::QString)
        entry.passwordHash = d.value(passwordKey).toString();
    return entry;
}

namespace SettingsHistory {

QList<SettingsHistoryEntry> entries(QStringList* problems)
{
    QList<SettingsHistoryEntry> list;
    QList<qint64> found = sequences();
    std::reverse(found.begin(), found.end());
    for (const qint64 sequence : std::as_const(found)) {
        if (std::optional<SettingsHistoryEntry> entry = read(sequence, problems))
            list.append(std::move(*entry));
    }
    return list;
}

std::optional<SettingsHistoryEntry> newest()
{
    QList<qint64> found = sequences();
    while (!found.isEmpty()) {
        if (std::optional<SettingsHistoryEntry> entry = read(found.takeLast(), nullptr))
            return entry;
    }
    return std::nullopt;
}

qint64 nextSequence()
{
    const QList<qint64> found = sequences();
    return found.isEmpty() ? 1 : found.last() + 1;
}

std::unique_ptr<AtomicFile> stage(const SettingsHistoryEntry& entry, QString* error)
{
    if (!QDir().mkpath(directory())) {
        *error = directory() + QStringLiteral(": the folder could not be made");
        return nullptr;
    }
    QFile::setPermissions(directory(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return PropertyList::stageFile(fileOf(entry.sequence), entry.toDictionary(), error, FileAccess::OwnerOnly);
}

bool prune()
{
    QList<qint64> found = sequences();
    bool removed = true;
    while (found.size() > kept)
        removed = QFile::remove(fileOf(found.takeFirst())) && removed;
    return removed;
}

std::optional<QDateTime> withdrawnAt(const QString& document)
{
    if (document.isEmpty())
        return std::nullopt;
    for (const QVariant& element : withdrawals().value_or(QVariantList())) {
        const QVariantMap w = element.toMap();
        if (w.value(documentKey).toString() == document)
            return w.value(timeKey).toDateTime();
    }
    return std::nullopt;
}

QString withdrawalsDamage()
{
    return withdrawals() ? QString() : withdrawalsPath() + QStringLiteral(" cannot be read");
}

QString refusalFromOutside(const QString& document)
{
    if (const QString damage = withdrawalsDamage(); !damage.isNull())
        return damage + QStringLiteral(": no document from outside is applied until it is repaired or removed");
    if (const std::optional<QDateTime> withdrawn = withdrawnAt(document))
        return QStringLiteral("a rollback withdrew this document on %1; it is not applied again").arg(withdrawn->toLocalTime().toString(Qt::ISODate));
    return {};
}

std::unique_ptr<AtomicFile> stageWithdrawals(const QStringList& withdrawn, const QStringList& restored, const QDateTime& now,
                                             QString* error)
{
    const std::optional<QVariantList> known = withdrawals();
    if (!known) {
        *error = withdrawalsDamage();
        return nullptr;
    }
    QVariantList kept;
    for (const QVariant& element : *known) {
        const QString document = element.toMap().value(documentKey).toString();
        if (!withdrawn.contains(document) && !restored.contains(document))
            kept.append(element);
    }
    for (const QString& document : withdrawn) {
        if (!document.isEmpty())
            kept.append(QVariantMap{{documentKey, document}, {timeKey, now}});
    }
    while (kept.size() > withdrawalsKept)
        kept.removeFirst();
    if (!QDir().mkpath(directory())) {
        *error = directory() + QStringLiteral(": the folder could not be made");
        return nullptr;
    }
    return PropertyList::stageFile(directory() + QLatin1Char('/') + withdrawnFile, kept, error, FileAccess::OwnerOnly);
}

}  // namespace SettingsHistory

}  // namespace korvel

#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>
#include <optional>

namespace korvel {

class AtomicFile;

// One set of settings that was in force: what an import (or a rollback) put into effect, or what
// the device held before one.
struct SettingsHistoryEntry {
    qint64 sequence = 0;  // grows with every entry; the file is "<sequence>.plist"
    QDateTime time;
    QString source;       // "automatic import (URL https://...)", "settings before an import", ...
    QString fingerprint;  // SettingsFingerprint of `settings`
    QString document;     // fingerprint of the document that brought them; empty when none did
    QVariantMap settings;  // the application domain of the defaults store
    QString passwordHash;  // the password store's hash ("" no password; null: it was damaged)

    QVariantMap toDictionary() const;
    static std::optional<SettingsHistoryEntry> initWithDictionary(const QVariantMap& dictionary, qint64 sequence);
};

// The last ten settings applied to this kiosk, one owner-only file each in
// Paths::settingsHistoryDirectory() (they hold the password's hash), and the documents a rollback
// withdrew, which the automatic import and the managed configuration never apply again.
namespace SettingsHistory {

inline constexpr int kept = 10;

// Every readable entry, newest first; files that cannot be read are named in `problems`.
QList<SettingsHistoryEntry> entries(QStringList* problems = nullptr);
// The newest entry; nullopt when there is none.
std::optional<SettingsHistoryEntry> newest();
// The number the next entry takes.
qint64 nextSequence();
// `entry` written beside its place for a FileTransaction; nullptr with the reason in `error`.
std::unique_ptr<AtomicFile> stage(const SettingsHistoryEntry& entry, QString* error);
// Removes the entries beyond the newest `kept`; false when one could not be removed.
bool prune();

// Whether a rollback withdrew the document with this fingerprint, and when (nullopt too when the
// withdrawals cannot be read: see withdrawalsDamage()).
std::optional<QDateTime> withdrawnAt(const QString& document);
// Why the withdrawals cannot be read (a damaged file), or the null text.
QString withdrawalsDamage();
// Why the automatic import and the managed configuration must not apply this document: a rollback
// withdrew it, or the withdrawals are damaged (then none is applied: a withdrawn one could be
// among them). The null text when it may be applied.
QString refusalFromOutside(const QString& document);
// Marks documents withdrawn (at `now`) and others applicable again, staged for a FileTransaction;
// nullptr with the reason in `error` (also when the withdrawals are damaged: rewriting them would
// forget what they held). At most the hundred newest withdrawals are kept.
std::unique_ptr<AtomicFile> stageWithdrawals(const QStringList& withdrawn, const QStringList& restored, const QDateTime& now,
                                             QString* error);

}  // namespace SettingsHistory

}  // namespace korvel

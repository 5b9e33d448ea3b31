#include "transfer/ImportExport.h"

#include "log/KVLog.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/DocumentName.h"
#include "platform/FileBytes.h"
#include "platform/FormatString.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/PlistValue.h"
#include "settings/SettingsFingerprint.h"
#include "settings/PasswordStore.h"
#include "transfer/DocumentSignature.h"
#include "transfer/EmbeddedFiles.h"
#include "transfer/SettingsDiff.h"
#include "transfer/SettingsDocument.h"
#include "transfer/SettingsHistory.h"
#include "transfer/UploadServerControl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace korvel {

namespace {

const QString korvelTitle = QStringLiteral("Korvel");
const QString exportCategory = QStringLiteral("Export");
const QString importCategory = QStringLiteral("Import");
const QString emptyFieldText = QStringLiteral("Textfield cannot be empty");
const QString pellmorPlist = QStringLiteral("Korvel_PellmorConfig.plist");
const QString pellmorTxt = QStringLiteral("Korvel_PellmorConfig.txt");

UploadServerControl*& installedServer()
{
    static UploadServerControl* control = nullptr;
    return control;
}

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

TransferResult refusal(const QString& message, const QString& title = korvelTitle)
{
    return {false, {title, message}};
}

// A file of Documents named from outside (typed on the screen or given to korvelctl), resolved;
// otherwise the refusal, logged under `category`.
struct DocumentPath {
    QString path;
    std::optional<DocumentName::Refusal> refusal;
};
DocumentPath documentPath(const QString& name, const QString& category)
{
    const QString documents = Paths::documentsDirectory();
    std::optional<DocumentName::Refusal> refused = DocumentName::nameRefusal(name);
    std::optional<QString> path;
    if (!refused) {
        path = Paths::resolvedInside(documents, documents + QLatin1Char('/') + name);
        if (!path)
            refused = DocumentName::Refusal::Outside;
        else if (DocumentName::isSystemFile(QFileInfo(*path).fileName()))
            refused = DocumentName::Refusal::SystemFile;
    }
    if (refused) {
        KVLog(category, QStringLiteral("File name refused (%@): %@"), DocumentName::refusalText(*refused), name);
        return {{}, refused};
    }
    return {*path, std::nullopt};
}

TransferResult nameRefusal(const QString& name, DocumentName::Refusal refused)
{
    return refusal(formatString(QStringLiteral("The file name \"%@\" cannot be used: %@."), name, DocumentName::refusalText(refused)));
}

// The top-level keys an import takes besides the lists and the preferences.
const QString hasDraggedKey = QStringLiteral("hasDragged");
const QString userAgentKey = QStringLiteral("UserAgent");
// What every export carries that describes the exporting device, not its settings: not taken, and
// not worth a log line at every import.
const QStringList exportCompanions = {QStringLiteral("Korvel"), QStringLiteral("FirstTimeInstalled"), QStringLiteral("Files")};

// The preferences of a document as they may be stored: the schema's keys only (a legacy "HideMenu"
// converted), numbers within their ranges, the password left for its own store.
QVariantMap schemaPreferences(const QVariantMap& preferences, QStringList* ignored, QStringList* outOfRange)
{
    QVariantMap kept = KVBrowserPrefSettings::repairedDictionary(preferences);
    kept.remove(QStringLiteral("Password"));
    kept.remove(QStringLiteral("PasswordHash"));
    for (auto it = kept.begin(); it != kept.end();) {
        if (KVBrowserPrefSettings::fieldForKey(it.key())) {
            ++it;
            continue;
        }
        ignored->append(QStringLiteral("BrowserPreferences/") + it.key());
        it = kept.erase(it);
    }
    *outOfRange = KVBrowserPrefSettings::keepWithinRanges(kept);
    return kept;
}

std::function<void(const AppliedImport&)>& importObserver()
{
    static std::function<void(const AppliedImport&)> observer;
    return observer;
}

// The password a document carries, in the form it is stored in.
struct DocumentPassword {
    enum class Form { None, Hash, Base64 };
    Form form = Form::None;
    QString value;
};

DocumentPassword passwordOf(const QVariantMap& preferences)
{
    // The hash is the precise form; a document that carries both was made for older readers too.
    const QString hash = PlistValue::stringValue(preferences.value(QStringLiteral("PasswordHash")));
    if (!hash.isNull())
        return {DocumentPassword::Form::Hash, hash};
    const QString base64 = PlistValue::stringValue(preferences.value(QStringLiteral("Password")));
    if (!base64.isNull())
        return {DocumentPassword::Form::Base64, base64};
    return {};
}

// What an import does, worked out before anything is written.
struct ImportPlan {
    QString unfit;       // the document cannot be taken; nothing else is set
    QVariantMap domain;  // the application domain after the import, as a save leaves it
    DocumentPassword password;
    QStringList ignored;
    QStringList outOfRange;
    SettingsDocument::DeferredLog lines;
};

ImportPlan planDocument(const QVariantMap& document, ImportExport::Mode mode, bool isFromAutoImport, const ImportExport::Record& record)
{
    ImportPlan plan;
    plan.unfit = SettingsDocument::settingsDocumentError(document);
    if (!plan.unfit.isNull())
        return plan;
    const QString allowedKey = key(KVSettings::allowedWebsitesKey);
    const QString categoryKey = key(KVSettings::allowedWebsitesCategoryKey);
    const QString blockedKey = key(KVSettings::blockedWebsitesKey);
    const QString historyKey = key(KVSettings::downloadHistoryKey);
    const QString preferencesKey = key(KVSettings::browserPreferencesKey);
    const QString autoImportKey = key(KVSettings::autoImportKey);

    QStringList taken{allowedKey, categoryKey, blockedKey, historyKey, preferencesKey, QString::fromLatin1(DocumentSignature::signatureKey)};
    QVariantMap domain = UserDefaults::standard().applicationDomain();
    const auto preferences = document.constFind(preferencesKey);
    switch (mode) {
    case ImportExport::Mode::Merge: {
        const QVariantList allowed = SettingsDocument::parsingAllowedWebsiteData(document.value(allowedKey).toList(), isFromAutoImport, &plan.lines);
        // A document without allowed websites leaves them; categories and blocked websites it
        // lacks are emptied.
        if (document.contains(allowedKey))
            domain.insert(allowedKey, allowed);
        domain.insert(categoryKey, SettingsDocument::parsingCategoryData(document.value(categoryKey).toList(), isFromAutoImport, &plan.lines));
        domain.insert(blockedKey, SettingsDocument::parsingBlockedWebsiteData(document.value(blockedKey).toList(), &plan.lines));
        if (document.contains(historyKey))
            domain.insert(historyKey, document.value(historyKey));
        if (preferences != document.constEnd())
            domain.insert(preferencesKey, schemaPreferences(preferences->toMap(), &plan.ignored, &plan.outOfRange));
        if (const QVariant dragged = document.value(hasDraggedKey); dragged.typeId() == QMetaType::Bool)
            domain.insert(hasDraggedKey, dragged);
        if (const QVariant agent = document.value(userAgentKey); agent.typeId() == QMetaType::QString)
            domain.insert(userAgentKey, agent);
        taken << hasDraggedKey << userAgentKey;
        break;
    }
    case ImportExport::Mode::Replace:
        // Every list and the preferences become the document's; what it lacks is empty or factory.
        for (const QString& list : {allowedKey, categoryKey, blockedKey, historyKey})
            domain.insert(list, document.value(list).toList());
        if (preferences != document.constEnd())
            domain.insert(preferencesKey, schemaPreferences(preferences->toMap(), &plan.ignored, &plan.outOfRange));
        else
            domain.remove(preferencesKey);
        if (const QVariant automatic = document.value(autoImportKey); automatic.typeId() == QMetaType::QVariantMap)
            domain.insert(autoImportKey, automatic);
        else
            domain.remove(autoImportKey);
        taken << autoImportKey;
        break;
    }
    if (record) {
        KVAutoImportSettings choices = KVAutoImportSettings::initWithDictionary(PlistValue::dictionaryValue(domain.value(autoImportKey)));
        record(choices);
        domain.insert(autoImportKey, choices.toDictionary());
    }
    for (auto it = document.cbegin(); it != document.cend(); ++it) {
        if (!taken.contains(it.key()) && !exportCompanions.contains(it.key()))
            plan.ignored.append(it.key());
    }
    if (preferences != document.constEnd())
        plan.password = passwordOf(preferences->toMap());
    plan.domain = KVSettings::savedForm(std::move(domain));
    return plan;
}

// The settings and password in force now, as the history keeps them.
SettingsHistoryEntry settingsInForce()
{
    SettingsHistoryEntry entry;
    entry.settings = UserDefaults::standard().applicationDomain();
    entry.fingerprint = SettingsFingerprint::of(entry.settings);
    entry.passwordHash = PasswordStore::passwordHashForDocument();
    return entry;
}

// Whether the history's newest entry holds the settings in force (a save may have written them
// in another form since, which does not count).
bool holdsSettingsInForce(const std::optional<SettingsHistoryEntry>& newest, const SettingsHistoryEntry& current)
{
    if (!newest || newest->passwordHash != current.passwordHash)
        return false;
    return newest->fingerprint == current.fingerprint || SettingsDiff::between(newest->settings, current.settings).isEmpty();
}

// What an import or a rollback writes besides the store.
struct Commit {
    QVariantMap domain;
    std::optional<QString> passwordHash;  // none: the stored password stays
    QString source;                       // for the history
    QString document;                     // the document's fingerprint, if one brought the settings
    QStringList withdraw;                 // documents not to apply again
    QStringList restore;                  // documents that may be applied again
};

// Stages the password, the history (the settings in force, unless the history holds them, and
// the new ones) and the withdrawals into `transaction`, then commits it with the store last.
// The reason it changed nothing, or the null text; `previousEntry` is the entry of the settings
// replaced.
QString commitSettings(const Commit& commit, FileTransaction& transaction, qint64* previousEntry)
{
    if (commit.passwordHash) {
        QString error;
        std::unique_ptr<AtomicFile> staged = PasswordStore::stagePassword(*commit.passwordHash, &error);
        if (!staged)
            return error;
        transaction.add(std::move(staged));
    }
    const QDateTime now = Clock::instance().now();
    SettingsHistoryEntry current = settingsInForce();
    qint64 sequence = SettingsHistory::nextSequence();
    const std::optional<SettingsHistoryEntry> newest = SettingsHistory::newest();
    QString error;
    if (holdsSettingsInForce(newest, current)) {
        *previousEntry = newest->sequence;
    } else {
        current.sequence = sequence++;
        current.time = now;
        current.source = QStringLiteral("the settings in force before it");
        std::unique_ptr<AtomicFile> staged = SettingsHistory::stage(current, &error);
        if (!staged)
            return QStringLiteral("the settings history could not be written: ") + error;
        transaction.add(std::move(staged));
        *previousEntry = current.sequence;
    }
    SettingsHistoryEntry applied;
    applied.sequence = sequence;
    applied.time = now;
    applied.source = commit.source;
    applied.fingerprint = SettingsFingerprint::of(commit.domain);
    applied.document = commit.document;
    applied.settings = commit.domain;
    applied.passwordHash = commit.passwordHash ? *commit.passwordHash : current.passwordHash;
    std::unique_ptr<AtomicFile> staged = SettingsHistory::stage(applied, &error);
    if (!staged)
        return QStringLiteral("the settings history could not be written: ") + error;
    transaction.add(std::move(staged));
    if (const QString damage = SettingsHistory::withdrawalsDamage(); !damage.isNull() && (!commit.withdraw.isEmpty() || !commit.restore.isEmpty())) {
        // Rewriting them would forget what they held; left damaged, they keep every document from
        // outside away, this one included, and the settings still change.
        KVLog(QStringLiteral("Error"), QStringLiteral("The withdrawn documents were not updated: %@"), damage);
    } else if (!commit.withdraw.isEmpty() || !commit.restore.isEmpty()) {
        std::unique_ptr<AtomicFile> withdrawals = SettingsHistory::stageWithdrawals(commit.withdraw, commit.restore, now, &error);
        if (!withdrawals)
            return QStringLiteral("the settings history could not be written: ") + error;
        transaction.add(std::move(withdrawals));
    }
    QString notSaved;
    if (!UserDefaults::standard().commitApplicationDomain(commit.domain, transaction, &notSaved))
        return QStringLiteral("the settings could not be saved: ") + notSaved;
    if (!SettingsHistory::prune())
        KVLog(QStringLiteral("Error"), QStringLiteral("Old settings history entries could not be removed from %@"),
              Paths::settingsHistoryDirectory());
    return {};
}

// The hash a document's password is stored as; null with the reason in `error`.
QString storedFormOf(const DocumentPassword& password, QString* error)
{
    if (password.form == DocumentPassword::Form::Hash || password.value.isEmpty())
        return password.value;
    const QString hash = KVHashString::passwordHash(KVHashString::base64ToString(password.value));
    if (hash.isNull())
        *error = QStringLiteral("the password could not be hashed");
    return hash;
}

// Whether `source` may bring `document` in: the refusal (logged, with the document's fingerprint),
// or the null text.
QString signatureRefusal(const QVariantMap& document, const DocumentSource& source, const QString& fingerprint)
{
    if (!source.isFromOutside())
        return {};
    const DocumentSignature::TrustedKeys trusted = DocumentSignature::trustedKeys();
    for (const QString& problem : trusted.problems)
        KVLog(QStringLiteral("Warning"), QStringLiteral("Trusted key left out: %@"), problem);
    const DocumentSignature::Check check = DocumentSignature::check(document, trusted);
    if (!check.refused())
        return {};
    KVLog(importCategory, QStringLiteral("Settings refused from %@ (document %@): %@; nothing changed"), source.describe(), fingerprint,
          check.text());
    return QStringLiteral("the document is %1, and this kiosk accepts only documents signed by a key it trusts").arg(check.text());
}

// Puts a document into effect, whole or not at all. The new store, the password, the embedded
// files and the history are all written first and then put in place together.
ImportOutcome takeDocument(const QVariantMap& document, const DocumentSource& source, ImportExport::Mode mode, bool isFromAutoImport,
                           FilesInDocument filesInDocument, const ImportExport::Record& record)
{
    const QString fingerprint = DocumentSignature::fingerprint(document);
    if (const QString refused = signatureRefusal(document, source, fingerprint); !refused.isNull())
        return {false, true, refused};
    ImportPlan plan = planDocument(document, mode, isFromAutoImport, record);
    if (!plan.unfit.isNull())
        return {false, false, plan.unfit};

    FileTransaction transaction;
    // The files first, beside their targets: a full disk here leaves everything as it was.
    EmbeddedFiles files(Paths::documentsDirectory());
    if (filesInDocument == FilesInDocument::Restore && !files.stage(document, EmbeddedFiles::OnFailure::Stop))
        return {false, false, QStringLiteral("an embedded file could not be written")};
    const QStringList written = files.moveInto(transaction);
    Commit commit{plan.domain, std::nullopt, source.describe(), fingerprint, {}, {}};
    // A document without a password leaves the stored one.
    if (plan.password.form != DocumentPassword::Form::None) {
        QString error;
        commit.passwordHash = storedFormOf(plan.password, &error);
        if (commit.passwordHash->isNull())
            return {false, false, error};
    }
    qint64 previousEntry = 0;
    if (const QString failure = commitSettings(commit, transaction, &previousEntry); !failure.isNull())
        return {false, false, failure};

    EmbeddedFiles::logWritten(written);
    SettingsDocument::writeLog(plan.lines);
    {
        const KVSettings::ChangeSource who(QStringLiteral("import"));
        KVSettings::getSettingsObject().load();
    }
    for (const QString& name : std::as_const(plan.outOfRange)) {
        const KVBrowserPrefSettings::Range range = *KVBrowserPrefSettings::fieldForKey(name)->range;
        KVLog(importCategory, QStringLiteral("%@ was outside %@ to %@; the factory value is used"), name,
              QString::number(range.minimum), QString::number(range.maximum));
    }
    if (!plan.ignored.isEmpty())
        KVLog(importCategory, QStringLiteral("Not imported, not part of the settings: %@"), plan.ignored.join(QStringLiteral(", ")));
    const AppliedImport applied{source, fingerprint, SettingsFingerprint::of(plan.domain), previousEntry};
    KVLog(importCategory, QStringLiteral("Settings applied from %@: document %@, settings %@"), source.describe(), fingerprint,
          applied.settings);
    if (importObserver())
        importObserver()(applied);
    return {true, false, {}};
}

}  // namespace

QString DocumentSource::describe() const
{
    switch (kind) {
    case Kind::ScreenFile:
        return QStringLiteral("file %1 (import screen)").arg(detail);
    case Kind::Command:
        return QStringLiteral("file %1 (command)").arg(detail);
    case Kind::URL:
        return QStringLiteral("URL %1").arg(detail);
    case Kind::Cloud:
        return QStringLiteral("cloud ID %1").arg(detail);
    case Kind::Automatic:
        return QStringLiteral("automatic import (%1)").arg(detail);
    case Kind::Managed:
        return QStringLiteral("managed configuration %1").arg(detail);
    }
    return detail;
}

bool DocumentSource::isFromOutside() const
{
    return kind != Kind::ScreenFile;
}

bool DocumentSource::isWatched() const
{
    switch (kind) {
    case Kind::Cloud:
    case Kind::Automatic:
    case Kind::Managed:
        return true;
    case Kind::ScreenFile:
    case Kind::Command:
    case Kind::URL:
        return false;
    }
    return false;
}

void ImportExport::setServerControl(UploadServerControl* control)
{
    installedServer() = control;
}

void ImportExport::setImportObserver(std::function<void(const AppliedImport&)> observer)
{
    importObserver() = std::move(observer);
}

ImportOutcome ImportExport::applySettingsDocument(const QVariantMap& document, const DocumentSource& source, bool isFromAutoImport,
                                                  FilesInDocument files, const Record& record)
{
    ImportOutcome outcome = takeDocument(document, source, Mode::Merge, isFromAutoImport, files, record);
    if (!outcome.applied && !outcome.refused)
        KVLog(importCategory, QStringLiteral("Settings not imported, nothing changed: %@"), outcome.reason);
    return outcome;
}

ImportOutcome ImportExport::replaceSettings(const QVariantMap& document, const DocumentSource& source)
{
    return takeDocument(document, source, Mode::Replace, false, FilesInDocument::Restore, {});
}

ImportPreview ImportExport::preview(const QVariantMap& document, const DocumentSource& source, Mode mode, bool isFromAutoImport,
                                    FilesInDocument files)
{
    ImportPreview preview;
    preview.document = DocumentSignature::fingerprint(document);
    const DocumentSignature::Check check = DocumentSignature::check(document, DocumentSignature::trustedKeys());
    preview.signature = check.text();
    if (source.isFromOutside() && check.refused()) {
        preview.refused = true;
        preview.problem = QStringLiteral("it would be refused: it is %1, and this kiosk accepts only documents signed by a key it trusts")
                              .arg(check.text());
    }
    ImportPlan plan = planDocument(document, mode, isFromAutoImport, {});
    if (!plan.unfit.isNull()) {
        preview.problem = QStringLiteral("it is not a settings document Korvel can take: ") + plan.unfit;
        return preview;
    }
    preview.fit = true;
    preview.notImported = plan.ignored;
    const QVariantMap current = UserDefaults::standard().applicationDomain();
    preview.changes = SettingsDiff::between(current, plan.domain);
    QVariantMap sameHistory = plan.domain;
    sameHistory.insert(key(KVSettings::downloadHistoryKey), current.value(key(KVSettings::downloadHistoryKey)));
    preview.settingsDiffer = !SettingsDiff::between(current, sameHistory).isEmpty();
    for (const QString& name : std::as_const(plan.outOfRange))
        preview.changes << QStringLiteral("Preference %1 is outside its range: the factory value would be used").arg(name);
    if (files == FilesInDocument::Restore) {
        const QString documents = Paths::documentsDirectory();
        for (const QVariant& element : document.value(QStringLiteral("Files")).toList()) {
            const QVariantMap entry = element.toMap();
            if (PlistValue::stringValue(entry.value(QStringLiteral("FileData"))).isNull())
                continue;
            const QString name = PlistValue::stringValue(entry.value(QStringLiteral("FileName")));
            std::optional<QString> target;
            if (const std::optional<DocumentName::Refusal> refusal = EmbeddedFiles::refusalOf(documents, name, &target))
                preview.changes << QStringLiteral("File refused (%1): %2").arg(DocumentName::refusalText(*refusal), name);
            else
                preview.changes << QStringLiteral("File written: %1 (%2)")
                                       .arg(name, QFileInfo::exists(*target) ? QStringLiteral("replaces the file in Documents")
                                                                             : QStringLiteral("new"));
        }
    }
    bool passwordChanges = false;
    switch (plan.password.form) {
    case DocumentPassword::Form::None:
        break;
    case DocumentPassword::Form::Hash:
        // Another salt makes another hash of the same password: only the same text is "no change".
        passwordChanges = plan.password.value != PasswordStore::getPassword();
        break;
    case DocumentPassword::Form::Base64: {
        const QString typed = KVHashString::base64ToString(plan.password.value);
        const PasswordCheck same = PasswordStore::checkPassword(typed);
        passwordChanges = !(same == PasswordCheck::Matches || (typed.isEmpty() && same == PasswordCheck::NoPassword));
        break;
    }
    }
    preview.changes << (plan.password.form == DocumentPassword::Form::None ? QStringLiteral("Password changed: no (the document carries none)")
                        : passwordChanges                                   ? QStringLiteral("Password changed: yes")
                                                                            : QStringLiteral("Password changed: no"));
    preview.settingsDiffer = preview.settingsDiffer || passwordChanges;
    if (source.kind == DocumentSource::Kind::Automatic || source.kind == DocumentSource::Kind::Managed) {
        if (const QString refused = SettingsHistory::refusalFromOutside(preview.document); !refused.isNull()) {
            preview.refused = true;
            preview.problem = refused;
        }
    }
    return preview;
}

bool ImportExport::holdsSettingsInForce(const SettingsHistoryEntry& entry)
{
    return korvel::holdsSettingsInForce(entry, settingsInForce());
}

ImportOutcome ImportExport::rollBack(qint64 sequence, const QString& why)
{
    QStringList problems;
    const QList<SettingsHistoryEntry> entries = SettingsHistory::entries(&problems);
    const auto target = std::find_if(entries.cbegin(), entries.cend(), [sequence](const SettingsHistoryEntry& e) { return e.sequence == sequence; });
    if (target == entries.cend())
        return {false, false, QStringLiteral("the settings history has no entry %1").arg(sequence)};
    // The device's own bookkeeping is not part of the settings that go back.
    QVariantMap domain = target->settings;
    const QVariantMap now = UserDefaults::standard().applicationDomain();
    for (const char* name : {"mdmConfChecksum", "FirstTimeInstalled", KVSettings::downloadHistoryKey, KVSettings::deviceInformationKey}) {
        const QString k = key(name);
        if (now.contains(k))
            domain.insert(k, now.value(k));
        else
            domain.remove(k);
    }
    // The automatic import remembers the text it applied last: going back does not make that text
    // new to it again.
    const QString autoImportKey = key(KVSettings::autoImportKey);
    QVariantMap choices = PlistValue::dictionaryValue(domain.value(autoImportKey)).value_or(QVariantMap());
    const QVariant applied = PlistValue::dictionaryValue(now.value(autoImportKey)).value_or(QVariantMap()).value(QStringLiteral("OLD"));
    if (applied.isValid())
        choices.insert(QStringLiteral("OLD"), applied);
    else
        choices.remove(QStringLiteral("OLD"));
    domain.insert(autoImportKey, choices);
    Commit commit{KVSettings::savedForm(std::move(domain)), std::nullopt,
                  QStringLiteral("rollback to the settings of %1 (%2): %3").arg(target->time.toLocalTime().toString(Qt::ISODate), target->source, why),
                  {}, {}, {}};
    if (!target->passwordHash.isNull())
        commit.passwordHash = target->passwordHash;
    // The documents of the settings given up are not taken in again by themselves.
    for (auto it = entries.cbegin(); it != target; ++it) {
        if (!it->document.isEmpty() && it->document != target->document)
            commit.withdraw << it->document;
    }
    if (!target->document.isEmpty())
        commit.restore << target->document;
    FileTransaction transaction;
    qint64 previousEntry = 0;
    if (const QString failure = commitSettings(commit, transaction, &previousEntry); !failure.isNull()) {
        KVLog(importCategory, QStringLiteral("Settings not rolled back, nothing changed: %@"), failure);
        return {false, false, failure};
    }
    {
        const KVSettings::ChangeSource who(QStringLiteral("rollback"));
        KVSettings::getSettingsObject().load();
    }
    KVLog(importCategory, QStringLiteral("Settings rolled back to those of %@ (%@), settings %@: %@"),
          target->time.toLocalTime().toString(Qt::ISODate), target->source, SettingsFingerprint::of(commit.domain), why);
    for (const QString& document : std::as_const(commit.withdraw))
        KVLog(importCategory, QStringLiteral("Document %@ withdrawn: the automatic import and the managed configuration do not apply it again"),
              document);
    return {true, false, {}};
}

bool ImportExport::writeDocumentFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QDir().mkpath(QFileInfo(path).path());
    if (!AtomicFile::writeFile(path, bytes, error))
        return false;
    recordOrigin(path, DocumentOrigins::administrator(), exportCategory);
    return true;
}

void ImportExport::recordOrigin(const QString& path, DocumentOrigin origin, const QString& logCategory)
{
    const QString notRecorded = DocumentOrigins::recordInHome(path, origin);
    if (!notRecorded.isEmpty())
        KVLog(logCategory, QStringLiteral("Origin of %@ not recorded, it will not be imported: %@"), path, notRecorded);
}

UploadServerControl* ImportExport::serverControl()
{
    return installedServer();
}

void ImportExport::postImportSteps(const QString& logCategory)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    KVBrowserPrefSettings& preferences = settings.kvBrowPref;
    if (preferences.port < 1024 || preferences.port > 65535) {
        preferences.port = 8080;
        settings.save();
    }
    UploadServerControl* server = installedServer();
    if (!server || !server->isServerRunning())
        return;
    server->stopServerConnection();
    if (!preferences.serverSwitchOnOFF) {
        KVLog(logCategory, QStringLiteral("Server Stoped "));
        return;
    }
    const bool started = server->startServerConnectionWith(preferences.port);
    KVLog(logCategory, QStringLiteral("Server running successfullly %@"), started ? QStringLiteral("Yes") : QStringLiteral("No"));
}

TransferResult ImportExport::exportToFile(const QString& typedName, const std::optional<QString>& clearPassword)
{
    if (typedName.isEmpty())
        return refusal(emptyFieldText, {});
    const QString name = typedName.trimmed();
    if (!name.endsWith(QLatin1String(".plist"))) {
        KVLog(exportCategory, QStringLiteral("Invalid file extension."));
        return refusal(QStringLiteral("Please provide a valid file name, ensuring that it ends with the extension .plist"), {});
    }
    const DocumentPath target = documentPath(name, exportCategory);
    if (target.refusal)
        return nameRefusal(name, *target.refusal);
    QVariantMap document = SettingsDocument::buildSettingsDocument();
    if (clearPassword) {
        // Only the administrator's own password goes out readable, and only when asked for.
        const PasswordCheck check = PasswordStore::checkPassword(*clearPassword);
        if (check != PasswordCheck::Matches && !(check == PasswordCheck::NoPassword && clearPassword->isEmpty())) {
            KVLog(exportCategory, QStringLiteral("Export with the readable password refused: the password given is not the administrator's"));
            return refusal(QStringLiteral("The password given is not the administrator password. Nothing was exported."));
        }
        const QString preferencesKey = key(KVSettings::browserPreferencesKey);
        QVariantMap preferences = document.value(preferencesKey).toMap();
        preferences.remove(QStringLiteral("PasswordHash"));
        preferences.insert(QStringLiteral("Password"), KVHashString::stringToBase64(*clearPassword));
        document.insert(preferencesKey, preferences);
    }
    QString error;
    if (!writeDocumentFile(target.path, SettingsDocument::settingsDocumentXML(document), &error)) {
        KVLog(exportCategory, QStringLiteral("Settings not exported to file %@: %@"), name, error);
        return refusal(formatString(QStringLiteral("Settings could not be exported to file %@: %@"), name, error));
    }
    KVLog(exportCategory, QStringLiteral("Settings Exported to File succeddfully"));
    if (clearPassword)
        KVLog(QStringLiteral("Warning"), QStringLiteral("Settings exported to %@ with the administrator password readable (Base64)"), name);
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvAutoImport.fileExport = name;
    settings.save();
    return {true,
            {korvelTitle, formatString(QStringLiteral("Settings exported successfully to file %@ in Korvel documents folder. Fetch it "
                                                      "from the device's upload page (with its access code) or copy it "
                                                      "from %@."),
                                       name, Paths::documentsDirectory())}};
}

ImportExport::PellmorResult ImportExport::exportForPellmor()
{
    KVLog(exportCategory, QStringLiteral("Exporting for Pellmor Config"));
    const DocumentPath plist = documentPath(pellmorPlist, exportCategory);
    const DocumentPath txt = documentPath(pellmorTxt, exportCategory);
    if (plist.refusal || txt.refusal)
        return {false, {}, {}};
    QString error;
    // The text form is made from the very bytes of the property list, as the document is read back.
    const QByteArray xml = SettingsDocument::settingsDocumentXML(SettingsDocument::buildSettingsDocument());
    if (writeDocumentFile(plist.path, xml, &error)) {
        if (QFileInfo::exists(txt.path) || QFileInfo(txt.path).isSymLink()) {
            KVLog(exportCategory, QStringLiteral("existing KV_PellmorConfig.txt file is present so app is removing it."));
            QFile::remove(txt.path);
        }
        const QByteArray text = SettingsDocument::pellmorText(xml).toUtf8();
        if (!writeDocumentFile(txt.path, text, &error))
            KVLog(exportCategory, QStringLiteral("Settings not exported for Pellmor: %@"), error);
        QFile::remove(plist.path);
    } else {
        KVLog(exportCategory, QStringLiteral("Settings not exported for Pellmor: %@"), error);
    }
    if (!QFileInfo::exists(txt.path)) {
        KVLog(exportCategory, QStringLiteral("KV_PellmorConfig.txt is not present so not displaying share alert."));
        return {false, txt.path, {}};
    }
    return {true, txt.path,
            {korvelTitle, QStringLiteral("Korvel Settings has been exported successfully. Please use the same for Application "
                                         "Configuration in Pellmor.")}};
}

void ImportExport::pellmorShareChosen()
{
    KVLog(exportCategory, QStringLiteral("User pressed Share button to share the KV_PellmorConfig.txt file"));
}

void ImportExport::pellmorOKChosen()
{
    KVLog(exportCategory, QStringLiteral("User pressed OK button to dismiss share view"));
}

std::optional<DocumentOrigin> ImportExport::documentOrigin(const QString& typedName)
{
    if (typedName.isEmpty() || DocumentName::nameRefusal(typedName))
        return std::nullopt;
    const QString documents = Paths::documentsDirectory();
    const std::optional<QString> path = Paths::resolvedInside(documents, documents + QLatin1Char('/') + typedName);
    if (!path || !QFileInfo(*path).isFile())
        return std::nullopt;
    return DocumentOrigins::forHome().originOf(*path);
}

QString ImportExport::untrustedText(const QString& name, DocumentOrigin origin)
{
    return formatString(QStringLiteral("%@ was %@; only files saved by the settings, placed with korvelctl or uploaded with the "
                                       "access code are imported"),
                        name, DocumentOrigins::describe(origin));
}

static QString untrustedFile(const QString& name, DocumentOrigin origin)
{
    KVLog(importCategory, QStringLiteral("Import refused, %@"), ImportExport::untrustedText(name, origin));
    return formatString(QStringLiteral("%@ was not imported: it was %@. Only files saved by the settings, placed with korvelctl or "
                                       "uploaded with the access code are imported. Nothing was changed."),
                        name, DocumentOrigins::describe(origin));
}

std::optional<QVariantMap> ImportExport::readDocumentFile(const QString& typedName, QString* refused)
{
    if (typedName.isEmpty()) {
        *refused = emptyFieldText;
        return std::nullopt;
    }
    const DocumentPath source = documentPath(typedName, importCategory);
    if (source.refusal) {
        *refused = nameRefusal(typedName, *source.refusal).alert.message;
        return std::nullopt;
    }
    if (!QFileInfo(source.path).isFile()) {
        KVLog(importCategory, QStringLiteral("Import before Export : File not found"));
        *refused = QStringLiteral("File Not Found!! Please export settings to file for an import.");
        return std::nullopt;
    }
    // Only a file the administrator placed (or uploaded with the access code) is taken as settings:
    // a page's download or an upload without the code must never become the kiosk's settings.
    const DocumentOrigins origins = DocumentOrigins::forHome();
    QString version;
    const DocumentOrigin origin = origins.originOf(source.path, &version);
    if (!DocumentOrigins::trustedForImport(origin)) {
        *refused = untrustedFile(typedName, origin);
        return std::nullopt;
    }
    SettingsDocument::ParsedDocument parsed;
    {
        // The bytes are given back as the parser passes them and are gone before the document is
        // applied: a large document is never held whole next to what was read out of it.
        std::optional<FileBytes> file = FileBytes::read(source.path, &parsed.error);
        if (file)
            parsed = SettingsDocument::readSettingsDocument(file->bytes(), [&](const char* upTo) { file->release(upTo); });
    }
    // What was read must be the version whose origin was checked.
    if (!origins.unchanged(source.path, version)) {
        *refused = untrustedFile(typedName, DocumentOrigin::Unknown);
        return std::nullopt;
    }
    if (!parsed.document) {
        KVLog(importCategory, QStringLiteral("Import refused, %@ is not a settings document: %@"), typedName, parsed.error);
        *refused = formatString(QStringLiteral("%@ is not a Korvel settings document (%@). Nothing was changed."), typedName, parsed.error);
    }
    return std::move(parsed.document);
}

TransferResult ImportExport::importFromFile(const QString& typedName, DocumentSource::Kind kind)
{
    QString refused;
    std::optional<QVariantMap> document = readDocumentFile(typedName, &refused);
    if (!document)
        return refusal(refused, typedName.isEmpty() ? QString() : korvelTitle);
    const ImportOutcome outcome = applySettingsDocument(*document, {kind, typedName}, false, FilesInDocument::Restore,
                                                        [&typedName](KVAutoImportSettings& choices) { choices.fileImport = typedName; });
    document.reset();
    if (!outcome)
        return refusal(formatString(QStringLiteral("The settings could not be imported (%@). Nothing was changed."), outcome.reason));
    KVLog(importCategory, QStringLiteral("Settings Imported from file successfully"));
    postImportSteps(importCategory);
    return {true, {korvelTitle, formatString(QStringLiteral("Settings imported successfully from file %@ in Korvel documents folder."),
                                             typedName.trimmed())}};
}

TransferAlert ImportExport::resetQuestion()
{
    return {korvelTitle, QStringLiteral("This will reset Korvel settings to defaults. Are you sure?")};
}

void ImportExport::resetQuestionShown()
{
    KVLog(QStringLiteral("Warning"), QStringLiteral("Settings reset to default"));
}

TransferResult ImportExport::resetToDefaults()
{
    UserDefaults& defaults = UserDefaults::standard();
    const QVariantMap before = defaults.applicationDomain();
    QStringList outOfRange;
    for (const char* name : {KVSettings::allowedWebsitesKey, KVSettings::allowedWebsitesCategoryKey, KVSettings::blockedWebsitesKey,
                             KVSettings::browserPreferencesKey, "UserAgent", KVSettings::autoImportKey, UserDefaults::managedKey})
        defaults.removeObject(key(name));
    defaults.setObject(QStringLiteral("hasDragged"), false);
    QString notSaved;
    if (!defaults.synchronize(&notSaved)) {
        defaults.setApplicationDomain(before);
        return refusal(QStringLiteral("The settings could not be saved: ") + notSaved);
    }
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.load();
    settings.save();
    // Back to factory also mends a damaged password store: only the administrator gets here.
    PasswordStore::setPassword(key(PasswordStore::factoryPassword), DamagedStore::Replace);
    if (UploadServerControl* server = installedServer(); server && server->isServerRunning())
        server->stopServerConnection();
    return {true, {korvelTitle, QStringLiteral("Successfully reset settings!!")}};
}

}  // namespace korvel

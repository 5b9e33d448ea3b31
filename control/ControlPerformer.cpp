#include "control/ControlPerformer.h"

#include "admin/AdminPassword.h"
#include "log/KVLog.h"
#include "log/LogQuery.h"
#include "transfer/SettingsDocument.h"
#include "platform/DocumentName.h"
#include "platform/DocumentOrigins.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "policy/AdvancedSettingsEditing.h"
#include "policy/AllowedWebsiteEditing.h"
#include "policy/BlockedWebsiteEditing.h"
#include "policy/CategoryEditing.h"
#include "policy/IconLayout.h"
#include "policy/LoadLearning.h"
#include "policy/WebsiteAddress.h"
#include "settings/KVSettings.h"
#include "settings/PreferenceText.h"
#include "settings/SettingsFingerprint.h"
#include "settings/PasswordStore.h"
#include "transfer/CloudService.h"
#include "transfer/CloudTransfer.h"
#include "transfer/ImportExport.h"
#include "transfer/KVAutoImport.h"
#include "transfer/KVCloudRequest.h"
#include "transfer/ManagedConfiguration.h"
#include "transfer/SettingsHistory.h"
#include "transfer/URLImport.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QPointer>
#include <QUrl>

#include <optional>

namespace korvel {

namespace {

using Done = ControlPerformer::Done;
using Arguments = QJsonObject;
using Handler = void (*)(const Arguments&, ControlPerformer&, const Done&);

const QString settingsCategory = QStringLiteral("Settings");

QString line(const QString& text)
{
    return text.isEmpty() || text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n');
}

ControlReply fromEdit(const EditOutcome& outcome)
{
    switch (outcome.status) {
    case EditStatus::Done:
        return ControlReply::done(line(outcome.message));
    case EditStatus::Refused:
        return ControlReply::failed(ExitStatus::Refused, line(outcome.message));
    case EditStatus::NotSaved:
        return ControlReply::failed(ExitStatus::Failed, line(outcome.message));
    }
    return ControlReply::failed(ExitStatus::Failed, line(outcome.message));
}

ControlReply fromTransfer(const TransferResult& result)
{
    return result.ok ? ControlReply::done(line(result.alert.message)) : ControlReply::refused(line(result.alert.message));
}

std::optional<QString> text(const Arguments& arguments, const char* name)
{
    const QJsonValue value = arguments.value(QLatin1String(name));
    return value.isString() ? std::optional<QString>(value.toString()) : std::nullopt;
}

std::optional<qint64> number(const Arguments& arguments, const char* name)
{
    const QJsonValue value = arguments.value(QLatin1String(name));
    if (!value.isDouble() || value.toDouble() < 0 || value.toDouble() != double(qint64(value.toDouble())))
        return std::nullopt;
    return qint64(value.toDouble());
}

std::optional<bool> flag(const Arguments& arguments, const char* name)
{
    const QJsonValue value = arguments.value(QLatin1String(name));
    return value.isBool() ? std::optional<bool>(value.toBool()) : std::nullopt;
}

std::optional<WebsiteProtocol> protocolNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("http"))
        return WebsiteProtocol::Http;
    if (lower == QLatin1String("https"))
        return WebsiteProtocol::Https;
    if (lower == QLatin1String("file"))
        return WebsiteProtocol::File;
    return std::nullopt;
}

ControlReply missing(const char* name)
{
    return ControlReply::refused(QStringLiteral("the command needs \"%1\"\n").arg(QLatin1String(name)));
}

KVSettings& settings()
{
    return KVSettings::getSettingsObject();
}

// --- Preferences ----------------------------------------------------------------------------------

void prefSet(const Arguments& a, ControlPerformer&, const Done& done)
{
    const std::optional<QString> key = text(a, "key");
    const std::optional<QString> value = text(a, "value");
    if (!key || !value)
        return done(missing(!key ? "key" : "value"));
    const KVBrowserPrefSettings::Field* field = KVBrowserPrefSettings::fieldForKey(*key);
    if (!field)
        return done(ControlReply::refused(QStringLiteral("unknown preference \"%1\"; \"korvelctl pref list\" shows every key\n").arg(*key)));
    QString problem;
    const std::optional<QVariant> parsed = PreferenceText::parse(*field, *value, &problem);
    if (!parsed)
        return done(ControlReply::refused(problem + QStringLiteral("; nothing was changed\n")));
    if (field->member == KVBrowserPrefSettings::Member(&KVBrowserPrefSettings::alsoAllowedForLoading)) {
        if (const std::optional<QString> refusal = AdvancedSettingsEditing::loadingHostsRefusal(parsed->toString()))
            return done(ControlReply::refused(line(*refusal)));
    }
    KVSettings& s = settings();
    s.kvBrowPref.setValueFromDictionary(*field, *parsed);
    done(s.save() ? ControlReply::done() : ControlReply::failed(ExitStatus::Failed, QStringLiteral("the settings could not be saved\n")));
}

// --- Websites, categories, blocked websites --------------------------------------------------------

struct Switch {
    const char* name;
    bool AllowedWebsiteInput::*member;
};
const Switch siteSwitches[] = {
    {"startup", &AllowedWebsiteInput::runAtStartup}, {"errorPage", &AllowedWebsiteInput::errorPage},
    {"subdomains", &AllowedWebsiteInput::allowSubDomain}, {"onlyThis", &AllowedWebsiteInput::allowOnlyThis},
    {"hide", &AllowedWebsiteInput::hideURL}, {"favicon", &AllowedWebsiteInput::useFavicon},
};

// An address typed with its scheme names its protocol, unless "protocol" says otherwise: "https://x"
// stored under http would become "http://https//x".
void takeProtocolFromAddress(AllowedWebsiteInput& input)
{
    const qsizetype separator = input.url.indexOf(QLatin1String("://"));
    if (separator <= 0)
        return;
    if (const std::optional<WebsiteProtocol> protocol = protocolNamed(input.url.left(separator)))
        input.protocol = *protocol;
}

// The options given, over `input`; the refusal when one is not acceptable.
std::optional<ControlReply> applySiteOptions(const Arguments& a, AllowedWebsiteInput& input)
{
    if (const std::optional<QString> protocol = text(a, "protocol")) {
        const std::optional<WebsiteProtocol> parsed = protocolNamed(*protocol);
        if (!parsed)
            return ControlReply::refused(QStringLiteral("unknown protocol \"%1\"; use http, https or file\n").arg(*protocol));
        input.protocol = *parsed;
    }
    if (const std::optional<QString> title = text(a, "title"))
        input.title = *title;
    if (const std::optional<QString> icon = text(a, "icon"))
        input.iconPath = *icon;
    if (a.contains(QStringLiteral("category"))) {
        const std::optional<qint64> id = number(a, "category");
        // The editor offers only existing categories, and "None" (0).
        bool known = id && *id == 0;
        for (const allowedWebsiteCategory& c : settings().allowedWebsitesCategories)
            known = known || (id && c.categoryId == *id);
        if (!known)
            return ControlReply::refused(QStringLiteral("there is no category with id %1; \"korvelctl categories list\" shows them\n")
                                             .arg(id ? QString::number(*id) : a.value(QStringLiteral("category")).toVariant().toString()));
        input.categoryId = *id;
    }
    for (const Switch& s : siteSwitches) {
        if (const std::optional<bool> on = flag(a, s.name))
            input.*s.member = *on;
    }
    return std::nullopt;
}

// The index of the website stored under the address `input` would be stored as.
std::optional<qsizetype> listedIndex(const AllowedWebsiteInput& input)
{
    const std::optional<QUrl> url = WebsiteAddress::getURLFromString(input.url.trimmed(), input.protocol);
    if (!url)
        return std::nullopt;
    const QString stored = url->toString(QUrl::FullyEncoded);
    const QList<allowedWebsite>& sites = settings().allowedWebsites;
    for (qsizetype i = 0; i < sites.size(); ++i) {
        if (sites.at(i).url == stored)
            return i;
    }
    return std::nullopt;
}

// The input of an edit of record `index` as the record stands now, in this process, so that only
// what a command gives changes; blank past the end, which the editing refuses with its own message.
template <typename Input, typename Record>
Input asItStands(const QList<Record>& records, qint64 index)
{
    return index < records.size() ? Input::fromRecord(records.at(index)) : Input{};
}

void sitesAdd(const Arguments& a, ControlPerformer&, const Done& done)
{
    AllowedWebsiteInput input;
    const std::optional<QString> url = text(a, "url");
    if (!url)
        return done(missing("url"));
    input.url = *url;
    takeProtocolFromAddress(input);
    if (const std::optional<ControlReply> refusal = applySiteOptions(a, input))
        return done(*refusal);
    // An address listed already is refused (a second run of a provisioning script would add it twice
    // and take the start page from the one chosen since), or changed when "update" is given.
    if (const std::optional<qsizetype> listed = listedIndex(input)) {
        if (!flag(a, "update").value_or(false))
            return done(ControlReply::refused(QStringLiteral("%1 is already listed (index %2); add --update to change it\n")
                                                  .arg(settings().allowedWebsites.at(*listed).url)
                                                  .arg(*listed)));
        AllowedWebsiteInput changed = AllowedWebsiteInput::fromRecord(settings().allowedWebsites.at(*listed));
        if (const std::optional<ControlReply> refusal = applySiteOptions(a, changed))
            return done(*refusal);
        return done(fromEdit(AllowedWebsiteEditing::save(settings(), changed, *listed)));
    }
    done(fromEdit(AllowedWebsiteEditing::save(settings(), input)));
}

void sitesUpdate(const Arguments& a, ControlPerformer&, const Done& done)
{
    const std::optional<qint64> index = number(a, "index");
    if (!index)
        return done(missing("index"));
    AllowedWebsiteInput input = asItStands<AllowedWebsiteInput>(settings().allowedWebsites, *index);
    if (const std::optional<QString> url = text(a, "url")) {
        input.url = *url;
        takeProtocolFromAddress(input);
    }
    if (const std::optional<ControlReply> refusal = applySiteOptions(a, input))
        return done(*refusal);
    done(fromEdit(AllowedWebsiteEditing::save(settings(), input, *index)));
}

void sitesRemove(const Arguments& a, ControlPerformer&, const Done& done)
{
    const std::optional<qint64> index = number(a, "index");
    done(index ? fromEdit(AllowedWebsiteEditing::remove(settings(), *index)) : missing("index"));
}

void categoriesSave(const Arguments& a, const Done& done, bool adding)
{
    const std::optional<QString> title = text(a, "title");
    if (!title)
        return done(missing("title"));
    CategoryInput input;
    std::optional<qsizetype> index;
    if (!adding) {
        const std::optional<qint64> at = number(a, "index");
        if (!at)
            return done(missing("index"));
        index = *at;
        input = asItStands<CategoryInput>(settings().allowedWebsitesCategories, *at);
    }
    input.title = *title;
    if (const std::optional<QString> icon = text(a, "icon"))
        input.iconPath = *icon;
    done(fromEdit(CategoryEditing::save(settings(), input, index)));
}

void categoriesAdd(const Arguments& a, ControlPerformer&, const Done& done)
{
    categoriesSave(a, done, true);
}

void categoriesRename(const Arguments& a, ControlPerformer&, const Done& done)
{
    categoriesSave(a, done, false);
}

void categoriesRemove(const Arguments& a, ControlPerformer&, const Done& done)
{
    const std::optional<qint64> index = number(a, "index");
    done(index ? fromEdit(CategoryEditing::remove(settings(), *index)) : missing("index"));
}

void blockedSave(const Arguments& a, const Done& done, bool adding)
{
    const std::optional<QString> url = text(a, "url");
    if (!url)
        return done(missing("url"));
    BlockedWebsiteInput input;
    std::optional<qsizetype> index;
    if (!adding) {
        const std::optional<qint64> at = number(a, "index");
        if (!at)
            return done(missing("index"));
        index = *at;
        input = asItStands<BlockedWebsiteInput>(settings().blockedWebsites, *at);
    }
    input.url = *url;
    if (const std::optional<QString> protocol = text(a, "protocol")) {
        const std::optional<WebsiteProtocol> parsed = protocolNamed(*protocol);
        if (!parsed)
            return done(ControlReply::refused(QStringLiteral("unknown protocol \"%1\"; use http, https or file\n").arg(*protocol)));
        input.protocol = *parsed;
    }
    done(fromEdit(BlockedWebsiteEditing::save(settings(), input, index)));
}

void blockedAdd(const Arguments& a, ControlPerformer&, const Done& done)
{
    blockedSave(a, done, true);
}

void blockedUpdate(const Arguments& a, ControlPerformer&, const Done& done)
{
    blockedSave(a, done, false);
}

void blockedRemove(const Arguments& a, ControlPerformer&, const Done& done)
{
    const std::optional<qint64> index = number(a, "index");
    done(index ? fromEdit(BlockedWebsiteEditing::remove(settings(), *index)) : missing("index"));
}

// What learn mode recorded, added to the websites' "also allowed for loading" lists.
void learnApply(const Arguments&, ControlPerformer&, const Done& done)
{
    QString error;
    const std::optional<LearnedLoads> records = LoadLearning::read(LoadLearning::defaultPath(), &error);
    if (!records)
        return done(ControlReply::failed(ExitStatus::Failed, error + QStringLiteral("; nothing was changed\n")));
    KVSettings& s = settings();
    const QList<LearnedAddition> additions = LoadLearning::additions(s, *records);
    LoadLearning::apply(s, additions);
    if (!additions.isEmpty() && !s.save())
        return done(ControlReply::failed(ExitStatus::Failed, QStringLiteral("the settings could not be saved\n")));
    done(ControlReply::done(QStringLiteral("%1 hosts added.\n").arg(additions.size())));
}

void advancedSet(const Arguments& a, ControlPerformer&, const Done& done)
{
    KVSettings& s = settings();
    KVBrowserPrefSettings input = s.kvBrowPref;
    if (const std::optional<bool> on = flag(a, "allowAll"))
        input.allowAllWebsites = *on;
    if (const std::optional<bool> on = flag(a, "contentBlocking"))
        input.allowContentBlocking = *on;
    if (const std::optional<QString> keywords = text(a, "keywords"))
        input.strBlockedKeyWord = *keywords;
    // Where the screen would keep the administrator with an alert, nothing is saved.
    if (const std::optional<QString> refusal = AdvancedSettingsEditing::leaveRefusal(input))
        return done(ControlReply::refused(line(*refusal)));
    done(fromEdit(AdvancedSettingsEditing::save(s, input)));
}

void iconsReset(const Arguments&, ControlPerformer&, const Done& done)
{
    done(fromEdit(IconLayout::reset(settings(), UserDefaults::standard())));
}

// --- Password, downloads ---------------------------------------------------------------------------

void passwordSet(const Arguments& a, ControlPerformer&, const Done& done)
{
    const std::optional<QString> password = text(a, "password");
    if (!password)
        return done(missing("password"));
    const bool wasDamaged = PasswordStore::readPassword().state == PasswordState::Damaged;
    // Whoever may send commands can read and write the home anyway: a damaged store is replaced.
    switch (AdminPassword::change(*password, *password, DamagedStore::Replace)) {
    case PasswordChange::Changed:
        return done(ControlReply::done(
            (wasDamaged ? QStringLiteral("The damaged password store was set aside as %1.damaged\n").arg(Paths::keychainFile()) : QString())
            + QStringLiteral("The administrator password is changed.\n")));
    case PasswordChange::Empty:
        return done(ControlReply::refused(QStringLiteral("refused: an empty password would open the settings to anyone\n")));
    case PasswordChange::Mismatch:
        return done(ControlReply::refused(QStringLiteral("refused: the two entries differ\n")));
    case PasswordChange::NotSaved:
        break;
    }
    done(ControlReply::failed(ExitStatus::Failed, QStringLiteral("the password could not be written to %1\n").arg(Paths::keychainFile())));
}

void downloadsClear(const Arguments&, ControlPerformer&, const Done& done)
{
    KVSettings& s = settings();
    s.arrDownloadHistory.clear();
    if (!s.save())
        return done(ControlReply::failed(ExitStatus::Failed, QStringLiteral("the settings could not be written\n")));
    KVLog(settingsCategory, QStringLiteral("Download history cleared"));
    done(ControlReply::done());
}

// --- Import, export, reset -------------------------------------------------------------------------

void exportFile(const Arguments& a, ControlPerformer&, const Done& done)
{
    const std::optional<QString> name = text(a, "name");
    if (!name)
        return done(missing("name"));
    // "password": the administrator password, checked, written readable ("Password") instead of its hash.
    const std::optional<QString> password = text(a, "password");
    if (a.contains(QStringLiteral("password")) && !password)
        return done(ControlReply::refused(QStringLiteral("\"password\" must be text\n")));
    ControlReply reply = fromTransfer(ImportExport::exportToFile(*name, password));
    if (password && reply.status == ExitStatus::Done)
        reply.error += QStringLiteral("Warning: %1 holds the administrator password readable (Base64). Anyone who reads the file "
                                      "has the password: hand it over directly and delete it afterwards.\n")
                           .arg(*name);
    done(reply);
}

void exportPellmor(const Arguments&, ControlPerformer&, const Done& done)
{
    const ImportExport::PellmorResult result = ImportExport::exportForPellmor();
    if (!result.written)
        return done(ControlReply::refused(QStringLiteral("Korvel_PellmorConfig.txt could not be written\n")));
    done(ControlReply::done(line(result.alert.message) + line(result.path)));
}

bool isWebAddress(const QString& text)
{
    return text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) || text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

void importSettings(const Arguments& a, ControlPerformer& performer, const Done& done)
{
    const std::optional<QString> source = text(a, "source");
    if (!source)
        return done(missing("source"));
    // The command set speaks for whoever reaches it (korvelctl, later a remote API): its documents
    // come from outside and must be signed once keys are trusted.
    if (!isWebAddress(*source))
        return done(fromTransfer(ImportExport::importFromFile(*source, DocumentSource::Kind::Command)));
    // The screen's own asynchronous import.
    auto* import = new URLImport(&performer);
    QObject::connect(import, &URLImport::finished, import, [import, done](const TransferResult& result) {
        import->deleteLater();
        done(fromTransfer(result));
    });
    import->importfromURL(*source);
}

void reset(const Arguments&, ControlPerformer&, const Done& done)
{
    ImportExport::resetQuestionShown();
    done(fromTransfer(ImportExport::resetToDefaults()));
}

// --- Dry runs, history, rollback ----------------------------------------------------------------------

QString previewText(const ImportPreview& preview, const QString& what)
{
    QString out = QStringLiteral("Document: %1\nFingerprint: %2\nSignature: %3\n").arg(what, preview.document, preview.signature);
    if (preview.fit) {
        out += QStringLiteral("What it would change:\n");
        for (const QString& change : preview.changes)
            out += QStringLiteral("  ") + change + QLatin1Char('\n');
        if (!preview.notImported.isEmpty())
            out += QStringLiteral("Not imported, not part of the settings: ") + preview.notImported.join(QStringLiteral(", ")) + QLatin1Char('\n');
    }
    if (!preview.problem.isEmpty())
        out += QStringLiteral("It would change nothing: ") + preview.problem + QLatin1Char('\n');
    return out + QStringLiteral("Dry run: nothing was changed.\n");
}

ControlReply fromPreview(const ImportPreview& preview, const QString& what)
{
    const QString text = previewText(preview, what);
    return preview.fit && !preview.refused ? ControlReply::done(text) : ControlReply{ExitStatus::Refused, text, {}};
}

void importCheck(const Arguments& a, ControlPerformer& performer, const Done& done)
{
    const std::optional<QString> source = text(a, "source");
    if (!source)
        return done(missing("source"));
    if (!isWebAddress(*source)) {
        QString refused;
        const std::optional<QVariantMap> document = ImportExport::readDocumentFile(*source, &refused);
        if (!document)
            return done(ControlReply::refused(line(refused)));
        return done(fromPreview(ImportExport::preview(*document, {DocumentSource::Kind::Command, *source}, ImportExport::Mode::Merge), *source));
    }
    auto* fetch = new URLImport(&performer);
    const QString address = *source;
    QObject::connect(fetch, &URLImport::fetched, fetch, [fetch, done, address](const QVariantMap& document) {
        fetch->deleteLater();
        done(fromPreview(ImportExport::preview(document, {DocumentSource::Kind::URL, address}, ImportExport::Mode::Merge), address));
    });
    QObject::connect(fetch, &URLImport::finished, fetch, [fetch, done](const TransferResult& result) {
        fetch->deleteLater();
        done(ControlReply::refused(line(result.alert.message)));
    });
    fetch->fetchDocument(*source);
}

void managedCheck(const Arguments& a, ControlPerformer&, const Done& done)
{
    const std::optional<QString> settingsXML = text(a, "settingsXML");
    if (!settingsXML)
        return done(missing("settingsXML"));
    const bool enforced = flag(a, "enforced").value_or(false);
    const QString what = text(a, "file").value_or(Paths::managedConfigurationFile());
    const ManagedConfiguration::Parsed parsed = ManagedConfiguration::parse(*settingsXML);
    const QString sum = ManagedConfiguration::checksum(*settingsXML);
    const bool seen = sum == UserDefaults::standard().objectForKey(QLatin1String(ManagedConfiguration::checksumKey)).toString();
    QString head = QStringLiteral("Checksum: %1 (%2)\nEnforced: %3\n")
                       .arg(sum,
                            seen ? QStringLiteral("applied or refused here before: taken again only when enforced, at a start")
                                 : QStringLiteral("new here: taken at the next look"),
                            enforced ? QStringLiteral("yes, the document wins over changes made on the device at every start")
                                     : QStringLiteral("no"));
    if (!parsed.document)
        return done(ControlReply{ExitStatus::Refused, head + QStringLiteral("It would change nothing: \"SettingsXML\" is no settings document: %1\n").arg(parsed.error), {}});
    const ControlReply reply =
        fromPreview(ImportExport::preview(*parsed.document, {DocumentSource::Kind::Managed, what}, ImportExport::Mode::Replace), what);
    done(ControlReply{reply.status, head + reply.output, reply.error});
}

void settingsHistory(const Arguments&, ControlPerformer&, const Done& done)
{
    QStringList problems;
    const QList<SettingsHistoryEntry> entries = SettingsHistory::entries(&problems);
    const QString inForce = SettingsFingerprint::of(UserDefaults::standard().applicationDomain());
    QString out;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const SettingsHistoryEntry& e = entries.at(i);
        out += QStringLiteral("%1  %2  %3%4\n    settings %5\n")
                   .arg(i)
                   .arg(e.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), e.source,
                        e.fingerprint == inForce ? QStringLiteral("  [in force]") : QString(), e.fingerprint);
        if (!e.document.isEmpty())
            out += QStringLiteral("    document %1%2\n")
                       .arg(e.document, SettingsHistory::withdrawnAt(e.document) ? QStringLiteral(" (withdrawn by a rollback)") : QString());
    }
    if (entries.isEmpty())
        out = QStringLiteral("No settings were applied on this kiosk yet: the history begins with the first import.\n");
    QString error;
    for (const QString& problem : std::as_const(problems))
        error += QStringLiteral("unreadable entry left out: ") + problem + QLatin1Char('\n');
    done(ControlReply{ExitStatus::Done, out, error});
}

void settingsRollback(const Arguments& a, ControlPerformer&, const Done& done)
{
    qint64 index = 1;
    if (a.contains(QStringLiteral("index"))) {
        const std::optional<qint64> given = number(a, "index");
        if (!given)
            return done(ControlReply::refused(QStringLiteral("the index is a number from \"korvelctl settings history\"\n")));
        index = *given;
    }
    const QList<SettingsHistoryEntry> entries = SettingsHistory::entries();
    if (index >= entries.size())
        return done(ControlReply::refused(entries.isEmpty() ? QStringLiteral("the settings history is empty: nothing to go back to\n")
                                                            : QStringLiteral("the settings history has entries 0 to %1\n").arg(entries.size() - 1)));
    const SettingsHistoryEntry& target = entries.at(index);
    if (target.fingerprint == SettingsFingerprint::of(UserDefaults::standard().applicationDomain())
        && target.passwordHash == PasswordStore::passwordHashForDocument())
        return done(ControlReply::refused(QStringLiteral("entry %1 holds the settings in force; nothing to do\n").arg(index)));
    const ImportOutcome outcome = ImportExport::rollBack(target.sequence, QStringLiteral("asked for by the administrator"));
    if (!outcome)
        return done(ControlReply::failed(ExitStatus::Failed, QStringLiteral("the settings were not rolled back, nothing changed: %1\n").arg(outcome.reason)));
    ImportExport::postImportSteps(QStringLiteral("Import"));
    done(ControlReply::done(QStringLiteral("The settings of %1 (%2) are in force again.\n")
                                .arg(target.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), target.source)));
}

// --- Cloud ------------------------------------------------------------------------------------------

ControlReply fromCloud(const CloudTransfer::Outcome& outcome)
{
    const QString text = outcome.title + QStringLiteral(": ") + outcome.message + QLatin1Char('\n');
    return outcome.ok ? ControlReply::done(text) : ControlReply::refused(text);
}

void cloudExchange(const Arguments& a, ControlPerformer& performer, const Done& done, bool exporting)
{
    const std::optional<QString> id = text(a, "id");
    if (!exporting && !id)
        return done(missing("id"));
    if (id && !CloudTransfer::isValidID(*id))
        return done(ControlReply::refused(QLatin1String(CloudTransfer::invalidIDText) + QLatin1Char('\n')));
    auto* request = new KVCloudRequest(&performer);
    if (const std::optional<QString> service = text(a, "service")) {
        QString error;
        const std::optional<QUrl> url = CloudService::parseAddress(*service, &error);
        if (!url) {
            request->deleteLater();
            return done(ControlReply::refused(line(error)));
        }
        request->setServiceAddress(*url);
    }
    const auto finished = [request, done, id, exporting](const QString& message, bool success) {
        request->deleteLater();
        if (!exporting)
            return done(fromCloud(CloudTransfer::importedFromID(*id, message, success)));
        done(fromCloud(id ? CloudTransfer::exportedToID(*id, message, success)
                          : CloudTransfer::newIDExported(request->ID, message, success)));
    };
    request->exportCallback = finished;
    request->cloudReqCallback = finished;
    request->importCallback = finished;
    if (!exporting)
        request->importFromID(*id);
    else
        request->exportToID(id ? *id : QLatin1String(KVCloudRequest::newIDFromExportScreen), false);
}

void cloudExport(const Arguments& a, ControlPerformer& performer, const Done& done)
{
    cloudExchange(a, performer, done, true);
}

void cloudImport(const Arguments& a, ControlPerformer& performer, const Done& done)
{
    cloudExchange(a, performer, done, false);
}

// --- Automatic import -------------------------------------------------------------------------------

void autoImportSet(const Arguments& a, ControlPerformer&, const Done& done)
{
    const std::optional<QString> source = text(a, "source");
    const std::optional<QString> location = text(a, "location");
    if (!source || !location)
        return done(missing(!source ? "source" : "location"));
    const KVAutoImportSettings& current = settings().kvAutoImport;
    KVAutoImport::Section section{true, 0, QString(), QString::number(current.periodicity < 1 ? 1 : current.periodicity)};
    if (a.contains(QStringLiteral("minutes"))) {
        const std::optional<qint64> minutes = number(a, "minutes");
        if (!minutes || *minutes < 1 || *minutes > 1000)
            return done(ControlReply::refused(QStringLiteral("the period is 1 to 1000 minutes\n")));
        section.period = QString::number(*minutes);
    }
    if (*source == QLatin1String("file")) {
        // The automatic import reads only files of Documents.
        if (const std::optional<DocumentName::Refusal> refusal = DocumentName::nameRefusal(*location))
            return done(ControlReply::refused(QStringLiteral("the file name cannot be used: %1\n").arg(DocumentName::refusalText(*refusal))));
        section.source = 0;
        section.path = *location;
    } else if (*source == QLatin1String("url")) {
        const QUrl url(*location);
        if (!isWebAddress(*location) || !url.isValid() || url.host().isEmpty())
            return done(ControlReply::refused(QStringLiteral("the address must be an http or https URL\n")));
        section.source = 2;
        section.path = *location;
    } else if (*source == QLatin1String("cloud")) {
        if (!CloudTransfer::isValidID(*location))
            return done(ControlReply::refused(QLatin1String(CloudTransfer::invalidIDText) + QLatin1Char('\n')));
        section.source = 1;
        section.cloudID = *location;
    } else {
        return done(ControlReply::refused(QStringLiteral("the source is file, url or cloud\n")));
    }
    if (!KVAutoImport::storeSection(section))
        return done(ControlReply::failed(ExitStatus::Failed, QStringLiteral("the settings could not be saved\n")));
    // Said now rather than found in the log at the first tick.
    const std::optional<DocumentOrigin> origin = section.source == 0 ? ImportExport::documentOrigin(section.path) : std::nullopt;
    if (origin && !DocumentOrigins::trustedForImport(*origin))
        return done(ControlReply::done(ImportExport::untrustedText(section.path, *origin) + QLatin1Char('\n')));
    done(ControlReply::done());
}

void autoImportOff(const Arguments&, ControlPerformer&, const Done& done)
{
    const KVAutoImportSettings& current = settings().kvAutoImport;
    const int source = current.importFrom == 0 || current.importFrom == 1 ? current.importFrom : 2;
    KVAutoImport::Section section{false, source, source == 0 ? current.fileAutoImport : current.urlAutoImport,
                                  QString::number(current.periodicity)};
    done(KVAutoImport::storeSection(section) ? ControlReply::done()
                                             : ControlReply::failed(ExitStatus::Failed, QStringLiteral("the settings could not be saved\n")));
}

// --- The running kiosk, a settings document given whole, the log ----------------------------------

ControlPerformer::Kiosk& kiosk()
{
    static ControlPerformer::Kiosk performer;
    return performer;
}

void kioskCommand(const QString& name, const Arguments& a, const Done& done)
{
    if (!kiosk())
        return done(ControlReply::failed(ExitStatus::Failed, QStringLiteral("only the running kiosk performs \"%1\"\n").arg(name)));
    kiosk()(ControlCommand{name, a}, done);
}

#define KIOSK_COMMAND(function, name) \
    void function(const Arguments& a, ControlPerformer&, const Done& done) { kioskCommand(QStringLiteral(name), a, done); }
KIOSK_COMMAND(kioskStatus, "kiosk.status")
KIOSK_COMMAND(kioskScreenshot, "kiosk.screenshot")
KIOSK_COMMAND(kioskNavigate, "kiosk.navigate")
KIOSK_COMMAND(kioskReload, "kiosk.reload")
KIOSK_COMMAND(kioskHome, "kiosk.home")
KIOSK_COMMAND(kioskEndVisit, "kiosk.end-visit")
KIOSK_COMMAND(kioskScreen, "kiosk.screen")
KIOSK_COMMAND(kioskScreensaver, "kiosk.screensaver")
KIOSK_COMMAND(kioskRestart, "kiosk.restart")
#undef KIOSK_COMMAND

// A settings document sent whole (base64 of its bytes): the same checks and all-or-nothing as an
// import from an address.
void settingsApply(const Arguments& a, ControlPerformer&, const Done& done)
{
    const std::optional<QString> encoded = text(a, "document");
    if (!encoded)
        return done(missing("document"));
    const QByteArray bytes = QByteArray::fromBase64(encoded->toLatin1());
    SettingsDocument::ParsedDocument parsed = SettingsDocument::readSettingsDocument(bytes);
    if (!parsed.document)
        return done(ControlReply::refused(QStringLiteral("not a settings document (%1); nothing was changed\n").arg(parsed.error)));
    const ImportOutcome outcome =
        ImportExport::applySettingsDocument(*parsed.document, {DocumentSource::Kind::Command, QStringLiteral("remote control")}, false);
    if (!outcome)
        return done(ControlReply::refused(QStringLiteral("The settings could not be imported (%1). Nothing was changed.\n").arg(outcome.reason)));
    ImportExport::postImportSteps(QStringLiteral("Import"));
    done(ControlReply::done(QStringLiteral("Settings imported successfully.\n")));
}

// The event log from `since` on ("yyyy-MM-dd HH:mm:ss", local time; nothing: all of it), as JSON.
void logRead(const Arguments& a, ControlPerformer&, const Done& done)
{
    const QString since = text(a, "since").value_or(QString());
    if (!since.isEmpty() && !QDateTime::fromString(since, QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid()
        && !QDateTime::fromString(since, Qt::ISODate).isValid())
        return done(ControlReply::refused(QStringLiteral("\"since\" is a time as yyyy-MM-dd HH:mm:ss\n")));
    const QString from = since.isEmpty() ? QString()
                         : QDateTime::fromString(since, QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid()
                             ? since
                             : QDateTime::fromString(since, Qt::ISODate).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QJsonArray entries;
    for (const LogEntry& entry : LogQuery{}.run()) {
        if (!from.isEmpty() && entry.date < from)
            continue;
        entries.append(QJsonObject{{QStringLiteral("date"), entry.date}, {QStringLiteral("category"), entry.category},
                                   {QStringLiteral("event"), entry.event}});
    }
    done(ControlReply::done(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("entries"), entries}}).toJson(QJsonDocument::Compact))));
}

struct Entry {
    const char* name;
    Handler handler;
    int timeoutSeconds;
    bool changes = true;  // false: it only reads, nothing follows it
};

// The network's commands wait up to the cloud's five minutes; the rest answer at once.
const Entry entries[] = {
    {"pref.set", prefSet, 30},
    {"sites.add", sitesAdd, 30},
    {"sites.update", sitesUpdate, 30},
    {"sites.remove", sitesRemove, 30},
    {"categories.add", categoriesAdd, 30},
    {"categories.rename", categoriesRename, 30},
    {"categories.remove", categoriesRemove, 30},
    {"blocked.add", blockedAdd, 30},
    {"blocked.update", blockedUpdate, 30},
    {"blocked.remove", blockedRemove, 30},
    {"advanced.set", advancedSet, 30},
    {"learn.apply", learnApply, 30},
    {"icons.reset", iconsReset, 30},
    {"password.set", passwordSet, 30},
    {"downloads.clear", downloadsClear, 30},
    {"export", exportFile, 120},
    {"export.pellmor", exportPellmor, 120},
    {"import", importSettings, 330},
    {"import.check", importCheck, 330, false},
    {"managed.check", managedCheck, 30, false},
    {"settings.history", settingsHistory, 30, false},
    {"settings.rollback", settingsRollback, 30},
    {"reset", reset, 30},
    {"cloud.export", cloudExport, 330},
    {"cloud.import", cloudImport, 330},
    {"autoimport.set", autoImportSet, 30},
    {"autoimport.off", autoImportOff, 30},
    {"kiosk.status", kioskStatus, 10, false},
    {"kiosk.screenshot", kioskScreenshot, 10, false},
    {"kiosk.navigate", kioskNavigate, 10, false},
    {"kiosk.reload", kioskReload, 10, false},
    {"kiosk.home", kioskHome, 10, false},
    {"kiosk.end-visit", kioskEndVisit, 10, false},
    {"kiosk.screen", kioskScreen, 10, false},
    {"kiosk.screensaver", kioskScreensaver, 10, false},
    {"kiosk.restart", kioskRestart, 10, false},
    {"settings.apply", settingsApply, 30},
    {"log.read", logRead, 30, false},
};

const Entry* entryFor(const QString& name)
{
    for (const Entry& entry : entries) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

}  // namespace

void ControlPerformer::setKiosk(Kiosk kioskPerformer)
{
    kiosk() = std::move(kioskPerformer);
}

ControlPerformer::ControlPerformer(QObject* parent)
    : QObject(parent)
{
}

QStringList ControlPerformer::commands()
{
    QStringList names;
    for (const Entry& entry : entries)
        names.append(QLatin1String(entry.name));
    return names;
}

int ControlPerformer::timeoutSeconds(const QString& command)
{
    const Entry* entry = entryFor(command);
    return entry ? entry->timeoutSeconds : 30;
}

void ControlPerformer::perform(const ControlCommand& command, const QString& who, Done done)
{
    const Entry* entry = entryFor(command.name);
    if (!entry) {
        KVLog(settingsCategory, QStringLiteral("Command refused from %@: unknown command %@"), who, command.name);
        done(ControlReply::refused(QStringLiteral("unknown command \"%1\"\n").arg(command.name)));
        return;
    }
    KVLog(settingsCategory, QStringLiteral("Command from %@: %@"), who, command.name);
    // Files the command writes into Documents (exports) are korvelctl's, not the device screen's.
    const DocumentOrigins::AdministratorScope administrator(DocumentOrigin::Korvelctl);
    QPointer<ControlPerformer> self(this);
    Done finish = [self, command, changes = entry->changes, done = std::move(done)](const ControlReply& reply) {
        if (self && changes && reply.status != ExitStatus::Refused)
            Q_EMIT self->settingsChanged(command.name, command.arguments);
        done(reply);
    };
    // The preference changes the command makes are the sender's, also those of an import.
    const KVSettings::ChangeSource source(who);
    entry->handler(command.arguments, *this, finish);
}

}  // namespace korvel

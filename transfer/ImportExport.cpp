#include "transfer/ImportExport.h"

#include "log/KVLog.h"
#include "platform/AtomicFile.h"
#include "platform/DocumentName.h"
#include "platform/FileBytes.h"
#include "platform/FormatString.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/PlistValue.h"
#include "settings/TalvexUtils.h"
#include "transfer/EmbeddedFiles.h"
#include "transfer/SettingsDocument.h"
#include "transfer/UploadServerControl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// Puts a document into effect, whole or not at all; the reason it changed nothing, or the null text
// once it is in effect. The new store, the password and the embedded files are all written first
// and then put in place together.
QString takeDocument(const QVariantMap& document, ImportExport::Mode mode, bool isFromAutoImport, FilesInDocument filesInDocument,
                     const ImportExport::Record& record)
{
    const QString unfit = Utils::settingsDocumentError(document);
    if (!unfit.isNull())
        return unfit;
    const QString allowedKey = key(KVSettings::allowedWebsitesKey);
    const QString categoryKey = key(KVSettings::allowedWebsitesCategoryKey);
    const QString blockedKey = key(KVSettings::blockedWebsitesKey);
    const QString historyKey = key(KVSettings::downloadHistoryKey);
    const QString preferencesKey = key(KVSettings::browserPreferencesKey);
    const QString autoImportKey = key(KVSettings::autoImportKey);

    // What the document's lists log is written only once they are in effect.
    Utils::DeferredLog lines;
    QStringList ignored;
    QStringList outOfRange;
    QStringList taken{allowedKey, categoryKey, blockedKey, historyKey, preferencesKey};
    UserDefaults& defaults = UserDefaults::standard();
    QVariantMap domain = defaults.applicationDomain();
    const auto preferences = document.constFind(preferencesKey);
    switch (mode) {
    case ImportExport::Mode::Merge: {
        const QVariantList allowed = Utils::parsingAllowedWebsiteData(document.value(allowedKey).toList(), isFromAutoImport, &lines);
        // A document without allowed websites leaves them; categories and blocked websites it
        // lacks are emptied.
        if (document.contains(allowedKey))
            domain.insert(allowedKey, allowed);
        domain.insert(categoryKey, Utils::parsingCategoryData(document.value(categoryKey).toList(), isFromAutoImport, &lines));
        domain.insert(blockedKey, Utils::parsingBlockedWebsiteData(document.value(blockedKey).toList(), &lines));
        if (document.contains(historyKey))
            domain.insert(historyKey, document.value(historyKey));
        if (preferences != document.constEnd())
            domain.insert(preferencesKey, schemaPreferences(preferences->toMap(), &ignored, &outOfRange));
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
            domain.insert(preferencesKey, schemaPreferences(preferences->toMap(), &ignored, &outOfRange));
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
            ignored.append(it.key());
    }

    FileTransaction transaction;
    // The files first, beside their targets: a full disk here leaves everything as it was.
    EmbeddedFiles files(Paths::documentsDirectory());
    if (filesInDocument == FilesInDocument::Restore && !files.stage(document, EmbeddedFiles::OnFailure::Stop))
        return QStringLiteral("an embedded file could not be written");
    const QStringList written = files.moveInto(transaction);
    // A document without a password leaves the stored one.
    if (preferences != document.constEnd()) {
        const QString password = PlistValue::stringValue(preferences->toMap().value(QStringLiteral("Password")));
        if (!password.isNull()) {
            QString error;
            std::unique_ptr<AtomicFile> staged = TalvexUtils::stagePassword(password, &error);
            if (!staged)
                return error;
            transaction.add(std::move(staged));
        }
    }
    QString notSaved;
    if (!defaults.commitApplicationDomain(domain, transaction, &notSaved))
        return QStringLiteral("the settings could not be saved: ") + notSaved;

    EmbeddedFiles::logWritten(written);
    Utils::writeLog(lines);
    {
        const KVSettings::ChangeSource source(QStringLiteral("import"));
        KVSettings::getSettingsObject().load();
    }
    for (const QString& name : std::as_const(outOfRange)) {
        const KVBrowserPrefSettings::Range range = *KVBrowserPrefSettings::fieldForKey(name)->range;
        KVLog(importCategory, QStringLiteral("%@ was outside %@ to %@; the factory value is used"), name,
              QString::number(range.minimum), QString::number(range.maximum));
    }
    if (!ignored.isEmpty())
        KVLog(importCategory, QStringLiteral("Not imported, not part of the settings: %@"), ignored.join(QStringLiteral(", ")));
    return {};
}

}  // namespace

void ImportExport::setServerControl(UploadServerControl* control)
{
    installedServer() = control;
}

bool ImportExport::applySettingsDocument(const QVariantMap& document, bool isFromAutoImport, FilesInDocument files, const Record& record,
                                         QString* reason)
{
    const QString failure = takeDocument(document, Mode::Merge, isFromAutoImport, files, record);
    if (failure.isNull())
        return true;
    KVLog(importCategory, QStringLiteral("Settings not imported, nothing changed: %@"), failure);
    if (reason)
        *reason = failure;
    return false;
}

bool ImportExport::replaceSettings(const QVariantMap& document, QString* reason)
{
    const QString failure = takeDocument(document, Mode::Replace, false, FilesInDocument::Restore, {});
    if (reason)
        *reason = failure;
    return failure.isNull();
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

TransferResult ImportExport::exportToFile(const QString& typedName)
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
    QString error;
    if (!writeDocumentFile(target.path, Utils::settingsDocumentXML(Utils::buildSettingsDocument()), &error)) {
        KVLog(exportCategory, QStringLiteral("Settings not exported to file %@: %@"), name, error);
        return refusal(formatString(QStringLiteral("Settings could not be exported to file %@: %@"), name, error));
    }
    KVLog(exportCategory, QStringLiteral("Settings Exported to File succeddfully"));
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvAutoImport.fileExport = name;
    settings.save();
    return {true,
            {korvelTitle, formatString(QStringLiteral("Settings exported successfully to file %@ in Korvel documents folder. Connect "
                                                      "this device to a Mac/PC and use iTunes to access this file."),
                                       name)}};
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
    const QByteArray xml = Utils::settingsDocumentXML(Utils::buildSettingsDocument());
    if (writeDocumentFile(plist.path, xml, &error)) {
        if (QFileInfo::exists(txt.path) || QFileInfo(txt.path).isSymLink()) {
            KVLog(exportCategory, QStringLiteral("existing KV_PellmorConfig.txt file is present so app is removing it."));
            QFile::remove(txt.path);
        }
        const QByteArray text = Utils::pellmorText(xml).toUtf8();
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

static TransferResult untrustedFile(const QString& name, DocumentOrigin origin)
{
    KVLog(importCategory, QStringLiteral("Import refused, %@"), ImportExport::untrustedText(name, origin));
    return refusal(formatString(QStringLiteral("%@ was not imported: it was %@. Only files saved by the settings, placed with korvelctl or "
                                               "uploaded with the access code are imported. Nothing was changed."),
                                name, DocumentOrigins::describe(origin)));
}

TransferResult ImportExport::importFromFile(const QString& typedName)
{
    if (typedName.isEmpty())
        return refusal(emptyFieldText, {});
    const DocumentPath source = documentPath(typedName, importCategory);
    if (source.refusal)
        return nameRefusal(typedName, *source.refusal);
    if (!QFileInfo(source.path).isFile()) {
        KVLog(importCategory, QStringLiteral("Import before Export : File not found"));
        return refusal(QStringLiteral("File Not Found!! Please export settings to file for an import."));
    }
    // Only a file the administrator placed (or uploaded with the access code) is taken as settings:
    // a page's download or an upload without the code must never become the kiosk's settings.
    const DocumentOrigins origins = DocumentOrigins::forHome();
    QString version;
    const DocumentOrigin origin = origins.originOf(source.path, &version);
    if (!DocumentOrigins::trustedForImport(origin))
        return untrustedFile(typedName, origin);
    Utils::ParsedDocument parsed;
    {
        // The bytes are given back as the parser passes them and are gone before the document is
        // applied: a large document is never held whole next to what was read out of it.
        std::optional<FileBytes> file = FileBytes::read(source.path, &parsed.error);
        if (file)
            parsed = Utils::readSettingsDocument(file->bytes(), [&](const char* upTo) { file->release(upTo); });
    }
    if (!origins.unchanged(source.path, version))
        return untrustedFile(typedName, DocumentOrigin::Unknown);
    if (!parsed.document) {
        KVLog(importCategory, QStringLiteral("Import refused, %@ is not a settings document: %@"), typedName, parsed.error);
        return refusal(formatString(QStringLiteral("%@ is not a Korvel settings document (%@). Nothing was changed."), typedName,
                                    parsed.error));
    }
    QString notApplied;
    const bool applied = applySettingsDocument(*parsed.document, false, FilesInDocument::Restore,
                                               [&typedName](KVAutoImportSettings& choices) { choices.fileImport = typedName; }, &notApplied);
    parsed.document.reset();
    if (!applied)
        return refusal(formatString(QStringLiteral("The settings could not be imported (%@). Nothing was changed."), notApplied));
    KVLog(importCategory, QStringLiteral("Settings Imported from file successfully"));
    postImportSteps(importCategory);
    return {true, {korvelTitle, QStringLiteral("Settings imported successfully from file Korvel.plist in Korvel documents folder.")}};
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
    TalvexUtils::setPassword(KVHashString::stringToBase64(key(TalvexUtils::factoryPassword)), DamagedStore::Replace);
    if (UploadServerControl* server = installedServer(); server && server->isServerRunning())
        server->stopServerConnection();
    return {true, {korvelTitle, QStringLiteral("Successfully reset settings!!")}};
}

}  // namespace korvel

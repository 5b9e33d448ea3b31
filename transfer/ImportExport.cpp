#include "transfer/ImportExport.h"

#include "log/KVLog.h"
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
#include <QSaveFile>

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

// Either the old file or the complete new one, whatever happens meanwhile.
bool writeAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = file.errorString();
    return false;
}

// The merge import; the reason it changed nothing, or the null text once it is in effect.
QString applyDocument(const QVariantMap& document, bool isFromAutoImport, FilesInDocument filesInDocument = FilesInDocument::Restore)
{
    const QString unfit = Utils::settingsDocumentError(document);
    if (!unfit.isNull())
        return unfit;
    const QString allowedKey = key(KVSettings::allowedWebsitesKey);
    const QString categoryKey = key(KVSettings::allowedWebsitesCategoryKey);
    const QString blockedKey = key(KVSettings::blockedWebsitesKey);
    const QString preferencesKey = key(KVSettings::browserPreferencesKey);
    const QVariantList allowed = Utils::parsingAllowedWebsiteData(document.value(allowedKey).toList(), isFromAutoImport);
    const QVariantList categories = Utils::parsingCategoryData(document.value(categoryKey).toList(), isFromAutoImport);
    const QVariantList blocked = Utils::parsingBlockedWebsiteData(document.value(blockedKey).toList());

    // The files first, into temporary files: a full disk here leaves everything as it was.
    EmbeddedFiles files(Paths::documentsDirectory());
    if (filesInDocument == FilesInDocument::Restore && !files.stage(document, EmbeddedFiles::OnFailure::Stop))
        return QStringLiteral("an embedded file could not be written");

    UserDefaults& defaults = UserDefaults::standard();
    const QVariantMap before = defaults.applicationDomain();
    QStringList outOfRange;
    if (categories.isEmpty())
        defaults.setObject(categoryKey, QVariantList());
    if (blocked.isEmpty())
        defaults.setObject(blockedKey, QVariantList());
    for (auto it = document.cbegin(); it != document.cend(); ++it) {
        const QString& name = it.key();
        // The files are in Documents now; kept in the defaults they would be rewritten at every save.
        if (name == key(KVSettings::autoImportKey) || name == QLatin1String("Files"))
            continue;
        if (name == allowedKey) {
            defaults.setObject(name, allowed);
        } else if (name == categoryKey) {
            defaults.setObject(name, categories);
        } else if (name == blockedKey) {
            defaults.setObject(name, blocked);
        } else if (name == preferencesKey) {
            // The password goes to the password store (mode 0600), not into the defaults file.
            QVariantMap preferences = it.value().toMap();
            preferences.remove(QStringLiteral("Password"));
            outOfRange = KVBrowserPrefSettings::keepWithinRanges(preferences);
            defaults.setObject(name, preferences);
        } else {
            defaults.setObject(name, it.value());
        }
    }
    QString notSaved;
    if (!defaults.synchronize(&notSaved)) {
        defaults.setApplicationDomain(before);
        return QStringLiteral("the settings could not be saved: ") + notSaved;
    }

    // A document without a password passes none, and the stored one stays.
    TalvexUtils::setPassword(PlistValue::stringValue(document.value(preferencesKey).toMap().value(QStringLiteral("Password"))));
    files.commit();
    KVSettings::getSettingsObject().load();
    for (const QString& name : outOfRange) {
        const KVBrowserPrefSettings::Range range = *KVBrowserPrefSettings::fieldForKey(name)->range;
        KVLog(importCategory, QStringLiteral("%@ was outside %@ to %@; the factory value is used"), name,
              QString::number(range.minimum), QString::number(range.maximum));
    }
    return {};
}

}  // namespace

void ImportExport::setServerControl(UploadServerControl* control)
{
    installedServer() = control;
}

bool ImportExport::applySettingsDocument(const QVariantMap& document, bool isFromAutoImport, FilesInDocument files)
{
    const QString reason = applyDocument(document, isFromAutoImport, files);
    if (reason.isNull())
        return true;
    KVLog(importCategory, QStringLiteral("Settings not imported, nothing changed: %@"), reason);
    return false;
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
    if (!writeAtomically(target.path, Utils::settingsDocumentXML(Utils::buildSettingsDocument()), &error)) {
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
    writeAtomically(plist.path, Utils::settingsDocumentXML(Utils::buildSettingsDocument()), &error);
    QFile written(plist.path);
    if (written.open(QIODevice::ReadOnly)) {
        if (QFileInfo::exists(txt.path) || QFileInfo(txt.path).isSymLink()) {
            KVLog(exportCategory, QStringLiteral("existing KV_PellmorConfig.txt file is present so app is removing it."));
            QFile::remove(txt.path);
        }
        const QByteArray text = Utils::pellmorText(written.readAll()).toUtf8();
        written.close();
        writeAtomically(txt.path, text, &error);
        QFile::remove(plist.path);
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
    Utils::ParsedDocument parsed;
    {
        // The bytes are given back as the parser passes them and are gone before the document is
        // applied: a large document is never held whole next to what was read out of it.
        std::optional<FileBytes> file = FileBytes::read(source.path, &parsed.error);
        if (file)
            parsed = Utils::readSettingsDocument(file->bytes(), [&](const char* upTo) { file->release(upTo); });
    }
    if (!parsed.document) {
        KVLog(importCategory, QStringLiteral("Import refused, %@ is not a settings document: %@"), typedName, parsed.error);
        return refusal(formatString(QStringLiteral("%@ is not a Korvel settings document (%@). Nothing was changed."), typedName,
                                    parsed.error));
    }
    const QString notApplied = applyDocument(*parsed.document, false);
    parsed.document.reset();
    if (!notApplied.isNull()) {
        KVLog(importCategory, QStringLiteral("Settings not imported, nothing changed: %@"), notApplied);
        return refusal(formatString(QStringLiteral("The settings could not be imported (%@). Nothing was changed."), notApplied));
    }
    KVLog(importCategory, QStringLiteral("Settings Imported from file successfully"));
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvAutoImport.fileImport = typedName;
    settings.save();
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

#include "transfer/KVAutoImport.h"

#include "log/KVDatabase.h"
#include "log/KVLog.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/Timer.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "transfer/DocumentSignature.h"
#include "transfer/ImportExport.h"
#include "transfer/KVCloudRequest.h"
#include "transfer/SettingsDocument.h"
#include "transfer/SettingsHistory.h"

#include <QThreadPool>

#include <utility>

namespace korvel {

namespace {

const QString category = QStringLiteral("AutoImport");

enum Source { File = 0, Cloud = 1, URL = 2 };

int sourceOf(qint32 importFrom)
{
    return importFrom == File || importFrom == Cloud ? importFrom : URL;
}

}  // namespace

KVAutoImport& KVAutoImport::getAutoImportObject()
{
    static KVAutoImport* shared = new KVAutoImport;
    return *shared;
}

KVAutoImport::KVAutoImport()
    : m_timer(new Timer(this))
{
    setCloudFetcher({});
    connect(m_timer, &Timer::timeout, this, &KVAutoImport::autoImport);
}

void KVAutoImport::setCloudFetcher(Fetcher fetcher)
{
    if (!fetcher)
        fetcher = [](const QString& cloudID) { return KVCloudRequest::importRequest(cloudID); };
    m_cloudFetcher = std::move(fetcher);
}

bool KVAutoImport::storeSection(const Section& section)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    KVAutoImportSettings& choices = settings.kvAutoImport;
    KVLog(QStringLiteral("Settings"), QStringLiteral("Import Export Settings Changed/Updated"));
    bool isNumber = false;
    const int minutes = section.period.trimmed().toInt(&isNumber);
    if (isNumber && minutes >= 1 && minutes <= 1000) {
        choices.periodicity = minutes;
        KVLog(category, QStringLiteral("AutoImport Periodicity Changed: %@"), section.period);
    } else {
        choices.periodicity = 1;
        KVLog(category, QStringLiteral("AutoImport Periodicity Changed: %i"), 1);
    }
    if (section.source == File)
        choices.fileAutoImport = section.path;
    else if (section.source == URL)
        choices.urlAutoImport = section.path;
    if (section.cloudID) {
        choices.cloudID = *section.cloudID;
        KVLog(category, QStringLiteral("Cloud ID saved for AutoImport"));
    }
    choices.doAutoImport = section.enabled;
    KVLog(category, QStringLiteral("AutoImportEnable Changed: %hhd"), section.enabled);
    choices.importFrom = section.source;
    KVLog(category, QStringLiteral("AutoImport from Changed: %i"), section.source);
    return settings.save();
}

void KVAutoImport::start()
{
    if (m_paused) {
        m_startOnResume = true;
        return;
    }
    m_caseState = 1;
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.load();
    const qint32 minutes = settings.kvAutoImport.periodicity < 1 ? 1 : settings.kvAutoImport.periodicity;
    m_timer->start(std::chrono::minutes(minutes), TimerMode::Repeating);
}

void KVAutoImport::stop()
{
    m_startOnResume = false;
    m_caseState = 0;
    m_timer->stop();
    KVLog(category, QStringLiteral("AutoImport Stopped"));
}

void KVAutoImport::pause()
{
    if (m_paused)
        return;
    const bool running = m_caseState == 1;
    if (running)
        stop();
    m_paused = true;
    m_startOnResume = running;
}

void KVAutoImport::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    // Only what was running before (or was asked to start meanwhile) starts again: a kiosk that
    // went to the background stays stopped.
    if (std::exchange(m_startOnResume, false))
        start();
    if (std::exchange(m_waiting, false) && m_caseState == 1)
        autoImport();
}

void KVAutoImport::autoImport()
{
    const KVAutoImportSettings& choices = KVSettings::getSettingsObject().kvAutoImport;
    if (!choices.doAutoImport || m_fetching)
        return;
    if (m_paused) {
        m_waiting = true;
        return;
    }
    KVLog(category, QStringLiteral("AutoImport Started"));
    const int source = sourceOf(choices.importFrom);
    Fetcher fetch;
    QString what;
    switch (source) {
    case File:
        KVLog(category, QStringLiteral("AutoImporting from File"));
        what = choices.fileAutoImport;
        fetch = [documents = Paths::documentsDirectory()](const QString& name) { return AutoImportFetch::importFile(documents, name); };
        break;
    case Cloud:
        KVLog(category, QStringLiteral("AutoImporting from Cloud"));
        what = choices.cloudID;
        fetch = m_cloudFetcher;
        break;
    default:
        KVLog(category, QStringLiteral("AutoImporting from URL"));
        what = choices.urlAutoImport;
        fetch = &AutoImportFetch::importURL;
        break;
    }
    if (!fetch) {
        fetched(source, {});
        return;
    }
    m_fetching = true;
    QPointer<KVAutoImport> self(this);
    QThreadPool::globalInstance()->start([self, source, fetch = std::move(fetch), what] {
        AutoImportFetch result = fetch(what);
        QMetaObject::invokeMethod(
            self.data(), [self, source, result = std::move(result)] {
                if (self)
                    self->fetched(source, result);
            },
            Qt::QueuedConnection);
    });
}

void KVAutoImport::fetched(int source, const AutoImportFetch& fetch)
{
    m_fetching = false;
    for (const AutoImportFetch::LogLine& line : fetch.lines)
        KVLog(line.category, line.message);
    auto finish = qScopeGuard([this] { Q_EMIT tickFinished(); });
    if (!fetch.text) {
        static const QString noSettings[] = {QStringLiteral("Error: No Settings from file imported"),
                                             QStringLiteral("Error: No Settings from Cloud imported"),
                                             QStringLiteral("Error: No Settings from URL imported")};
        KVLog(category, noSettings[source]);
        return;
    }
    // The settings were opened while this fetch ran: what the administrator is editing is not
    // pulled from under them; the tick runs again when they close.
    if (m_paused) {
        KVLog(category, QStringLiteral("AutoImport postponed until the settings are closed"));
        m_waiting = true;
        return;
    }
    KVSettings& settings = KVSettings::getSettingsObject();
    const QString fingerprint = KVHashString::stringToBase64(*fetch.text);
    if (fingerprint == settings.kvAutoImport.oldXMLSettings) {
        KVLog(category, QStringLiteral("Not Imported as same as previous AutoImport"));
        return;
    }
    if (source == URL && !fetch.text->contains(QLatin1String("AllowedWebsites"))) {
        KVLog(category, QStringLiteral("Error: AutoImport unsuccessful as settings file not found."));
        return;
    }
    // A text that is no settings document changes nothing, and is tried again at the next tick.
    const SettingsDocument::ParsedDocument parsed = SettingsDocument::readSettingsDocument(fetch.text->toUtf8());
    if (!parsed.document) {
        KVLog(category, QStringLiteral("Error: AutoImport unsuccessful, not a settings document: %@"), parsed.error);
        return;
    }
    // A document a rollback gave up is not taken in again, however it is served.
    if (const QString refused = SettingsHistory::refusalFromOutside(DocumentSignature::fingerprint(*parsed.document)); !refused.isNull()) {
        KVLog(category, QStringLiteral("Not Imported: %@"), refused);
        return;
    }
    static const QString sourceNames[] = {QStringLiteral("file %1"), QStringLiteral("cloud ID %1"), QStringLiteral("URL %1")};
    const QString what = sourceNames[source].arg(source == File ? settings.kvAutoImport.fileAutoImport
                                                 : source == Cloud ? settings.kvAutoImport.cloudID
                                                                   : settings.kvAutoImport.urlAutoImport);
    // Embedded files are not restored by the automatic import: a wallpaper set on the device stays.
    // The fingerprint is stored in the same step as the document: applied and recorded, or neither.
    if (!ImportExport::applySettingsDocument(*parsed.document, {DocumentSource::Kind::Automatic, what}, source != Cloud, FilesInDocument::Leave,
                                             [&fingerprint](KVAutoImportSettings& choices) { choices.oldXMLSettings = fingerprint; }))
        return;
    static const QString done[] = {QStringLiteral("AutoImported settings from file successfully"),
                                   QStringLiteral("AutoImported from Cloud successfully"),
                                   QStringLiteral("AutoImported from URL successfully")};
    KVLog(source == File ? QStringLiteral("Autoimport") : category, done[source]);
    ImportExport::postImportSteps(QStringLiteral("Autoimport"));
    if (source == Cloud) {
        KVDatabase& history = KVDatabase::getDatabaseObject();
        if (history.createTable())
            history.insertUpdateRow(settings.kvAutoImport.cloudID, 2);
    }
    Q_EMIT imported();
}

}  // namespace korvel

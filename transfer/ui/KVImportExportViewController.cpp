#include "transfer/ui/KVImportExportViewController.h"

#include "log/KVLog.h"
#include "platform/DocumentOrigins.h"
#include "platform/NotificationCenter.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "platform/ui/WaitingAlertView.h"
#include "settings/KVSettings.h"
#include "transfer/ImportExport.h"
#include "transfer/URLImport.h"
#include "transfer/CloudTransfer.h"
#include "transfer/KVCloudRequest.h"
#include "transfer/UploadServerControl.h"
#include "transfer/ui/CloudExchange.h"
#include "transfer/ui/KVExportToCloudWithQRCodeViewController.h"
#include "transfer/ui/KVExportCloudIDViewController.h"
#include "transfer/ui/KVImportExportCloudViewController.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvel {

namespace {

const QString kTitle = QStringLiteral("Korvel");

TableRow row(KVImportExportViewController::Row id, const QString& title, const QString& detail)
{
    TableRow r;
    r.id = id;
    r.title = title;
    r.detail = detail;
    r.accessory = Accessory::Disclosure;
    return r;
}

// A prompt with one text field, pre-filled with what was typed last time.
Alert* prompt(const QString& title, const QString& message, const QString& remembered, const QString& action,
              std::function<void(const QString& text)> done)
{
    auto* alert = new Alert(title, message);
    alert->addTextField(QString(), Alert::TextEntry::Plain, remembered);
    //% "Cancel"
    alert->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel);
    alert->addButton(action, Alert::Role::Default, [done = std::move(done)](Alert& answered) { done(answered.textFieldText(0)); });
    return alert;
}

}  // namespace

QString KVImportExportViewController::originText(const QString& typedName)
{
    const std::optional<DocumentOrigin> origin = ImportExport::documentOrigin(typedName);
    if (!origin)
        return {};
    QString from;
    switch (*origin) {
    case DocumentOrigin::Unknown:
        //% "of unknown origin"
        from = qtTrId("TEXT_ORIGIN_UNKNOWN");
        break;
    case DocumentOrigin::Device:
        //% "saved by the settings on this device"
        from = qtTrId("TEXT_ORIGIN_DEVICE");
        break;
    case DocumentOrigin::Korvelctl:
        //% "placed with korvelctl"
        from = qtTrId("TEXT_ORIGIN_KORVELCTL");
        break;
    case DocumentOrigin::SettingsDocument:
        //% "carried by an imported settings document"
        from = qtTrId("TEXT_ORIGIN_SETTINGS_DOCUMENT");
        break;
    case DocumentOrigin::UploadWithCode:
        //% "uploaded with the access code"
        from = qtTrId("TEXT_ORIGIN_UPLOAD_WITH_CODE");
        break;
    case DocumentOrigin::UploadWithoutCode:
        //% "uploaded without the access code"
        from = qtTrId("TEXT_ORIGIN_UPLOAD_WITHOUT_CODE");
        break;
    case DocumentOrigin::Download:
        //% "downloaded by a visitor"
        from = qtTrId("TEXT_ORIGIN_DOWNLOAD");
        break;
    case DocumentOrigin::Printout:
        //% "printed by a visitor"
        from = qtTrId("TEXT_ORIGIN_PRINTOUT");
        break;
    }
    if (DocumentOrigins::trustedForImport(*origin)) {
        //% "%1: %2."
        return qtTrId("TEXT_FILE_ORIGIN").arg(typedName, from);
    }
    //% "%1: %2. It will not be imported."
    return qtTrId("TEXT_FILE_ORIGIN_REFUSED").arg(typedName, from);
}

KVImportExportViewController::KVImportExportViewController(QWidget* parent)
    : Screen(parent)
{
    //% "Import/Export Settings"
    setTitle(qtTrId("TRANSFER_TITLE"));
    m_table = new TableView(this);
    m_table->setObjectName(QStringLiteral("importExportTable"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    m_waiting = new WaitingAlertView(this);
    m_cloud = new CloudExchange(this);
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) { didSelectRow(Row(id)); });
    connect(m_table, &TableView::switchToggled, this, [this](int id, bool on) {
        if (id == AutoImportSwitch) {
            m_section.enabled = on;
            reloadTableLater();
        }
    });
    connect(m_table, &TableView::segmentChanged, this, [this](int id, int index) {
        if (id != AutoImportFrom || index == m_section.source)
            return;
        // The path row shows the stored place of the source chosen now.
        const KVAutoImportSettings& stored = KVSettings::getSettingsObject().kvAutoImport;
        m_section.source = index;
        m_section.path = index == 0 ? stored.fileAutoImport : index == 2 ? stored.urlAutoImport : QString();
        reloadTableLater();
    });
    connect(m_table, &TableView::textChanged, this, [this](int id, const QString& text) {
        if (id == AutoImportPath)
            m_section.path = text;
        else if (id == AutoImportPeriod)
            m_section.period = text;
    });
    NotificationCenter::defaultCenter().addObserver(this, kApplicationDidEnterBackgroundNotification,
                                                    [this](const Notification&) { homeButtonPressed5(); });
}

KVImportExportViewController::~KVImportExportViewController()
{
    homeButtonPressed5();
}

void KVImportExportViewController::viewDidLoad()
{
    KVLog(QStringLiteral("App General"), QStringLiteral("Import Export menu loaded"));
    loadAutoImportSection();
    reloadTable();
}

void KVImportExportViewController::viewWillAppear(bool)
{
    // Back from the cloud-ID screen: "Cloud ID in use" shows the ID chosen there.
    if (isViewLoaded())
        reloadTable();
}

void KVImportExportViewController::viewWillDisappear(bool)
{
    KVAutoImport::storeSection(m_section);
}

void KVImportExportViewController::loadAutoImportSection()
{
    const KVAutoImportSettings& stored = KVSettings::getSettingsObject().kvAutoImport;
    m_section.enabled = stored.doAutoImport;
    m_section.source = stored.importFrom == 0 || stored.importFrom == 1 ? stored.importFrom : 2;
    m_section.path = m_section.source == 0 ? stored.fileAutoImport : m_section.source == 2 ? stored.urlAutoImport : QString();
    m_section.period = QString::number(stored.periodicity);
}

void KVImportExportViewController::reloadTableLater()
{
    // The switch or segment that asked is still inside its own signal: rebuilt now, its cell
    // would be deleted under it.
    QMetaObject::invokeMethod(this, &KVImportExportViewController::reloadTable, Qt::QueuedConnection);
}

void KVImportExportViewController::reloadTable()
{
    const bool on = m_section.enabled;
    const bool cloud = m_section.source == 1;
    TableRow onOff;
    onOff.id = AutoImportSwitch;
    //% "AutoImport Korvel Settings:"
    onOff.title = qtTrId("TRANSFER_AUTO_IMPORT");
    onOff.accessory = Accessory::Switch;
    onOff.checked = on;
    TableRow from;
    from.id = AutoImportFrom;
    //% "Auto Import From"
    from.title = qtTrId("TRANSFER_AUTO_IMPORT_FROM");
    from.accessory = Accessory::Segmented;
    //% "File"
    //% "Cloud"
    //% "URL"
    from.segments = {qtTrId("TRANSFER_SOURCE_FILE"), qtTrId("TRANSFER_SOURCE_CLOUD"), qtTrId("TRANSFER_SOURCE_URL")};
    from.selectedSegment = m_section.source;
    from.enabled = on;
    TableRow path;
    path.id = AutoImportPath;
    //% "Path:"
    path.title = qtTrId("TRANSFER_PATH");
    path.accessory = Accessory::TextField;
    path.text = m_section.path;
    path.enabled = on && !cloud;
    TableRow cloudID;
    cloudID.id = AutoImportCloudID;
    //% "Automatic import from Cloud"
    cloudID.title = qtTrId("TRANSFER_AUTO_IMPORT_CLOUD");
    const QString id = KVSettings::getSettingsObject().kvAutoImport.cloudID;
    //% "Cloud ID in use: %1"
    //% "Not Set"
    cloudID.detail = qtTrId("TRANSFER_CLOUD_ID_IN_USE").arg(id.isEmpty() ? qtTrId("TRANSFER_NOT_SET") : id);
    cloudID.accessory = Accessory::Disclosure;
    cloudID.enabled = on && cloud;
    TableRow period;
    period.id = AutoImportPeriod;
    //% "Periodically Check (Minutes)"
    period.title = qtTrId("TRANSFER_PERIOD");
    period.accessory = Accessory::TextField;
    period.text = m_section.period;
    period.enabled = on;

    m_table->setSections({
        //% "Export Settings"
        TableSection{qtTrId("TRANSFER_EXPORT_SETTINGS"), {},
                     //% "Export to File"
                     //% "To a file in Documents Directory"
                     {row(ExportToFile, qtTrId("TRANSFER_EXPORT_TO_FILE"), qtTrId("TRANSFER_TO_FILE_DETAIL")),
                      //% "Export to Cloud"
                      //% "Export Settings to Cloud storage"
                      row(ExportToCloud, qtTrId("TRANSFER_EXPORT_TO_CLOUD"), qtTrId("TRANSFER_EXPORT_TO_CLOUD_DETAIL")),
                      //% "Export Settings to Cloud and Generate QR Code"
                      row(ExportToCloudWithQRCode, qtTrId("TRANSFER_EXPORT_QR"),
                          //% "Export Settings to Cloud storage and show Cloud ID as QR Code"
                          qtTrId("TRANSFER_EXPORT_QR_DETAIL")),
                      //% "Export for Pellmor"
                      //% "Export as txt file for Pellmor Configuration"
                      row(ExportForPellmor, qtTrId("TRANSFER_EXPORT_PELLMOR"), qtTrId("TRANSFER_EXPORT_PELLMOR_DETAIL"))}},
        //% "Import Settings"
        TableSection{qtTrId("TRANSFER_IMPORT_SETTINGS"), {},
                     //% "Import from File"
                     //% "From a file in Documents Directory"
                     {row(ImportFromFile, qtTrId("TRANSFER_IMPORT_FROM_FILE"), qtTrId("TRANSFER_FROM_FILE_DETAIL")),
                      //% "Import from Cloud"
                      //% "Import settings from Cloud storage"
                      row(ImportFromCloud, qtTrId("CLOUD_IMPORT_FROM_CLOUD"), qtTrId("TRANSFER_IMPORT_FROM_CLOUD_DETAIL")),
                      //% "Import from URL"
                      //% "Import settings from URL"
                      row(ImportFromURL, qtTrId("TRANSFER_IMPORT_FROM_URL"), qtTrId("TRANSFER_IMPORT_FROM_URL_DETAIL"))}},
        //% "Reset Settings"
        TableSection{qtTrId("TRANSFER_RESET"), {},
                     //% "Set settings to default"
                     {row(ResetSettings, qtTrId("TRANSFER_RESET"), qtTrId("TRANSFER_RESET_DETAIL"))}},
        //% "Automatic Import"
        TableSection{qtTrId("TRANSFER_AUTOMATIC_IMPORT"), on && m_section.source == 0 ? originText(m_section.path) : QString(),
                     {onOff, from, path, cloudID, period}},
    });
}

void KVImportExportViewController::didSelectRow(Row row)
{
    switch (row) {
    case ExportToFile:
        exportToFilePrompt();
        return;
    case ExportForPellmor:
        exportForPellmor();
        return;
    case ImportFromFile:
        importFromFilePrompt();
        return;
    case ImportFromURL:
        importFromURLPrompt();
        return;
    case ResetSettings:
        resetPrompt();
        return;
    case AutoImportSwitch:
    case AutoImportFrom:
    case AutoImportPath:
    case AutoImportPeriod:
        return;
    case AutoImportCloudID:
        KVLog(QStringLiteral("AutoImport"), QStringLiteral("Settings AutoImport CLoud ID"));
        if (NavigationStack* stack = navigationStack())
            stack->push(new KVImportExportCloudViewController(KVImportExportCloudViewController::Mode::AutoImport), Animation::Animated);
        return;
    case ExportToCloud:
        if (NavigationStack* stack = navigationStack())
            stack->push(new KVExportCloudIDViewController, Animation::Animated);
        return;
    case ImportFromCloud:
        if (NavigationStack* stack = navigationStack())
            stack->push(new KVImportExportCloudViewController(KVImportExportCloudViewController::Mode::Import), Animation::Animated);
        return;
    case ExportToCloudWithQRCode:
        exportWithQRCode();
        return;
    }
}

Alert* KVImportExportViewController::track(Alert* alert)
{
    m_alerts.removeAll(nullptr);
    m_alerts.append(alert);
    alert->showOver(this);
    return alert;
}

void KVImportExportViewController::showResult(const QString& title, const QString& message)
{
    if (title.isEmpty() && message.isEmpty())
        return;
    auto* alert = new Alert(title, message);
    //% "OK"
    alert->addButton(qtTrId("SETTINGS_OK"), Alert::Role::Cancel);
    track(alert);
}

Alert* KVImportExportViewController::exportToFilePrompt()
{
    QPointer<KVImportExportViewController> self(this);
    //% "Please enter the Filename to export settings"
    return track(prompt(qtTrId("TRANSFER_EXPORT_TO_FILE"), qtTrId("TRANSFER_EXPORT_FILE_PROMPT"),
                        //% "Export"
                        KVSettings::getSettingsObject().kvAutoImport.fileExport, qtTrId("TRANSFER_EXPORT"), [self](const QString& text) {
                            const TransferResult result = ImportExport::exportToFile(text);
                            if (self)
                                self->showResult(result.alert.title, result.alert.message);
                        }));
}

void KVImportExportViewController::exportForPellmor()
{
    const ImportExport::PellmorResult result = ImportExport::exportForPellmor();
    if (!result.written)
        return;
    auto* alert = new Alert(result.alert.title, result.alert.message);
    QPointer<KVImportExportViewController> self(this);
    //% "Share"
    alert->addButton(qtTrId("QR_SHARE"), Alert::Role::Default, [self, path = result.path](Alert&) {
        KVLog(QStringLiteral("Export"), QStringLiteral("User pressed Share button to share the KV_PellmorConfig.txt file"));
        if (self)
            self->shareFile(path);
    });
    alert->addButton(qtTrId("SETTINGS_OK"), Alert::Role::Cancel, [](Alert&) {
        KVLog(QStringLiteral("Export"), QStringLiteral("User pressed OK button to dismiss share view"));
    });
    track(alert);
}

void KVImportExportViewController::exportWithQRCode()
{
    const QString text = qtTrId("TRANSFER_EXPORT_QR");
    KVCloudRequest* request = m_cloud->start(text);
    KVLog(QStringLiteral("Export"), QStringLiteral("Exporting to new Cloud ID"));
    QPointer<KVImportExportViewController> self(this);
    request->cloudReqCallback = [self](const QString& message, bool success) {
        if (!self)
            return;
        self->m_cloud->finish();
        const QString issued = self->m_cloud->request() ? self->m_cloud->request()->ID : QString();
        const CloudTransfer::Outcome outcome = CloudTransfer::newIDExported(issued, message, success);
        if (!outcome.ok) {
            self->m_cloud->showMessage(outcome.title, outcome.message);
            return;
        }
        if (NavigationStack* stack = self->navigationStack())
            stack->push(new KVExportToCloudWithQRCodeViewController(issued, KVExportToCloudWithQRCodeViewController::Opening::AfterNewID),
                        Animation::Animated);
    };
    request->exportToID(QLatin1String(KVCloudRequest::newIDForQRCode), false);
}

void KVImportExportViewController::shareFile(const QString& path)
{
    track(shareSheet(path, QStringLiteral("KV_PellmorConfig.txt")));
}

Alert* KVImportExportViewController::shareSheet(const QString& path, const QString& title)
{
    // The kiosk hands nothing to another application: the sheet says where the file can be fetched.
    const QString name = QFileInfo(path).fileName();
    //% "%1 is saved in Documents."
    QString message = qtTrId("TEXT_SAVED_IN_DOCUMENTS").arg(name);
    if (const UploadServerControl* server = ImportExport::serverControl()) {
        if (const std::optional<QUrl> address = server->documentAddress(name)) {
            //% "On this network it can be fetched from %1"
            message += QLatin1Char('\n') + qtTrId("TEXT_FETCH_FROM").arg(address->toString(QUrl::FullyEncoded));
        }
    }
    auto* sheet = new ActionSheet(title.isEmpty() ? name : title, message);
    //% "Close"
    sheet->addButton(qtTrId("TEXT_CLOSE"), Alert::Role::Cancel);
    return sheet;
}

Alert* KVImportExportViewController::importFromFilePrompt()
{
    QPointer<KVImportExportViewController> self(this);
    //% "Please enter the Filename to import settings"
    const QString message = qtTrId("TRANSFER_IMPORT_FILE_PROMPT");
    Alert* alert = prompt(qtTrId("TRANSFER_IMPORT_FROM_FILE"), message, KVSettings::getSettingsObject().kvAutoImport.fileImport,
                          //% "Import"
                          qtTrId("TRANSFER_IMPORT"), [self](const QString& text) {
                              const TransferResult result = ImportExport::importFromFile(text);
                              if (self)
                                  self->showResult(result.alert.title, result.alert.message);
                          });
    // Where the named file came from, as it is typed: only what the administrator placed is taken.
    const auto showOrigin = [alert, message](const QString& text) {
        const QString origin = originText(text);
        alert->setMessage(origin.isEmpty() ? message : message + QLatin1Char('\n') + origin);
    };
    showOrigin(alert->textFieldText(0));
    connect(alert->textField(0), &QLineEdit::textChanged, alert, showOrigin);
    return track(alert);
}

Alert* KVImportExportViewController::importFromURLPrompt()
{
    QPointer<KVImportExportViewController> self(this);
    //% "Please enter the file URL to import settings"
    return track(prompt(qtTrId("TRANSFER_IMPORT_FROM_URL"), qtTrId("TRANSFER_IMPORT_URL_PROMPT"),
                        KVSettings::getSettingsObject().kvAutoImport.urlImport, qtTrId("TRANSFER_IMPORT"), [self](const QString& text) {
                            if (!self)
                                return;
                            if (text.isEmpty()) {
                                //% "Textfield cannot be empty"
                                self->showResult(QString(), qtTrId("TRANSFER_FIELD_EMPTY"));
                                return;
                            }
                            if (self->m_import)
                                self->m_import->cancel();
                            auto* import = new URLImport(self);
                            self->m_import = import;
                            //% "Importing.."
                            self->m_waiting->showOver(self, qtTrId("CLOUD_IMPORTING"));
                            connect(import, &URLImport::progressChanged, self->m_waiting, &WaitingAlertView::setProgress);
                            connect(import, &URLImport::finished, self, [self, import](const TransferResult& result) {
                                self->m_waiting->dismiss();
                                import->deleteLater();
                                self->showResult(result.alert.title, result.alert.message);
                            });
                            import->importfromURL(text);
                        }));
}

Alert* KVImportExportViewController::resetPrompt()
{
    //% "This will reset Korvel settings to defaults. Are you sure?"
    auto* question = new Alert(kTitle, qtTrId("TRANSFER_RESET_QUESTION"));
    QPointer<KVImportExportViewController> self(this);
    //% "Yes"
    question->addButton(qtTrId("TEXT_YES"), Alert::Role::Destructive, [self](Alert&) {
        const TransferResult result = ImportExport::resetToDefaults();
        if (!self)
            return;
        self->loadAutoImportSection();
        self->reloadTable();
        self->showResult(result.alert.title, result.alert.message);
    });
    //% "No"
    question->addButton(qtTrId("TEXT_NO"), Alert::Role::Cancel);
    ImportExport::resetQuestionShown();
    return track(question);
}

void KVImportExportViewController::homeButtonPressed5()
{
    if (m_import) {
        m_import->cancel();
        m_import->deleteLater();
        m_import.clear();
    }
    if (m_waiting && m_waiting->isShowing())
        m_waiting->dismiss();
    for (const QPointer<Alert>& alert : std::exchange(m_alerts, {})) {
        if (alert)
            alert->dismiss();
    }
}

}  // namespace korvel

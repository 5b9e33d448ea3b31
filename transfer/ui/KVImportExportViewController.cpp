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
const QString kEmpty = QStringLiteral("Textfield cannot be empty");

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
    alert->addButton(QStringLiteral("Cancel"), Alert::Role::Cancel);
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
    setTitle(QStringLiteral("Import/Export Settings"));
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
    onOff.title = QStringLiteral("AutoImport Korvel Settings:");
    onOff.accessory = Accessory::Switch;
    onOff.checked = on;
    TableRow from;
    from.id = AutoImportFrom;
    from.title = QStringLiteral("Auto Import From");
    from.accessory = Accessory::Segmented;
    from.segments = {QStringLiteral("File"), QStringLiteral("Cloud"), QStringLiteral("URL")};
    from.selectedSegment = m_section.source;
    from.enabled = on;
    TableRow path;
    path.id = AutoImportPath;
    path.title = QStringLiteral("Path:");
    path.accessory = Accessory::TextField;
    path.text = m_section.path;
    path.enabled = on && !cloud;
    TableRow cloudID;
    cloudID.id = AutoImportCloudID;
    cloudID.title = QStringLiteral("Automatic import from Cloud");
    const QString id = KVSettings::getSettingsObject().kvAutoImport.cloudID;
    cloudID.detail = QStringLiteral("Cloud ID in use: %1").arg(id.isEmpty() ? QStringLiteral("Not Set") : id);
    cloudID.accessory = Accessory::Disclosure;
    cloudID.enabled = on && cloud;
    TableRow period;
    period.id = AutoImportPeriod;
    period.title = QStringLiteral("Periodically Check (Minutes)");
    period.accessory = Accessory::TextField;
    period.text = m_section.period;
    period.enabled = on;

    m_table->setSections({
        TableSection{QStringLiteral("Export Settings"), {},
                     {row(ExportToFile, QStringLiteral("Export to File"), QStringLiteral("To a file in Documents Directory")),
                      row(ExportToCloud, QStringLiteral("Export to Cloud"), QStringLiteral("Export Settings to Cloud storage")),
                      row(ExportToCloudWithQRCode, QStringLiteral("Export Settings to Cloud and Generate QR Code"),
                          QStringLiteral("Export Settings to Cloud storage and show Cloud ID as QR Code")),
                      row(ExportForPellmor, QStringLiteral("Export for Pellmor"), QStringLiteral("Export as txt file for Pellmor Configuration"))}},
        TableSection{QStringLiteral("Import Settings"), {},
                     {row(ImportFromFile, QStringLiteral("Import from File"), QStringLiteral("From a file in Documents Directory")),
                      row(ImportFromCloud, QStringLiteral("Import from Cloud"), QStringLiteral("Import settings from Cloud storage")),
                      row(ImportFromURL, QStringLiteral("Import from URL"), QStringLiteral("Import settings from URL"))}},
        TableSection{QStringLiteral("Reset Settings"), {},
                     {row(ResetSettings, QStringLiteral("Reset Settings"), QStringLiteral("Set settings to default"))}},
        TableSection{QStringLiteral("Automatic Import"), on && m_section.source == 0 ? originText(m_section.path) : QString(),
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
    alert->addButton(QStringLiteral("OK"), Alert::Role::Cancel);
    track(alert);
}

Alert* KVImportExportViewController::exportToFilePrompt()
{
    QPointer<KVImportExportViewController> self(this);
    return track(prompt(QStringLiteral("Export to File"), QStringLiteral("Please enter the Filename to export settings"),
                        KVSettings::getSettingsObject().kvAutoImport.fileExport, QStringLiteral("Export"), [self](const QString& text) {
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
    alert->addButton(QStringLiteral("Share"), Alert::Role::Default, [self, path = result.path](Alert&) {
        KVLog(QStringLiteral("Export"), QStringLiteral("User pressed Share button to share the KV_PellmorConfig.txt file"));
        if (self)
            self->shareFile(path);
    });
    alert->addButton(QStringLiteral("OK"), Alert::Role::Cancel, [](Alert&) {
        KVLog(QStringLiteral("Export"), QStringLiteral("User pressed OK button to dismiss share view"));
    });
    track(alert);
}

void KVImportExportViewController::exportWithQRCode()
{
    const QString text = QStringLiteral("Export Settings to Cloud and Generate QR Code");
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
    const QString message = QStringLiteral("Please enter the Filename to import settings");
    Alert* alert = prompt(QStringLiteral("Import from File"), message, KVSettings::getSettingsObject().kvAutoImport.fileImport,
                          QStringLiteral("Import"), [self](const QString& text) {
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
    return track(prompt(QStringLiteral("Import from URL"), QStringLiteral("Please enter the file URL to import settings"),
                        KVSettings::getSettingsObject().kvAutoImport.urlImport, QStringLiteral("Import"), [self](const QString& text) {
                            if (!self)
                                return;
                            if (text.isEmpty()) {
                                self->showResult(QString(), kEmpty);
                                return;
                            }
                            if (self->m_import)
                                self->m_import->cancel();
                            auto* import = new URLImport(self);
                            self->m_import = import;
                            self->m_waiting->showOver(self, QStringLiteral("Importing.."));
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
    auto* question = new Alert(kTitle, QStringLiteral("This will reset Korvel settings to defaults. Are you sure?"));
    QPointer<KVImportExportViewController> self(this);
    question->addButton(QStringLiteral("Yes"), Alert::Role::Destructive, [self](Alert&) {
        const TransferResult result = ImportExport::resetToDefaults();
        if (!self)
            return;
        self->loadAutoImportSection();
        self->reloadTable();
        self->showResult(result.alert.title, result.alert.message);
    });
    question->addButton(QStringLiteral("No"), Alert::Role::Cancel);
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

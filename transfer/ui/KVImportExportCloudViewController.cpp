#include "transfer/ui/KVImportExportCloudViewController.h"

#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"
#include "transfer/CloudTransfer.h"
#include "transfer/KVCloudRequest.h"
#include "transfer/ui/CloudExchange.h"
#include "transfer/ui/KVExportToCloudWithQRCodeViewController.h"
#include "transfer/ui/KVScanQRForImportViewController.h"

#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace korvel {

namespace {

QString actionText(KVImportExportCloudViewController::Mode mode)
{
    switch (mode) {
    case KVImportExportCloudViewController::Mode::Export:
        //% "Export Settings"
        return qtTrId("TRANSFER_EXPORT_SETTINGS");
    case KVImportExportCloudViewController::Mode::Import:
        //% "Import from Cloud"
        return qtTrId("CLOUD_IMPORT_FROM_CLOUD");
    case KVImportExportCloudViewController::Mode::AutoImport:
        //% "OK"
        return qtTrId("SETTINGS_OK");
    }
    return QString();
}

}  // namespace

KVImportExportCloudViewController::KVImportExportCloudViewController(Mode mode, QWidget* parent)
    : Screen(parent)
    , m_mode(mode)
{
    switch (mode) {
    case Mode::Export:
        setTitle(qtTrId("TRANSFER_EXPORT_SETTINGS"));
        break;
    case Mode::Import:
        setTitle(qtTrId("CLOUD_IMPORT_FROM_CLOUD"));
        break;
    case Mode::AutoImport:
        //% "Auto Import from Cloud"
        setTitle(qtTrId("CLOUD_AUTO_IMPORT_TITLE"));
        m_cloudID = KVSettings::getSettingsObject().kvAutoImport.cloudID;
        break;
    }
    m_table = new TableView(this);
    m_table->setObjectName(QStringLiteral("cloudIDTable"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    m_exchange = new CloudExchange(this);
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) { didSelectRow(id); });
    connect(m_table, &TableView::textChanged, this, [this](int id, const QString& text) {
        if (id == CloudIDField)
            m_cloudID = text;
    });
}

KVImportExportCloudViewController::~KVImportExportCloudViewController() = default;

void KVImportExportCloudViewController::viewDidLoad()
{
    KVLog(QStringLiteral("App General"), QStringLiteral("Import-Export Cloud ID list loaded"));
    reloadList();
}

void KVImportExportCloudViewController::setCloudID(const QString& cloudID)
{
    m_cloudID = cloudID;
    if (TableCell* cell = m_table->cellWithId(CloudIDField); cell && cell->textField())
        cell->textField()->setText(cloudID);
}

void KVImportExportCloudViewController::reloadList()
{
    TableRow field;
    field.id = CloudIDField;
    //% "Cloud ID"
    field.title = qtTrId("TEXT_CLOUD_ID");
    field.accessory = Accessory::TextField;
    field.text = m_cloudID;
    //% "At least 10 characters"
    field.placeholder = qtTrId("TEXT_CLOUD_ID_PLACEHOLDER");
    TableRow action;
    action.id = MainAction;
    action.title = actionText(m_mode);
    action.image = m_mode == Mode::Export ? QStringLiteral("export_cloud.png")
                   : m_mode == Mode::Import ? QStringLiteral("import_cloud.png")
                                            : QStringLiteral("auto_import_cloud.png");
    TableSection top{QString(), QString(), {field, action}};
    TableRow scan;
    scan.id = ScanQRCode;
    //% "Scan QR Code"
    scan.title = qtTrId("TITLE_SCAN_QR");
    scan.accessory = Accessory::Disclosure;
    top.rows.append(scan);
    TableRow show;
    show.id = ShowQRCode;
    //% "Show ID as QR Code"
    show.title = qtTrId("TEXT_SHOW_ID_AS_QR_CODE");
    show.accessory = Accessory::Disclosure;
    top.rows.append(show);

    const QList<CloudTransfer::HistoryItem> items = CloudTransfer::historyItems();
    TableSection history{CloudTransfer::historyHeader(items.isEmpty()).trimmed(), QString(), {}};
    m_historyIDs.clear();
    for (const CloudTransfer::HistoryItem& item : items) {
        TableRow row;
        row.id = FirstHistoryRow + int(m_historyIDs.size());
        row.title = item.title;
        row.detail = item.detail;
        row.image = item.icon;
        history.rows.append(row);
        m_historyIDs.append(item.cloudID);
    }
    QList<TableSection> sections{top, history};
    if (!items.isEmpty()) {
        TableRow clear;
        clear.id = ClearHistory;
        //% "Clear History"
        clear.title = qtTrId("TEXT_CLEAR_HISTORY");
        clear.destructive = true;
        sections.append(TableSection{QString(), QString(), {clear}});
    }
    m_table->setSections(sections);
}

void KVImportExportCloudViewController::didSelectRow(int id)
{
    if (id >= FirstHistoryRow) {
        setCloudID(m_historyIDs.value(id - FirstHistoryRow));
        return;
    }
    switch (Row(id)) {
    case MainAction:
        mainAction();
        return;
    case ScanQRCode:
        scanQRCode();
        return;
    case ShowQRCode:
        if (!CloudTransfer::isValidID(m_cloudID))
            makeToast(this, QLatin1String(CloudTransfer::invalidIDText));
        else if (NavigationStack* stack = navigationStack())
            stack->push(new KVExportToCloudWithQRCodeViewController(m_cloudID, KVExportToCloudWithQRCodeViewController::Opening::ToShow),
                        Animation::Animated);
        return;
    case ClearHistory:
        clearHistory();
        return;
    case CloudIDField:
    case FirstHistoryRow:
        return;
    }
}

void KVImportExportCloudViewController::scanQRCode()
{
    NavigationStack* stack = navigationStack();
    if (!stack)
        return;
    auto* scanner = new KVScanQRForImportViewController;
    QPointer<KVImportExportCloudViewController> self(this);
    scanner->setScanned([self](const QString& id) {
        if (self)
            self->setCloudID(id);
    });
    stack->push(scanner, Animation::Animated);
}

void KVImportExportCloudViewController::mainAction()
{
    const QString typed = m_cloudID;
    if (!CloudTransfer::isValidID(typed)) {
        makeToast(this, QLatin1String(CloudTransfer::invalidIDText));
        return;
    }
    QPointer<KVImportExportCloudViewController> self(this);
    switch (m_mode) {
    case Mode::Export: {
        //% "Exporting.."
        KVCloudRequest* request = m_exchange->start(qtTrId("CLOUD_EXPORTING"));
        KVLog(QStringLiteral("Export"), QStringLiteral("Settings Export to Cloud started"));
        request->exportCallback = [self, typed](const QString& message, bool success) {
            if (self)
                self->exported(typed, message, success);
        };
        request->exportToID(typed, false);
        return;
    }
    case Mode::Import:
        m_exchange->importFrom(typed, false, [self](const CloudTransfer::Outcome& outcome) {
            if (self)
                self->imported(outcome);
        });
        return;
    case Mode::AutoImport:
        CloudTransfer::saveAutoImportID(typed);
        makeToast(this, QLatin1String(CloudTransfer::savedForAutoImportText));
        return;
    }
}

void KVImportExportCloudViewController::exported(const QString& typedID, const QString& message, bool success)
{
    m_exchange->finish();
    const CloudTransfer::Outcome outcome = CloudTransfer::exportedToID(typedID, message, success);
    if (outcome.ok)
        reloadList();
    m_exchange->showMessage(outcome.title, outcome.message);
}

void KVImportExportCloudViewController::imported(const CloudTransfer::Outcome& outcome)
{
    if (outcome.ok)
        reloadList();
    m_exchange->showMessage(outcome.title, outcome.message);
}

void KVImportExportCloudViewController::clearHistory()
{
    CloudTransfer::clearHistory();
    reloadList();
}

}  // namespace korvel

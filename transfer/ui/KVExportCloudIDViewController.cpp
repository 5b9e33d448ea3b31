#include "transfer/ui/KVExportCloudIDViewController.h"

#include "log/KVLog.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "transfer/CloudTransfer.h"
#include "transfer/KVCloudRequest.h"
#include "transfer/ui/CloudExchange.h"
#include "transfer/ui/KVImportExportCloudViewController.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <QVBoxLayout>

namespace korvel {

KVExportCloudIDViewController::KVExportCloudIDViewController(QWidget* parent)
    : Screen(parent)
{
    //% "Export to Cloud"
    setTitle(qtTrId("TRANSFER_EXPORT_TO_CLOUD"));
    m_table = new TableView(this);
    m_table->setObjectName(QStringLiteral("exportCloudTable"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    m_exchange = new CloudExchange(this);
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) { didSelectRow(Row(id)); });
}

KVExportCloudIDViewController::~KVExportCloudIDViewController() = default;

void KVExportCloudIDViewController::viewDidLoad()
{
    KVLog(QStringLiteral("App General"), QStringLiteral("Export to Cloud menu loaded"));
    TableRow newID;
    newID.id = ExportToNewID;
    //% "Export to New Cloud ID"
    newID.title = qtTrId("CLOUD_EXPORT_NEW_ID");
    //% "The cloud service issues a new ID for these settings"
    newID.detail = qtTrId("TEXT_EXPORT_NEW_CLOUD_ID_DETAIL");
    newID.image = QStringLiteral("export_cloud.png");
    TableRow existing;
    existing.id = ExportToExistingID;
    //% "Export to existing ID"
    existing.title = qtTrId("CLOUD_EXPORT_EXISTING_ID");
    //% "Replace the settings stored under an ID"
    existing.detail = qtTrId("TEXT_EXPORT_EXISTING_CLOUD_ID_DETAIL");
    existing.image = QStringLiteral("export_cloud.png");
    existing.accessory = Accessory::Disclosure;
    m_table->setSections({TableSection{QString(), QString(), {newID, existing}}});
}

void KVExportCloudIDViewController::didSelectRow(Row row)
{
    switch (row) {
    case ExportToNewID: {
        //% "Exporting.."
        KVCloudRequest* request = m_exchange->start(qtTrId("CLOUD_EXPORTING"));
        KVLog(QStringLiteral("Export"), QStringLiteral("Exporting to new Cloud ID"));
        QPointer<KVExportCloudIDViewController> self(this);
        request->cloudReqCallback = [self](const QString& message, bool success) {
            if (self)
                self->cloudReq(message, success);
        };
        request->exportToID(QLatin1String(KVCloudRequest::newIDFromExportScreen), false);
        return;
    }
    case ExportToExistingID:
        KVLog(QStringLiteral("Export"), QStringLiteral("Exporting to existing Cloud ID"));
        if (NavigationStack* stack = navigationStack())
            stack->push(new KVImportExportCloudViewController(KVImportExportCloudViewController::Mode::Export), Animation::Animated);
        return;
    }
}

void KVExportCloudIDViewController::cloudReq(const QString& message, bool success)
{
    m_exchange->finish();
    const QString issued = m_exchange->request() ? m_exchange->request()->ID : QString();
    const CloudTransfer::Outcome outcome = CloudTransfer::newIDExported(issued, message, success);
    if (!outcome.ok) {
        m_exchange->showMessage(outcome.title, outcome.message);
        return;
    }
    auto* alert = new Alert(outcome.title, outcome.message);
    //% "OK"
    alert->addButton(qtTrId("SETTINGS_OK"), Alert::Role::Cancel);
    //% "Copy ID"
    alert->addButton(qtTrId("CLOUD_COPY_ID"), Alert::Role::Default, [issued](Alert&) {
        QGuiApplication::clipboard()->setText(issued);
        CloudTransfer::newIDCopied();
    });
    m_exchange->show(alert);
}

}  // namespace korvel

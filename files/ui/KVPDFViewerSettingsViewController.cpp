#include "files/ui/KVPDFViewerSettingsViewController.h"

#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ToggleSwitch.h"
#include "settings/KVSettings.h"

#include <QVBoxLayout>

namespace korvel {

namespace {

enum Row { Viewer, Download, Print };

bool KVBrowserPrefSettings::*field(int row)
{
    switch (Row(row)) {
    case Viewer:
        return &KVBrowserPrefSettings::isAllowPDFViewer;
    case Download:
        return &KVBrowserPrefSettings::isAllowDownloadInPDFViewer;
    case Print:
        return &KVBrowserPrefSettings::isAllowPrintInPDFViewer;
    }
    return nullptr;
}

}  // namespace

KVPDFViewerSettingsViewController::KVPDFViewerSettingsViewController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("pdfViewerSettings"));
    //% "Change PDF Viewer Settings"
    setTitle(qtTrId("CHANGE_PDF_VIEWER_SETTINGS"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    m_table = new TableView(this);
    box->addWidget(m_table);
}

void KVPDFViewerSettingsViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    const auto row = [&](Row id, const QString& title, const QString& detail) {
        TableRow r;
        r.id = id;
        r.title = title;
        r.detail = detail;
        r.accessory = Accessory::Switch;
        r.checked = p.*field(id);
        return r;
    };
    TableSection section;
    section.rows = {
        //% "PDF Viewer"
        //% "Opens PDF documents in the kiosk's own reader."
        row(Viewer, qtTrId("PDF_VIEWER"), qtTrId("TEXT_PDF_VIEWER_DETAIL")),
        //% "Allow Download"
        //% "The reader's Download button saves the document in Documents."
        row(Download, qtTrId("TEXT_PDF_ALLOW_DOWNLOAD"), qtTrId("TEXT_PDF_ALLOW_DOWNLOAD_DETAIL")),
        //% "Allow Print"
        //% "The reader's Share sheet offers printing."
        row(Print, qtTrId("TEXT_PDF_ALLOW_PRINT"), qtTrId("TEXT_PDF_ALLOW_PRINT_DETAIL")),
    };
    m_table->setSections({section});
}

void KVPDFViewerSettingsViewController::viewWillDisappear(bool)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    for (int id : {Viewer, Download, Print}) {
        if (TableCell* cell = m_table->cellWithId(id); cell && cell->toggle())
            settings.kvBrowPref.*field(id) = cell->toggle()->isChecked();
    }
    settings.save();
    KVLog(QStringLiteral("Settings"), QStringLiteral("PDF Viewer settings changed: viewer %@, download %@, print %@"),
          settings.kvBrowPref.isAllowPDFViewer ? QStringLiteral("on") : QStringLiteral("off"),
          settings.kvBrowPref.isAllowDownloadInPDFViewer ? QStringLiteral("on") : QStringLiteral("off"),
          settings.kvBrowPref.isAllowPrintInPDFViewer ? QStringLiteral("on") : QStringLiteral("off"));
}

}  // namespace korvel

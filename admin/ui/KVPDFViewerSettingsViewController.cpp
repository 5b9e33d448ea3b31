#include "admin/ui/KVPDFViewerSettingsViewController.h"

#include "log/KVLog.h"

namespace korvel {

namespace {

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

}  // namespace

KVPDFViewerSettingsViewController::KVPDFViewerSettingsViewController(QWidget* parent)
    //% "Change PDF Viewer Settings"
    : PreferencesScreen(KVBrowserPrefSettings::Screens::pdfViewer, qtTrId("CHANGE_PDF_VIEWER_SETTINGS"), parent)
{
    setObjectName(QStringLiteral("pdfViewerSettings"));
}

void KVPDFViewerSettingsViewController::saved(const KVBrowserPrefSettings& p)
{
    KVLog(QStringLiteral("Settings"), QStringLiteral("PDF Viewer settings changed: viewer %@, download %@, print %@"), onOff(p.isAllowPDFViewer),
          onOff(p.isAllowDownloadInPDFViewer), onOff(p.isAllowPrintInPDFViewer));
}

}  // namespace korvel

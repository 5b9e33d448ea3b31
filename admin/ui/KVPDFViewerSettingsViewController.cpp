#include "admin/ui/KVPDFViewerSettingsViewController.h"

#include "admin/ui/PreferenceRows.h"
#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"

#include <QVBoxLayout>

namespace korvel {

namespace {

constexpr const char* shownOn = KVBrowserPrefSettings::Screens::pdfViewer;

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
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
    PreferenceRows::follow(m_table, shownOn, &m_edited);
}

void KVPDFViewerSettingsViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    m_edited = KVSettings::getSettingsObject().kvBrowPref;
    m_table->setSections(PreferenceRows::sections(shownOn, m_edited));
}

void KVPDFViewerSettingsViewController::viewWillDisappear(bool)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    KVBrowserPrefSettings& p = settings.kvBrowPref;
    p.takeShownOn(shownOn, m_edited);
    settings.save();
    KVLog(QStringLiteral("Settings"), QStringLiteral("PDF Viewer settings changed: viewer %@, download %@, print %@"), onOff(p.isAllowPDFViewer),
          onOff(p.isAllowDownloadInPDFViewer), onOff(p.isAllowPrintInPDFViewer));
}

}  // namespace korvel

#include "admin/ui/SystemInformationViewController.h"

#include "admin/MenuEntries.h"
#include "browser/EngineHardening.h"
#include "settings/KVSettings.h"
#include "platform/Device.h"
#include "platform/Paths.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "transfer/ImportExport.h"
#include "transfer/UploadServerControl.h"

#include <QFileInfo>
#include <QVBoxLayout>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

namespace korvel {

SystemInformationViewController::SystemInformationViewController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("systemInformation"));
    setTitle(qtTrId("TITLE_SYSTEM_SETTINGS"));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
}

void SystemInformationViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    const auto row = [](const QString& title, const QString& detail) {
        TableRow r;
        r.title = title;
        r.detail = detail;
        return r;
    };
    const QString managed = Paths::managedConfigurationFile();
    //% "%1 (present)"
    //% "%1 (none; nothing is managed)"
    const QString managedText = QFileInfo::exists(managed) ? qtTrId("TEXT_MANAGED_PRESENT").arg(managed) : qtTrId("TEXT_MANAGED_ABSENT").arg(managed);
    UploadServerControl* server = ImportExport::serverControl();
    const std::optional<QUrl> address = server && server->isServerRunning() ? server->documentAddress(QString()) : std::nullopt;
    //% "Not running"
    const QString serverText = address ? address->toString() : qtTrId("TEXT_SERVER_NOT_RUNNING");
    const EngineHardening hardening =
        EngineHardening::inEffect(qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS"), KVSettings::getSettingsObject().kvBrowPref);
    //% "remote debugging refused"
    QStringList switches{qtTrId("TEXT_HARDENING_NO_DEBUGGING")};
    //% "JIT off"
    if (hardening.disableJIT)
        switches << qtTrId("TEXT_HARDENING_NO_JIT");
    //% "WebRTC through a proxy only"
    if (hardening.limitWebRTC)
        switches << qtTrId("TEXT_HARDENING_WEBRTC");
    //% "third-party cookies refused"
    if (hardening.blockThirdPartyCookies)
        switches << qtTrId("TEXT_HARDENING_COOKIES");
    const Device& device = Device::current();
    m_table->setSections({
        //% "Files and Folders"
        TableSection{qtTrId("TEXT_SYSTEM_FILES"), {},
                     {//% "Home directory"
                      row(qtTrId("TEXT_HOME_DIRECTORY"), Paths::home()),
                      //% "Documents"
                      row(qtTrId("TEXT_DOCUMENTS_DIRECTORY"), Paths::documentsDirectory()),
                      //% "Caches"
                      row(qtTrId("TEXT_CACHES_DIRECTORY"), Paths::cachesDirectory()),
                      //% "Settings file"
                      row(qtTrId("TEXT_SETTINGS_FILE"), Paths::defaultsFile()),
                      //% "Managed configuration"
                      row(qtTrId("TEXT_MANAGED_CONFIGURATION"), managedText)}},
        //% "Local Network"
        TableSection{qtTrId("TEXT_SYSTEM_NETWORK"), {},
                     {//% "Upload server"
                      row(qtTrId("TEXT_UPLOAD_SERVER_ADDRESS"), serverText)}},
        //% "Software Versions"
        TableSection{qtTrId("TEXT_SYSTEM_VERSIONS"), {},
                     {row(QStringLiteral("Korvel"), appNameAndVersionNumberDisplayString()),
                      row(QStringLiteral("Qt"), QString::fromLatin1(qVersion())),
                      //% "Web engine"
                      row(qtTrId("TEXT_WEB_ENGINE"), QStringLiteral("Qt WebEngine %1, Chromium %2")
                                                         .arg(QString::fromLatin1(qWebEngineVersion()), QString::fromLatin1(qWebEngineChromiumVersion()))),
                      //% "Engine hardening"
                      row(qtTrId("TEXT_ENGINE_HARDENING"), switches.join(QStringLiteral(", "))),
                      //% "Device"
                      row(qtTrId("TEXT_DEVICE"), device.model()),
                      //% "System"
                      row(qtTrId("TEXT_SYSTEM"), device.systemName() + QLatin1Char(' ') + device.systemVersion())}},
    });
}

}  // namespace korvel

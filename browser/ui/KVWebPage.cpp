#include "browser/ui/KVWebPage.h"

#include "browser/ui/EngineProfiles.h"
#include "browser/ui/KVWKViewController.h"
#include "browser/ui/KorvelWebEngine.h"

#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>

namespace korvel {

KVWebPage::KVWebPage(KVWKViewController* window, bool opensNewWindow, QObject* parent)
    : QWebEnginePage(KorvelWebEngine::profile(), parent)
    , m_window(window)
    , m_opensNewWindow(opensNewWindow)
{
    EngineProfiles::instance().adopt(this);
    // Camera, microphone, location, notifications, screen capture: a kiosk grants none.
    connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl& origin, Feature feature) {
        setFeaturePermission(origin, feature, PermissionDeniedByUser);
    });
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
}

bool KVWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    const bool asNewWindow = m_opensNewWindow;
    m_opensNewWindow = false;
    return m_window->decideNavigation(this, url, type == NavigationTypeLinkClicked, isMainFrame, asNewWindow);
}

QWebEnginePage* KVWebPage::createWindow(WebWindowType type)
{
    Q_UNUSED(type);
    return m_window->createPopupPage();
}

void KVWebPage::javaScriptAlert(const QUrl& securityOrigin, const QString& message)
{
    Q_UNUSED(securityOrigin);
    m_window->runPageDialog(KVWKViewController::PageDialog::Alert, message, QString(), nullptr);
}

bool KVWebPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& message)
{
    Q_UNUSED(securityOrigin);
    return m_window->runPageDialog(KVWKViewController::PageDialog::Confirm, message, QString(), nullptr);
}

bool KVWebPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& message, const QString& defaultValue,
                                 QString* result)
{
    Q_UNUSED(securityOrigin);
    return m_window->runPageDialog(KVWKViewController::PageDialog::Prompt, message, defaultValue, result);
}

QStringList KVWebPage::chooseFiles(FileSelectionMode, const QStringList&, const QStringList&)
{
    return {};
}

}  // namespace korvel

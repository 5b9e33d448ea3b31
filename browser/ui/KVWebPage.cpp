#include "browser/ui/KVWebPage.h"

#include "browser/ui/EngineProfiles.h"
#include "browser/ui/PageHost.h"
#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"

#include <QPointer>

#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>

#include <utility>

namespace korvel {

KVWebPage::KVWebPage(PageHost* window, PageRole role, QObject* parent)
    : QWebEnginePage(EngineProfiles::instance().current(), parent)
    , m_window(window)
    , m_opensNewWindow(role == PageRole::NewWindowCandidate)
{
    EngineProfiles::instance().adopt(this);
    // Larger text reaches pages as their zoom (the engine keeps it across navigations).
    setZoomFactor(ThemeLegibility::textScale());
    // Camera, microphone, location, notifications, screen capture: a kiosk grants none.
    connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl& origin, Feature feature) {
        setFeaturePermission(origin, feature, PermissionDeniedByUser);
    });
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
    // A video (or any element) may fill the page's own area. The view keeps its place in the
    // window, so the toolbar and Home stay within reach of a page that offers no way back.
    connect(this, &QWebEnginePage::fullScreenRequested, this, [this](QWebEngineFullScreenRequest request) {
        m_fullScreen = request.toggleOn();
        request.accept();
    });
}

bool KVWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    const bool asNewWindow = m_opensNewWindow;
    m_opensNewWindow = false;
    const NavigationAction action{url, type == NavigationTypeLinkClicked ? korvel::NavigationType::LinkActivated : korvel::NavigationType::Other,
                                  asNewWindow, isMainFrame ? NavigationFrame::Main : NavigationFrame::Sub,
                                  isMainFrame ? QUrl() : this->url()};
    const bool accepted = m_window->decideNavigation(this, action);
    if (accepted && isMainFrame)
        m_dialogs.navigated();
    return accepted;
}

bool KVWebPage::leaveFullScreen()
{
    // Cleared here as well as by the engine's answer, so that Escape cannot stay caught by a page
    // that left full screen without saying so (a navigation, a renderer that ended).
    if (!std::exchange(m_fullScreen, false))
        return false;
    triggerAction(ExitFullScreen);
    return true;
}

bool KVWebPage::mayShowDialog()
{
    switch (m_dialogs.request(Clock::instance().now())) {
    case DialogGuard::Verdict::Show:
        return true;
    case DialogGuard::Verdict::SuppressFromNow:
        KVLog(QStringLiteral("Webview"), QStringLiteral("Dialogs of %@ suppressed until it navigates"), url().toString(QUrl::FullyEncoded));
        return false;
    case DialogGuard::Verdict::Suppress:
        return false;
    }
    return false;
}

void KVWebPage::dialogFinished()
{
    m_dialogs.finished(Clock::instance().now());
}

QWebEnginePage* KVWebPage::createWindow(WebWindowType type)
{
    Q_UNUSED(type);
    return m_window->createPopupPage();
}

void KVWebPage::javaScriptAlert(const QUrl& securityOrigin, const QString& message)
{
    Q_UNUSED(securityOrigin);
    if (!mayShowDialog())
        return;
    // The wait is long enough for anything to happen, this page's end included.
    QPointer<KVWebPage> self(this);
    m_window->runPageDialog(PageDialogs::Kind::Alert, message, QString(), nullptr);
    if (self)
        dialogFinished();
}

bool KVWebPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& message)
{
    Q_UNUSED(securityOrigin);
    if (!mayShowDialog())
        return false;
    QPointer<KVWebPage> self(this);
    const bool ok = m_window->runPageDialog(PageDialogs::Kind::Confirm, message, QString(), nullptr);
    if (self)
        dialogFinished();
    return ok;
}

bool KVWebPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& message, const QString& defaultValue,
                                 QString* result)
{
    Q_UNUSED(securityOrigin);
    if (!mayShowDialog())
        return false;
    QPointer<KVWebPage> self(this);
    const bool ok = m_window->runPageDialog(PageDialogs::Kind::Prompt, message, defaultValue, result);
    if (self)
        dialogFinished();
    return ok;
}

QStringList KVWebPage::chooseFiles(FileSelectionMode mode, const QStringList&, const QStringList& acceptedMimeTypes)
{
    // Never a system dialog: the kiosk's picker, limited to the documents directory. It chooses
    // files only: a folder to upload or a place to save to gets nothing.
    if (mode == FileSelectUploadFolder || mode == FileSelectSave)
        return {};
    const FileSelection selection = mode == FileSelectOpenMultiple ? FileSelection::Multiple : FileSelection::Single;
    return m_window->choosePageFiles(PageFileRequest{selection, acceptedMimeTypes, {}});
}

}  // namespace korvel

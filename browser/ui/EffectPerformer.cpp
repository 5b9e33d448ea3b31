#include "browser/ui/EffectPerformer.h"

#include "browser/LaunchRequest.h"
#include "files/ui/FileSheet.h"
#include "browser/ui/Routes.h"
#include "log/KVLog.h"
#include "log/KVLogBridge.h"
#include "platform/NotificationCenter.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Toast.h"
#include "policy/WebsiteAddress.h"
#include "settings/KVSettings.h"

#include <variant>

namespace korvel {

namespace {

// The decisions name an alert by its plain category; the person at the device reads it in their language.
QString alertTitle(const QString& category)
{
    if (category == QLatin1String("Error"))
        return qtTrId("TEXT_TAB_ERROR");
    if (category == QLatin1String("ERROR"))
        return qtTrId("BROWSER_ERROR_TITLE");
    return category;
}

}  // namespace

using Kind = NavigationEffect::Kind;

EffectPerformer::EffectPerformer(QWidget* screen, EffectTarget* target)
    : m_screen(screen)
    , m_target(target)
{
}

QString EffectPerformer::notAvailableText()
{
    //% "This function is not available in this version of Korvel."
    return qtTrId("TEXT_FUNCTION_NOT_AVAILABLE");
}

void EffectPerformer::perform(const NavigationEffects& effects)
{
    // A transition from the left belongs to the list shown after it, so it travels with it.
    bool transitionFromLeft = false;
    for (const NavigationEffect& effect : effects) {
        if (effect.kind == Kind::PushTransitionFromLeft) {
            transitionFromLeft = true;
            continue;
        }
        performOne(effect, transitionFromLeft);
        if (effect.kind == Kind::LoadVisibleWebSites)
            transitionFromLeft = false;
    }
}

EffectTarget* EffectPerformer::target(const NavigationEffect& effect)
{
    if (!m_target)
        KVLog(QStringLiteral("debug"), QStringLiteral("No web view for the effect %@"), effect.describe());
    Q_ASSERT(m_target);
    return m_target;
}

void EffectPerformer::performOne(const NavigationEffect& effect, bool transitionFromLeft)
{
    switch (effect.kind) {
    case Kind::Toast:
        toast(effect.text, effect.place);
        return;
    case Kind::Alert:
        alert(alertTitle(effect.category), effect.text, effect.seconds);
        return;
    case Kind::Log:
        KVLogBridge::sharedInstance().createLogWithCategory(effect.category, effect.text);
        return;
    case Kind::PostNotification:
        NotificationCenter::defaultCenter().post(effect.text);
        return;
    case Kind::LaunchApp:
        launchApp(effect.text);
        return;
    case Kind::OpenExternally:
        // The kiosk hands nothing to another application.
        KVLog(QStringLiteral("Webview"), QStringLiteral("Not handed to another application: %@"), effect.url);
        return;
    case Kind::RecordDownload: {
        KVSettings& s = KVSettings::getSettingsObject();
        s.arrDownloadHistory.append(DownloadHistoryParam::initWithParams(WebsiteAddress::lastPathComponent(effect.url),
                                                                         effect.url.toString(QUrl::FullyEncoded), QString(QLatin1String("")),
                                                                         QString(QLatin1String("")), 0));
        s.save();
        return;
    }
    case Kind::StartDownload:
        if (EffectTarget* t = target(effect))
            t->startDownload(effect.url);
        return;
    case Kind::OpenReader:
        openReader(effect);
        return;
    case Kind::ShowFile: {
        // The sheet offers the file, and Open where the reader shows its kind.
        const QUrl file = WebsiteAddress::appendDocDirectoryPathIfFileURL(effect.url);
        if (file.isLocalFile())
            FileSheet::showFile(file.toLocalFile(), m_screen);
        return;
    }
    case Kind::PushTransitionFromLeft:
        // Carried to the next LoadVisibleWebSites by perform().
        return;
    case Kind::Home:
    case Kind::PopToRootAndDisappear:
        if (EffectTarget* t = target(effect))
            t->goHome();
        return;
    case Kind::LoadRequest:
    case Kind::LoadFile:
        if (EffectTarget* t = target(effect))
            t->load(effect.url);
        return;
    case Kind::LoadHTML:
        if (EffectTarget* t = target(effect))
            t->loadHTML(effect.text, effect.url);
        return;
    case Kind::LoadErrorPage:
        if (EffectTarget* t = target(effect))
            t->loadErrorPage();
        return;
    case Kind::StopLoading:
        if (EffectTarget* t = target(effect))
            t->stopLoading();
        return;
    case Kind::EvaluateScript:
        if (EffectTarget* t = target(effect))
            t->evaluateScript(effect.text);
        return;
    case Kind::CloseActiveWebView:
        if (EffectTarget* t = target(effect))
            t->closeActiveWebView();
        return;
    case Kind::RetryFailedPage:
        if (EffectTarget* t = target(effect))
            t->retryFailedPage();
        return;
    case Kind::PopWindow:
        if (EffectTarget* t = target(effect))
            t->popWindow(effect.flag ? Animation::Animated : Animation::None);
        return;
    case Kind::HomePageBars:
        if (EffectTarget* t = target(effect))
            t->showBars(effect.flag ? PageBars::HomePageWithDownloads : PageBars::HomePage);
        return;
    case Kind::FileBars:
        if (EffectTarget* t = target(effect))
            t->showBars(PageBars::File);
        return;
    case Kind::WindowBars:
        if (EffectTarget* t = target(effect))
            t->showBars(PageBars::Window);
        return;
    case Kind::ResetIdleTimer:
        if (EffectTarget* t = target(effect))
            t->resetIdleTimer();
        return;
    case Kind::LoadVisibleWebSites:
        if (EffectTarget* t = target(effect))
            t->loadVisibleWebSites(transitionFromLeft ? Animation::Animated : Animation::None);
        return;
    }
}

void EffectPerformer::toast(const QString& text, NavigationEffect::Place place)
{
    QWidget* over = m_screen;
    if (place == NavigationEffect::Place::WebView && m_target && m_target->webViewWidget())
        over = m_target->webViewWidget();
    if (over)
        makeToast(over, text);
}

void EffectPerformer::alert(const QString& title, const QString& text, int seconds)
{
    auto* shown = new Alert(title, text);
    shown->addButton(qtTrId("BROWSER_OK"), Alert::Role::Cancel);
    if (seconds > 0)
        shown->setAutoDismiss(std::chrono::seconds(seconds));
    shown->showOver(m_screen);
}

void EffectPerformer::launchApp(const QString& request)
{
    const auto target = LaunchRequest::parse(request);
    if (const auto* refused = std::get_if<LaunchRequest::Refused>(&target)) {
        alert(qtTrId("TEXT_ALERT"), refused->alert, 0);
        return;
    }
    // No other application is started from the kiosk.
    alert(qtTrId("TEXT_ALERT"), qtTrId("BROWSER_APP_NOT_AVAILABLE"), 0);
}

void EffectPerformer::openReader(const NavigationEffect& effect)
{
    // The screen's own stack, or that of the screen it sits in (a tab's page).
    for (QWidget* widget = m_screen; widget; widget = widget->parentWidget()) {
        auto* screen = qobject_cast<Screen*>(widget);
        if (screen && screen->navigationStack()) {
            if (Routes::current().openDocument)
                Routes::current().openDocument(effect.url, screen->navigationStack());
            return;
        }
    }
    notAvailable(effect);
}

void EffectPerformer::notAvailable(const NavigationEffect& effect)
{
    KVLog(QStringLiteral("Webview"), QStringLiteral("Not available in this version: %@"), effect.describe());
    if (m_screen)
        makeToast(m_screen, notAvailableText());
}

}  // namespace korvel

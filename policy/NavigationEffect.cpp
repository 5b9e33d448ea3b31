#include "policy/NavigationEffect.h"

namespace korvel {

QString NavigationEffect::describe() const
{
    const QString address = url.toString(QUrl::FullyEncoded);
    switch (kind) {
    case Kind::Toast:
        return QStringLiteral("toast: ") + text;
    case Kind::Alert:
        return QStringLiteral("alert: %1: %2").arg(category, text);
    case Kind::Log:
        return QStringLiteral("log: %1: %2").arg(category, text);
    case Kind::PostNotification:
        return QStringLiteral("notify: ") + text;
    case Kind::Home:
        return QStringLiteral("home");
    case Kind::LoadRequest:
        return QStringLiteral("load: ") + address;
    case Kind::LoadHTML:
        return QStringLiteral("load-html: ") + address;
    case Kind::LoadFile:
        return QStringLiteral("load-file: ") + address;
    case Kind::OpenReader:
        return QStringLiteral("reader: ") + address;
    case Kind::OpenExternally:
        return QStringLiteral("open-externally: ") + address;
    case Kind::LaunchApp:
        return QStringLiteral("launch-app: ") + text;
    case Kind::StopLoading:
        return QStringLiteral("stop-loading");
    case Kind::EvaluateScript:
        return QStringLiteral("script: ") + text;
    case Kind::PushTransitionFromLeft:
        return QStringLiteral("transition: from-left");
    case Kind::LoadVisibleWebSites:
        return QStringLiteral("show-visible-websites");
    case Kind::PopToRootAndDisappear:
        return QStringLiteral("pop-to-root");
    case Kind::CloseActiveWebView:
        return QStringLiteral("close-popup");
    case Kind::RetryFailedPage:
        return QStringLiteral("retry-failed-page");
    case Kind::ResetIdleTimer:
        return QStringLiteral("reset-idle-timer");
    case Kind::HomePageBars:
        return flag ? QStringLiteral("bars: home-page with downloads") : QStringLiteral("bars: home-page");
    case Kind::FileBars:
        return QStringLiteral("bars: file-page");
    case Kind::WindowBars:
        return QStringLiteral("bars: window");
    case Kind::PopWindow:
        return flag ? QStringLiteral("pop-window: animated") : QStringLiteral("pop-window");
    case Kind::ShowFile:
        return QStringLiteral("show-file: ") + address;
    case Kind::StartDownload:
        return QStringLiteral("download: ") + address;
    case Kind::RecordDownload:
        return QStringLiteral("record-download: ") + address;
    case Kind::LoadErrorPage:
        return QStringLiteral("error-page");
    }
    return QString();
}

}  // namespace korvel

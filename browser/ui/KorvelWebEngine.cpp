#include "browser/ui/KorvelWebEngine.h"

#include "browser/EngineFlags.h"
#include "browser/ui/UserAgentInterceptor.h"
#include "platform/Paths.h"
#include "settings/KVBrowserPrefSettings.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlScheme>

namespace korvel {

void KorvelWebEngine::registerSchemes()
{
    QWebEngineUrlScheme callback(QByteArrayLiteral("kvcallback"));
    callback.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    callback.setFlags(QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(callback);
}

QStringList KorvelWebEngine::prepareEnvironment(const QStringList& arguments)
{
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
    const QString flags = qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.isEmpty())
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", EngineFlags::sanitizedFlags(flags).toUtf8());
    return EngineFlags::sanitizedArguments(arguments);
}

UserAgentInterceptor* KorvelWebEngine::interceptor()
{
    static UserAgentInterceptor* stamp = new UserAgentInterceptor;
    return stamp;
}

QWebEngineProfile* KorvelWebEngine::profile()
{
    static QWebEngineProfile* shared = [] {
        auto* p = new QWebEngineProfile(QStringLiteral("korvel"));
        p->setPersistentStoragePath(Paths::cachesDirectory() + QStringLiteral("/engine/storage"));
        p->setCachePath(Paths::cachesDirectory() + QStringLiteral("/engine/cache"));
        // A kiosk runs for months: the disk cache is bounded (32 MiB) rather than left to grow.
        p->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
        p->setHttpCacheMaximumSize(32 * 1024 * 1024);
        p->setUrlRequestInterceptor(interceptor());
        return p;
    }();
    return shared;
}

void KorvelWebEngine::applySettings(QWebEngineSettings* s, const KVBrowserPrefSettings& p)
{
    // Addresses of schemes the engine does not know are never handed to another application.
    s->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    // A dropped link or file would navigate without asking the policy first.
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, p.enableCopyPaste);
    s->setAttribute(QWebEngineSettings::JavascriptCanPaste, p.enableCopyPaste);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, p.pluginsEnable);
    // Documents go to the program's own reader or the download rules, not the engine's viewer.
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
}

}  // namespace korvel

#include "browser/ui/KorvelWebEngine.h"

#include "browser/EngineFlags.h"
#include "browser/ui/PageLoadRules.h"
#include "browser/ui/UserAgentInterceptor.h"
#include "platform/Console.h"
#include "settings/KVBrowserPrefSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlScheme>

namespace korvel {

void KorvelWebEngine::registerSchemes()
{
    // Pages ask for the program's commands by navigating to this scheme, so web content must be
    // able to reach it (no LocalScheme), and addresses such as "kvcallback:getuuid:gotId" must
    // arrive as written (path syntax; host syntax would rewrite them to "kvcallback://getuuid/").
    // Nothing is ever served from it: every navigation to it is decided and cancelled.
    // Mail, telephone and message links would take the engine's way to other applications, which
    // never asks the page: registered like the commands, they come to the navigation rules as
    // every other address does, and a refused one is told and logged.
    for (const QByteArray& name : decidedSchemes()) {
        QWebEngineUrlScheme scheme(name);
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        scheme.setFlags({});
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

const QList<QByteArray>& KorvelWebEngine::decidedSchemes()
{
    static const QList<QByteArray> schemes{QByteArrayLiteral("kvcallback"), QByteArrayLiteral("mailto"), QByteArrayLiteral("tel"),
                                           QByteArrayLiteral("sms")};
    return schemes;
}

QStringList KorvelWebEngine::prepareEnvironment(const QStringList& arguments)
{
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
    const QString flags = qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.isEmpty())
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", EngineFlags::sanitizedFlags(flags).toUtf8());
    return EngineFlags::sanitizedArguments(arguments);
}

namespace {

// A GPU shows up as a render node of the kernel's DRM, or as NVIDIA's own device.
bool gpuDeviceNodeExists()
{
    const QStringList nodes = QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("renderD*")}, QDir::System | QDir::Files);
    return !nodes.isEmpty() || QFileInfo::exists(QStringLiteral("/dev/nvidia0"));
}

}  // namespace

QString KorvelWebEngine::probeRenderer()
{
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface))
        return {};
    const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = name ? QString::fromUtf8(name) : QString();
    context.doneCurrent();
    return renderer;
}

RenderChoice KorvelWebEngine::chooseRenderPath()
{
    const QString asked = qEnvironmentVariable("KORVEL_RENDER");
    std::optional<RenderRequest> request = RenderPathRule::parseRequest(asked);
    if (!request) {
        qCWarning(console).noquote() << QStringLiteral("KORVEL_RENDER=%1 is none of gpu, software, auto; choosing by the device").arg(asked);
        request = RenderRequest::Auto;
    }
    RenderFacts facts;
    facts.platform = QGuiApplication::platformName();
    facts.renderNode = gpuDeviceNodeExists();
    if (RenderPathRule::needsProbe(*request, facts.platform, facts.renderNode))
        facts.glRenderer = probeRenderer();
    const RenderChoice choice = RenderPathRule::choose(*request, facts);

    switch (choice.path) {
    case RenderPath::Gpu:
        // Top-level widget windows are made for OpenGL composition from the start, so the first web
        // view does not force the window to be destroyed and made again.
        qputenv("QT_WIDGETS_RHI", "1");
        qputenv("QT_WIDGETS_RHI_BACKEND", "opengl");
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
        break;
    case RenderPath::Software:
        // The web view's scene graph draws with the raster engine: no emulated OpenGL in this
        // process, and the window stays a plain raster window. Composition through OpenGL asked
        // for from outside would run on the processor (llvmpipe) at every frame for nothing.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        qunsetenv("QT_WIDGETS_RHI");
        qunsetenv("QT_WIDGETS_RHI_BACKEND");
        break;
    }
    const QStringList extra = RenderPathRule::engineFlags(choice.path);
    if (!extra.isEmpty()) {
        QString flags = qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS");
        for (const QString& flag : extra) {
            if (!flags.split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(flag))
                flags += (flags.isEmpty() ? QString() : QStringLiteral(" ")) + flag;
        }
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.toUtf8());
    }
    return choice;
}

UserAgentInterceptor* KorvelWebEngine::interceptor()
{
    static UserAgentInterceptor* stamp = [] {
        auto* made = new UserAgentInterceptor;
        PageLoadRules::install(made);
        return made;
    }();
    return stamp;
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
    s->setAttribute(QWebEngineSettings::SpatialNavigationEnabled, p.spatialNavigation);
    if (p.allowMediaAutoplay)
        s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    else
        s->resetAttribute(QWebEngineSettings::PlaybackRequiresUserGesture);
}

}  // namespace korvel

#pragma once

#include "browser/RenderPath.h"

#include <QStringList>

class QWebEngineProfile;
class QWebEngineSettings;

namespace korvel {

class UserAgentInterceptor;
struct KVBrowserPrefSettings;

// The kiosk's web engine: its schemes, its cleaned command line, its profiles and the settings
// that keep the person at the device inside the permitted sites.
class KorvelWebEngine {
public:
    // Registers the program's own "kvcallback" scheme; must run before the application object.
    static void registerSchemes();
    // The schemes of our own that no page is ever served from: every navigation to one is decided
    // by the navigation rules and cancelled.
    static const QList<QByteArray>& decidedSchemes();
    // Takes developer-tool and other dangerous switches out of QTWEBENGINE_CHROMIUM_FLAGS and
    // QTWEBENGINE_REMOTE_DEBUGGING; returns the arguments without them. Before the application object.
    static QStringList prepareEnvironment(const QStringList& arguments);
    // Chooses how pages reach the screen on this device (KORVEL_RENDER may insist) and sets Qt Quick
    // and the engine up for it. After the application object, before any window or engine object:
    // the first window is then made ready for the chosen path and never re-created for it.
    static RenderChoice chooseRenderPath();
    // The OpenGL renderer of a probe context; empty when no context can be made.
    static QString probeRenderer();

    static UserAgentInterceptor* interceptor();
    // The engine settings of a window's page, from the preferences and the lockdown rules.
    static void applySettings(QWebEngineSettings* settings, const KVBrowserPrefSettings& preferences);
};

}  // namespace korvel

#include "app/ui/LockdownReport.h"

#include "admin/LockdownFacts.h"
#include "admin/LockdownProbes.h"
#include "app/ui/X11Window.h"
#include "browser/ui/EngineProfiles.h"

#include <QGuiApplication>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

namespace korvel {

QJsonObject LockdownReport::current()
{
    const QString platform = QGuiApplication::platformName();
    const QString manager = platform == QLatin1String("xcb") ? X11Window::windowManagerName() : QString();
    const QString engine = QStringLiteral("Qt WebEngine %1 (Chromium %2)")
                               .arg(QString::fromLatin1(qWebEngineVersion()), QString::fromLatin1(qWebEngineChromiumVersion()));
    const SessionFacts facts = LockdownFacts::gather(platform, manager, engine, EngineProfiles::instance().rendererPids());
    return LockdownProbes::toJson(facts, LockdownProbes::evaluate(facts));
}

}  // namespace korvel

#include "browser/PageZoom.h"

#include "platform/FormatString.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

double PageZoom::initialScale(const QString& viewportContent)
{
    double scale = 1.0;
    for (const QString& part : viewportContent.split(QStringLiteral(", "))) {
        const QStringList pair = part.split(QLatin1Char('='));
        if (pair.size() < 2 || pair.at(0).trimmed() != QLatin1String("initial-scale"))
            continue;
        bool ok = false;
        const double value = pair.at(1).trimmed().toDouble(&ok);
        if (ok)
            scale = value;
    }
    return scale;
}

std::optional<double> PageZoom::zoomAfterLoad(double initialScale, const KVBrowserPrefSettings& p)
{
    if (!p.zoomEnable || p.intZoom < 101)
        return std::nullopt;
    return initialScale * p.intZoom * 0.01;
}

QString PageZoom::viewportScript(double initialScale, const KVBrowserPrefSettings& p)
{
    const double scale = p.zoomEnable ? initialScale * p.intZoom * 0.01 : initialScale;
    const QString content = p.zoomEnable
                                ? QStringLiteral("width=device-width, initial-scale=%1, maximum-scale=10.0, user-scalable=yes")
                                : QStringLiteral("width=device-width, initial-scale=%1, maximum-scale=10.0, user-scalable=no");
    return QStringLiteral("var meta = document.createElement('meta');meta.setAttribute('name', 'viewport');"
                          "meta.setAttribute('content', '%1');document.getElementsByTagName('head')[0].appendChild(meta);")
        .arg(content.arg(scale, 0, 'f', 1));
}

QString PageZoom::committedScript(const KVBrowserPrefSettings& p)
{
    if (p.zoomEnable)
        return QString();
    return QStringLiteral(
        "var meta = document.createElement('meta');meta.setAttribute('name', 'viewport');meta.setAttribute('content', "
        "'width=device-width, initial-scale=1.0, maximum-scale=1.0, user-scalable=no');"
        "document.getElementsByTagName('head')[0].appendChild(meta);");
}

}  // namespace korvel

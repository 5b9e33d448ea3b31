#include "browser/LaunchRequest.h"

#include "platform/FormatString.h"

namespace korvel {

namespace {

const QString invalid = QStringLiteral("Invalid Request URL.");
const QString marker = QStringLiteral("window.korvel.launch.");

// "scheme/http://host/path" becomes "scheme://http://host/path".
QString schemeWrapped(const QString& target, const QString& web)
{
    const qsizetype at = target.indexOf(web);
    QString schemePart = target.left(at);
    const qsizetype slash = schemePart.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        schemePart.truncate(slash);
    return formatString(QStringLiteral("%@://") + web + QStringLiteral("%@"), schemePart, target.mid(at + web.size()));
}

}  // namespace

std::variant<QString, LaunchRequest::Refused> LaunchRequest::parse(const QString& requestText)
{
    const qsizetype at = requestText.lastIndexOf(marker);
    if (at < 0)
        return Refused{invalid};
    const QString target = requestText.mid(at + marker.size());
    const QUrl targetURL(target);
    if (target.isEmpty() || targetURL.scheme().contains(QLatin1String("http"))
        || (targetURL.scheme().isEmpty() && !targetURL.host().isEmpty()))
        return Refused{invalid};

    QString launch;
    if (target.contains(QLatin1String("://"))) {
        if (target.contains(QLatin1String("http://")))
            launch = schemeWrapped(target, QStringLiteral("http://"));
        else if (target.contains(QLatin1String("https://")))
            launch = schemeWrapped(target, QStringLiteral("https://"));
        else
            launch = target;
    } else {
        launch = formatString(QStringLiteral("%@://"), target.section(QLatin1Char('/'), 0, 0));
    }
    if (launch.isEmpty() || !QUrl(launch).isValid())
        return Refused{invalid};
    return launch;
}

}  // namespace korvel

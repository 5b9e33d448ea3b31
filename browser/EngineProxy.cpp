#include "browser/EngineProxy.h"

#include <QCoreApplication>
#include <QUrl>

namespace korvel {

namespace {

const QString proxySwitch = QStringLiteral("--proxy-server=");

// One proxy of the engine's list: "[kind://]host[:port]", or "direct://".
std::optional<EngineProxy> parseOne(const QString& text, bool& understood)
{
    QString address = text.trimmed();
    if (address.compare(QLatin1String("direct://"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    if (!address.contains(QLatin1String("://")))
        address.prepend(QLatin1String("http://"));
    const QUrl url(address, QUrl::StrictMode);
    const QString kind = url.scheme().toLower();
    EngineProxy proxy;
    proxy.host = url.host();
    if (!url.isValid() || proxy.host.isEmpty() || !url.path().isEmpty() || url.port() == 0) {
        understood = false;
        return std::nullopt;
    }
    if (kind == QLatin1String("http")) {
        proxy.type = EngineProxy::Type::Http;
        proxy.port = quint16(url.port(80));
    } else if (kind == QLatin1String("socks5") || kind == QLatin1String("socks")) {
        // The engine takes a bare "socks" for SOCKS4, which a plain socket cannot speak.
        if (kind == QLatin1String("socks")) {
            understood = false;
            return std::nullopt;
        }
        proxy.type = EngineProxy::Type::Socks5;
        proxy.port = quint16(url.port(1080));
    } else {
        understood = false;
        return std::nullopt;
    }
    return proxy;
}

}  // namespace

std::optional<EngineProxy> EngineProxy::forScheme(const QStringList& switches, const QString& scheme, bool* understood)
{
    bool known = true;
    QString value;
    bool given = false;
    for (const QString& s : switches) {
        if (s.startsWith(proxySwitch)) {
            value = s.mid(proxySwitch.size());
            given = true;
        }
    }
    std::optional<EngineProxy> found;
    if (given) {
        // "host:port" serves every scheme; "http=a;https=b;socks=c" names one per scheme, the
        // "socks" entry serving the others. Within an entry, "a,b" is tried in order.
        QString chosen;
        QString fallback;
        for (const QString& entry : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const qsizetype eq = entry.indexOf(QLatin1Char('='));
            if (eq < 0) {
                chosen = entry;
                break;
            }
            const QString named = entry.left(eq).trimmed();
            if (named.compare(scheme, Qt::CaseInsensitive) == 0) {
                chosen = entry.mid(eq + 1);
                break;
            }
            if (named.compare(QLatin1String("socks"), Qt::CaseInsensitive) == 0)
                fallback = entry.mid(eq + 1);
        }
        if (chosen.isEmpty() && !fallback.isEmpty())
            chosen = fallback.contains(QLatin1String("://")) ? fallback : QLatin1String("socks://") + fallback;
        if (!chosen.isEmpty())
            found = parseOne(chosen.split(QLatin1Char(',')).first(), known);
    }
    if (understood)
        *understood = known;
    return found;
}

QStringList EngineProxy::processSwitches()
{
    QStringList switches = QCoreApplication::arguments();
    switches += qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return switches;
}

}  // namespace korvel

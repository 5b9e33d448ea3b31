#include "browser/EngineProxy.h"

#include "browser/EngineFlags.h"

#include <QCoreApplication>
#include <QHash>
#include <QHostAddress>
#include <QNetworkProxyFactory>
#include <QRegularExpression>

#include <vector>

namespace korvel {

namespace {

// Where a request goes: straight to the host, through a proxy a socket can use, along a road it
// cannot follow, or nowhere readable (a value the engine skips).
struct Road {
    enum Kind { Direct, Proxy, Unfollowable, Invalid } kind = Direct;
    EngineProxy proxy;
};

// One proxy of the engine's lists: "[kind://]host[:port]", or "direct://"; `kind` when none is written.
Road parseProxy(QString text, const QString& kind)
{
    text = text.trimmed();
    if (text.compare(QLatin1String("direct://"), Qt::CaseInsensitive) == 0)
        return {};
    if (!text.contains(QLatin1String("://")))
        text.prepend(kind + QLatin1String("://"));
    const QUrl url(text, QUrl::StrictMode);
    Road road{Road::Proxy, {}};
    road.proxy.host = url.host();
    if (!url.isValid() || road.proxy.host.isEmpty() || !url.path().isEmpty() || !url.userInfo().isEmpty() || url.port() == 0)
        return {Road::Invalid, {}};
    const QString scheme = url.scheme().toLower();
    // A bare "socks://" is SOCKS5 to the engine; only the "socks=" entry of a list means SOCKS4.
    if (scheme == QLatin1String("http")) {
        road.proxy.type = EngineProxy::Type::Http;
        road.proxy.port = quint16(url.port(80));
    } else if (scheme == QLatin1String("socks5") || scheme == QLatin1String("socks")) {
        road.proxy.type = EngineProxy::Type::Socks5;
        road.proxy.port = quint16(url.port(1080));
    } else if (scheme == QLatin1String("https") || scheme == QLatin1String("socks4") || scheme == QLatin1String("quic")) {
        return {Road::Unfollowable, {}};
    } else {
        return {Road::Invalid, {}};
    }
    return road;
}

// "--proxy-server": "host:port" for every scheme, or "http=a;https=b;socks=c" per scheme, the
// "socks" entry serving the schemes without one. Within an entry, "a,b" is tried in order.
Road fromProxyServer(const QString& value, const QString& scheme)
{
    QString chosen;
    QString fallback;
    bool perScheme = false;
    for (const QString& entry : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        if (eq < 0) {
            if (perScheme)
                continue;
            chosen = entry;
            break;
        }
        perScheme = true;
        const QString named = entry.left(eq).trimmed();
        if (named.compare(scheme, Qt::CaseInsensitive) == 0 && chosen.isEmpty())
            chosen = entry.mid(eq + 1);
        else if (named.compare(QLatin1String("socks"), Qt::CaseInsensitive) == 0)
            fallback = entry.mid(eq + 1);
    }
    const bool socks = chosen.trimmed().isEmpty();
    const QString list = socks ? fallback : chosen;
    if (list.trimmed().isEmpty())
        return {};
    const Road road = parseProxy(list.split(QLatin1Char(',')).first(), QLatin1String(socks ? "socks4" : "http"));
    return road.kind == Road::Invalid ? Road{Road::Unfollowable, {}} : road;
}

// A proxy named by an environment variable, read as the engine reads one: its "kind://" is
// dropped (the proxy is an HTTP one, except from SOCKS_SERVER), so are "user:password@" and one
// trailing "/".
Road fromVariable(QString value, QString kind)
{
    if (value.isEmpty())
        return {Road::Invalid, {}};
    if (kind == QLatin1String("socks5") && value.startsWith(QLatin1String("socks4://"), Qt::CaseInsensitive))
        kind = QStringLiteral("socks4");
    if (const qsizetype at = value.indexOf(QLatin1String("://")); at >= 0)
        value = value.mid(at + 3);
    if (const qsizetype at = value.indexOf(QLatin1Char('@')); at >= 0)
        value = value.mid(at + 1);
    if (value.endsWith(QLatin1Char('/')))
        value.chop(1);
    return parseProxy(kind + QLatin1String("://") + value, kind);
}

// '*' stands for any run of characters, '?' for one. Backtracks to the last '*' only, so a list
// full of stars costs no more than the product of the lengths.
bool wildcardMatch(QStringView text, QStringView pattern)
{
    qsizetype t = 0, p = 0, star = -1, resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == QLatin1Char('?') || pattern[p] == text[t])) {
            ++t;
            ++p;
        } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            star = p++;
            resume = t;
        } else if (star >= 0) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

// One rule of a bypass list: "<local>" (host names without a dot), "<-loopback>" (loopback and
// link-local hosts go through the proxy after all), "[scheme://]host-pattern[:port]" (".a.b"
// meaning "*.a.b"), "[scheme://]ip[:port]", or "ip/prefix".
struct BypassRule {
    enum Kind { SimpleHostnames, SubtractImplicit, HostPattern, Address, Subnet } kind = HostPattern;
    QString scheme;
    QString pattern;
    int port = -1;
    QHostAddress address;
    int prefix = 0;
};

std::vector<BypassRule> parseBypassList(const QString& list, bool suffixMatching)
{
    std::vector<BypassRule> rules;
    for (QString raw : list.split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts)) {
        raw = raw.trimmed();
        BypassRule rule;
        if (raw.compare(QLatin1String("<local>"), Qt::CaseInsensitive) == 0) {
            rule.kind = BypassRule::SimpleHostnames;
            rules.push_back(rule);
            continue;
        }
        if (raw.compare(QLatin1String("<-loopback>"), Qt::CaseInsensitive) == 0) {
            rule.kind = BypassRule::SubtractImplicit;
            rules.push_back(rule);
            continue;
        }
        if (const qsizetype at = raw.indexOf(QLatin1String("://")); at >= 0) {
            rule.scheme = raw.left(at).toLower();
            raw = raw.mid(at + 3);
            if (rule.scheme.isEmpty())
                continue;
        }
        if (raw.isEmpty())
            continue;
        if (raw.contains(QLatin1Char('/'))) {
            const QPair<QHostAddress, int> subnet = QHostAddress::parseSubnet(raw);
            if (subnet.first.isNull())
                continue;
            rule.kind = BypassRule::Subnet;
            rule.address = subnet.first;
            rule.prefix = subnet.second;
            rules.push_back(rule);
            continue;
        }
        // An address, bracketed when IPv6 and followed by a port.
        const QUrl asAuthority(QLatin1String("x://") + raw, QUrl::StrictMode);
        if (QHostAddress address(asAuthority.host()); asAuthority.isValid() && !address.isNull()) {
            rule.kind = BypassRule::Address;
            rule.address = address;
            rule.port = asAuthority.port();
            rules.push_back(rule);
            continue;
        }
        if (QHostAddress address(raw); !address.isNull()) {
            rule.kind = BypassRule::Address;
            rule.address = address;
            rules.push_back(rule);
            continue;
        }
        if (const qsizetype colon = raw.lastIndexOf(QLatin1Char(':')); colon >= 0) {
            bool ok = false;
            rule.port = raw.mid(colon + 1).toInt(&ok);
            if (!ok || rule.port < 0 || rule.port > 0xFFFF)
                continue;
            raw.truncate(colon);
        }
        rule.pattern = raw.toLower();
        if (rule.pattern.startsWith(QLatin1Char('.')) || (suffixMatching && !rule.pattern.startsWith(QLatin1Char('*'))))
            rule.pattern.prepend(QLatin1Char('*'));
        rules.push_back(rule);
    }
    return rules;
}

QHostAddress hostAddress(const QUrl& url)
{
    QHostAddress address(url.host());
    bool mapped = false;
    if (const quint32 v4 = address.toIPv4Address(&mapped); mapped && address.protocol() == QAbstractSocket::IPv6Protocol)
        address = QHostAddress(v4);
    return address;
}

// Hosts the engine never sends through a proxy on its own accord.
bool implicitlyDirect(const QUrl& url)
{
    QString host = url.host();
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    if (host == QLatin1String("localhost") || host.endsWith(QLatin1String(".localhost")))
        return true;
    const QHostAddress address = hostAddress(url);
    return !address.isNull() && (address.isLoopback() || address.isLinkLocal());
}

// The later rule that matches decides; with none, the implicit rule does.
bool bypassed(const std::vector<BypassRule>& rules, const QUrl& url)
{
    const QString host = url.host(QUrl::FullyEncoded).toLower();
    const QHostAddress address = hostAddress(url);
    const int port = url.port(url.scheme() == QLatin1String("https") ? 443 : url.scheme() == QLatin1String("http") ? 80 : -1);
    for (auto rule = rules.rbegin(); rule != rules.rend(); ++rule) {
        if (!rule->scheme.isEmpty() && rule->scheme != url.scheme())
            continue;
        switch (rule->kind) {
        case BypassRule::SimpleHostnames:
            if (!host.contains(QLatin1Char('.')) && address.isNull())
                return true;
            break;
        case BypassRule::SubtractImplicit:
            if (implicitlyDirect(url))
                return false;
            break;
        case BypassRule::HostPattern:
            if ((rule->port < 0 || rule->port == port) && wildcardMatch(host, rule->pattern))
                return true;
            break;
        case BypassRule::Address:
            if ((rule->port < 0 || rule->port == port) && !address.isNull() && address.isEqual(rule->address))
                return true;
            break;
        case BypassRule::Subnet:
            if (!address.isNull() && address.isInSubnet(rule->address, rule->prefix))
                return true;
            break;
        }
    }
    return implicitlyDirect(url);
}

// The switches by name, the last of a name counting; "--" ends them.
QHash<QString, QString> switchValues(const QStringList& switches)
{
    QHash<QString, QString> values;
    for (const QString& s : switches) {
        if (s == QLatin1String("--"))
            break;
        if (!s.startsWith(QLatin1Char('-')))
            continue;
        const QString name = s.mid(s.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        values.insert(name.left(eq), eq < 0 ? QString() : name.mid(eq + 1));
    }
    return values;
}

// A variable in the case given, else in the other case (http_proxy, then HTTP_PROXY).
std::optional<QString> variable(const QProcessEnvironment& environment, const QString& name)
{
    for (const QString& spelling : {name, name.front().isLower() ? name.toUpper() : name.toLower()}) {
        if (environment.contains(spelling))
            return environment.value(spelling);
    }
    return std::nullopt;
}

// The road and the bypass list the environment gives, when it gives one.
std::optional<Road> fromEnvironment(const QProcessEnvironment& environment, const QString& scheme, QString& bypassList)
{
    if (variable(environment, QStringLiteral("auto_proxy")))
        return Road{Road::Unfollowable, {}};
    const auto read = [&](const char* name, const char* kind) -> std::optional<Road> {
        const std::optional<QString> value = variable(environment, QString::fromLatin1(name));
        if (!value)
            return std::nullopt;
        const Road road = fromVariable(*value, QString::fromLatin1(kind));
        return road.kind == Road::Invalid ? std::nullopt : std::optional<Road>(road);
    };
    std::optional<Road> road = read("all_proxy", "http");
    if (!road) {
        const std::optional<Road> http = read("http_proxy", "http");
        const std::optional<Road> https = read("https_proxy", "http");
        // No proxy named for this scheme while one is for another: direct.
        if (http || https || read("ftp_proxy", "http"))
            road = scheme == QLatin1String("http") && http ? *http : scheme == QLatin1String("https") && https ? *https : Road{};
    }
    if (!road) {
        const bool four = variable(environment, QStringLiteral("SOCKS_VERSION")) == QLatin1String("4");
        road = read("SOCKS_SERVER", four ? "socks4" : "socks5");
    }
    bypassList = variable(environment, QStringLiteral("no_proxy")).value_or(QString());
    return road;
}

}  // namespace

std::optional<EngineProxy> EngineProxy::forUrl(const Sources& sources, const QUrl& url, bool* understood)
{
    const QString scheme = url.scheme().toLower();
    Road road;
    std::vector<BypassRule> bypass;
    const QHash<QString, QString> switches = switchValues(sources.switches);
    if (sources.applicationProxy) {
        const QNetworkProxy& application = *sources.applicationProxy;
        const QString address = QStringLiteral("%1:%2").arg(application.hostName()).arg(application.port());
        switch (application.type()) {
        case QNetworkProxy::HttpProxy:
            road = parseProxy(address, QStringLiteral("http"));
            break;
        case QNetworkProxy::Socks5Proxy:
            road = parseProxy(address, QStringLiteral("socks5"));
            break;
        case QNetworkProxy::HttpCachingProxy:
            if (scheme == QLatin1String("http"))
                road = parseProxy(address, QStringLiteral("http"));
            break;
        default:
            break;
        }
        if (road.kind == Road::Invalid)
            road = {Road::Unfollowable, {}};
        bypass = parseBypassList(QStringLiteral("<local>"), false);
    } else if (switches.contains(QStringLiteral("no-proxy-server"))) {
        road = {};
    } else if (switches.contains(QStringLiteral("proxy-pac-url")) || switches.contains(QStringLiteral("proxy-auto-detect"))) {
        road = {Road::Unfollowable, {}};
    } else if (switches.contains(QStringLiteral("proxy-server"))) {
        road = fromProxyServer(switches.value(QStringLiteral("proxy-server")), scheme);
        bypass = parseBypassList(switches.value(QStringLiteral("proxy-bypass-list")), false);
    } else {
        QString noProxy;
        road = fromEnvironment(sources.environment, scheme, noProxy).value_or(Road{});
        // Environment lists match by suffix: "example.org" also covers "www.example.org".
        bypass = parseBypassList(noProxy, true);
    }
    if (understood)
        *understood = road.kind != Road::Unfollowable;
    if (road.kind != Road::Proxy || bypassed(bypass, url))
        return std::nullopt;
    return road.proxy;
}

EngineProxy::Sources EngineProxy::processSources()
{
    Sources sources;
    // An application proxy set in code turns Qt's system configuration off; the engine then
    // follows that proxy alone.
    if (!QNetworkProxyFactory::usesSystemConfiguration()) {
        sources.applicationProxy = QNetworkProxy::applicationProxy();
        return sources;
    }
    if (qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) {
        sources.switches = splitFlags(qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS"));
    } else {
        const QStringList arguments = QCoreApplication::arguments();
        if (const qsizetype at = arguments.indexOf(QLatin1String("--webEngineArgs")); at >= 0)
            sources.switches = arguments.mid(at + 1);
    }
    sources.environment = QProcessEnvironment::systemEnvironment();
    return sources;
}

QStringList EngineProxy::splitFlags(const QString& flags)
{
    QStringList switches = EngineFlags::splitFlags(flags);
    for (QString& s : switches)
        s.remove(QLatin1Char('"'));
    switches.removeAll(QString());
    return switches;
}

}  // namespace korvel

#include "policy/SubresourcePolicy.h"

#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

namespace korvel {

namespace {

bool travelsTheNetwork(const QUrl& url)
{
    const QString scheme = url.scheme();
    return scheme == QLatin1String("https") || scheme == QLatin1String("http") || scheme == QLatin1String("wss")
        || scheme == QLatin1String("ws");
}

}  // namespace

QString loadTypeName(LoadType type)
{
    switch (type) {
    case LoadType::Frame: return QStringLiteral("frame");
    case LoadType::Stylesheet: return QStringLiteral("stylesheet");
    case LoadType::Script: return QStringLiteral("script");
    case LoadType::Image: return QStringLiteral("image");
    case LoadType::Font: return QStringLiteral("font");
    case LoadType::Media: return QStringLiteral("media");
    case LoadType::Fetch: return QStringLiteral("fetch");
    case LoadType::WebSocket: return QStringLiteral("websocket");
    case LoadType::Beacon: return QStringLiteral("beacon");
    case LoadType::Worker: return QStringLiteral("worker");
    case LoadType::Prefetch: return QStringLiteral("prefetch");
    case LoadType::Other: break;
    }
    return QStringLiteral("other");
}

std::shared_ptr<const SubresourcePolicy> SubresourcePolicy::build(const KVSettings& settings)
{
    auto policy = std::make_shared<SubresourcePolicy>();
    policy->m_index.rebuild(settings);
    const KVBrowserPrefSettings& p = settings.kvBrowPref;
    policy->m_strict = p.strictSubresources;
    policy->m_learning = p.learnSubresources;
    if (p.allowContentBlocking) {
        // The navigation's keyword test: lower case, split at ",", trimmed of spaces and tabs.
        for (const QString& word : p.strBlockedKeyWord.toLower().split(QLatin1Char(','))) {
            QString trimmed = word;
            while (!trimmed.isEmpty() && (trimmed.front() == QLatin1Char(' ') || trimmed.front() == QLatin1Char('\t')))
                trimmed.remove(0, 1);
            while (!trimmed.isEmpty() && (trimmed.back() == QLatin1Char(' ') || trimmed.back() == QLatin1Char('\t')))
                trimmed.chop(1);
            if (!trimmed.isEmpty())
                policy->m_keywords.append(trimmed);
        }
    }
    return policy;
}

LoadDecision SubresourcePolicy::decide(const QUrl& url, const QUrl& page) const
{
    if (!travelsTheNetwork(url))
        return {};
    const QString host = url.host();
    const QString key = WebsiteRules::requestHostKey(host);
    if (m_index.blocksHost(key))
        return {LoadRefusal::Blocked, QString()};
    if (!m_keywords.isEmpty()) {
        const QString address = url.toString(QUrl::FullyEncoded).toLower();
        for (const QString& keyword : m_keywords) {
            if (address.contains(keyword))
                return {LoadRefusal::Keyword, keyword};
        }
    }
    if (!m_strict)
        return {};
    const QString pageHost = page.host();
    if (!key.isEmpty() && key == WebsiteRules::requestHostKey(pageHost))
        return {};
    if (m_index.matchesWebsite(host, PolicyIndex::withoutWWW(host), url.toString(QUrl::FullyEncoded)))
        return {};
    if (m_index.alsoAllowsLoading(key, pageHost, PolicyIndex::withoutWWW(pageHost), page.toString(QUrl::FullyEncoded)))
        return {};
    return {LoadRefusal::Unlisted, QString()};
}

QString SubresourcePolicy::websiteOf(const QUrl& page) const
{
    QString website;
    m_index.forEachWebsiteKey(page.host(), PolicyIndex::withoutWWW(page.host()), page.toString(QUrl::FullyEncoded),
                              [&](const QString& key) {
                                  website = key;
                                  return true;
                              });
    return website;
}

}  // namespace korvel

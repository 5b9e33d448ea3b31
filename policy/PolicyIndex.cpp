#include "policy/PolicyIndex.h"

#include "policy/DomainHelper.h"
#include "policy/WebsiteAddress.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

#include <thread>

namespace korvel {

namespace {

// Calls `found` with the key itself and each suffix that starts after a ".", longest first.
template <typename Found>
bool anyLabelSuffix(const QString& key, Found found)
{
    if (found(QStringView(key)))
        return true;
    for (qsizetype dot = key.indexOf(QLatin1Char('.')); dot >= 0; dot = key.indexOf(QLatin1Char('.'), dot + 1)) {
        if (found(QStringView(key).mid(dot + 1)))
            return true;
    }
    return false;
}

const TLDParser* parserOf(const DomainHelper& domains)
{
    return domains.extractor() ? &domains.extractor()->tldParser() : nullptr;
}

}  // namespace

void PolicyIndex::refresh(const KVSettings& settings)
{
    if (m_built && settings.allowedWebsites.constData() == m_allowedSource.constData()
        && settings.allowedWebsites.size() == m_allowedSource.size()
        && settings.blockedWebsites.constData() == m_blockedSource.constData()
        && settings.blockedWebsites.size() == m_blockedSource.size()
        && settings.kvBrowPref.alsoAllowedForLoading == m_alsoAllowedSource)
        return;
    rebuild(settings);
}

void PolicyIndex::rebuild(const KVSettings& settings)
{
    PolicyIndex previous = std::move(*this);
    *this = PolicyIndex();
    m_allowedSource = settings.allowedWebsites;
    m_blockedSource = settings.blockedWebsites;
    m_alsoAllowedSource = settings.kvBrowPref.alsoAllowedForLoading;
    m_built = true;
    // Two lists, two cores: the blocked list (and freeing the previous index) on a helper thread.
    std::thread blocked([this, doomed = std::move(previous)]() mutable {
        doomed = PolicyIndex();
        buildBlocked();
    });
    buildAllowed();
    blocked.join();
}

void PolicyIndex::buildAllowed()
{
    std::shared_ptr<const DomainHelper> suffixes;  // taken once, when the first list needs it
    m_exactHosts.reserve(m_allowedSource.size());
    m_subdomainHosts.reserve(m_allowedSource.size() / 2);
    m_onlyThisAddresses.reserve(m_allowedSource.size());
    for (const allowedWebsite& w : std::as_const(m_allowedSource)) {
        const std::optional<QUrl> url = w.parsedURL();
        if (!url)
            continue;
        if (url->isLocalFile()) {
            const QString name = WebsiteAddress::lastPathComponent(*url);
            if (name.isEmpty())
                m_fileWebsiteWithoutName = true;
            else
                m_fileNames.insert(name);
            continue;
        }
        const QString host = url->host();
        if (!w.alsoAllowedForLoading.isEmpty()) {
            if (!suffixes)
                suffixes = DomainHelper::shared();
            const QString site = websiteKey(w);
            for (const QString& entry : w.alsoAllowedForLoading) {
                const QString key = loadingHostKey(entry);
                if (!site.isEmpty() && !key.isEmpty() && !isPublicSuffix(key, parserOf(*suffixes)))
                    m_alsoAllowedBySite.insert(site + QLatin1Char('\n') + key);
            }
        }
        if (w.allowSubDomain) {
            const QString hostNoWWW = QString(host).remove(QStringLiteral("www."));
            if (!hostNoWWW.isEmpty())
                m_subdomainHosts.insert(hostNoWWW);
        } else if (w.allowOnlyThis) {
            const QString address = url->toString(QUrl::FullyEncoded);
            m_onlyThisAddresses.insert(address);
            m_onlyThisAddresses.insert(address + QLatin1Char('/'));
        } else if (!host.isEmpty()) {
            m_exactHosts.insert(host);
        }
    }
}

void PolicyIndex::buildBlocked()
{
    const std::shared_ptr<const DomainHelper> suffixes = m_alsoAllowedSource.isEmpty() ? nullptr : DomainHelper::shared();
    for (const QString& entry : m_alsoAllowedSource.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString key = loadingHostKey(entry);
        if (!key.isEmpty() && !isPublicSuffix(key, parserOf(*suffixes)))
            m_alsoAllowedGlobal.insert(key);
    }
    m_blockedHosts.reserve(m_blockedSource.size());
    for (const blockedWebsite& b : std::as_const(m_blockedSource)) {
        const QString blockedHost = WebsiteRules::blockedWebsiteHost(b);
        if (!blockedHost.isEmpty()) {
            const QString key = WebsiteRules::blockedHostKey(blockedHost);
            if (key.isEmpty() || key == QLatin1String(" "))
                continue;
            if (key.startsWith(QLatin1Char('.')))
                m_blockedSubdomainsOnly.insert(key.mid(1));
            else
                m_blockedHosts.insert(key);
        }
        // Only file addresses are compared by their whole text.
        if (b.url.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
            QString normalised = b.url.toLower();
            normalised.replace(QStringLiteral("////"), QStringLiteral("///"))
                .remove(QStringLiteral("%20"))
                .replace(QStringLiteral("%3a"), QStringLiteral("?"))
                .replace(QStringLiteral("%3d"), QStringLiteral(":"));
            m_blockedFiles.insert(normalised);
        }
    }
}

void PolicyIndex::buildTabLookup() const
{
    m_lastByHost.reserve(m_allowedSource.size());
    m_lastByAddress.reserve(m_allowedSource.size());
    for (qsizetype i = 0; i < m_allowedSource.size(); ++i) {
        const std::optional<QUrl> url = m_allowedSource.at(i).parsedURL();
        if (!url)
            continue;
        m_lastByAddress.insert(url->toString(QUrl::FullyEncoded), i);
        if (!url->host().isEmpty())
            m_lastByHost.insert(url->host(), i);
    }
    m_tabLookupBuilt = true;
}

bool PolicyIndex::matchesWebsite(const QString& host, const QString& hostNoWWW, const QString& address) const
{
    if (!host.isEmpty() && m_exactHosts.contains(host))
        return true;
    if (m_onlyThisAddresses.contains(address))
        return true;
    if (hostNoWWW.isEmpty() || m_subdomainHosts.isEmpty())
        return false;
    return anyLabelSuffix(hostNoWWW, [this](QStringView suffix) { return m_subdomainHosts.contains(suffix); });
}

bool PolicyIndex::blocksHost(const QString& key) const
{
    if (key.isEmpty() || key == QLatin1String(" "))
        return false;
    if (!m_blockedHosts.isEmpty()
        && anyLabelSuffix(key, [this](QStringView suffix) { return m_blockedHosts.contains(suffix); }))
        return true;
    if (m_blockedSubdomainsOnly.isEmpty())
        return false;
    // Only proper suffixes: "*.example.com" does not block example.com itself.
    for (qsizetype dot = key.indexOf(QLatin1Char('.')); dot >= 0; dot = key.indexOf(QLatin1Char('.'), dot + 1)) {
        if (m_blockedSubdomainsOnly.contains(QStringView(key).mid(dot + 1)))
            return true;
    }
    return false;
}

QString PolicyIndex::loadingHostKey(const QString& entry)
{
    QString text = entry.trimmed();
    if (text.contains(QLatin1String("://")))
        text = QUrl(text).host();
    if (text.startsWith(QLatin1String("*.")))
        text = text.mid(2);
    return WebsiteRules::requestHostKey(text);
}

bool PolicyIndex::isPublicSuffix(const QString& key)
{
    return isPublicSuffix(key, parserOf(*DomainHelper::shared()));
}

bool PolicyIndex::isPublicSuffix(const QString& key, const TLDParser* suffixes)
{
    if (key.isEmpty() || !suffixes)
        return false;
    // The suffix of a name one label longer is the key itself exactly when the key is a suffix.
    const std::optional<TLDResult> split = suffixes->parse(QStringLiteral("x.") + key, false);
    return split && split->topLevelDomain && split->topLevelDomain->compare(key, Qt::CaseInsensitive) == 0;
}

QStringList PolicyIndex::publicSuffixEntries(const QString& commaSeparated)
{
    QStringList found;
    for (const QString& entry : commaSeparated.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (isPublicSuffix(loadingHostKey(entry)))
            found.append(entry.trimmed());
    }
    return found;
}

QString PolicyIndex::websiteKey(const allowedWebsite& w)
{
    const std::optional<QUrl> url = w.parsedURL();
    if (!url || url->isLocalFile())
        return QString();
    if (w.allowSubDomain) {
        const QString hostNoWWW = QString(url->host()).remove(QStringLiteral("www."));
        return hostNoWWW.isEmpty() ? QString() : QStringLiteral("*.") + hostNoWWW;
    }
    if (w.allowOnlyThis)
        return url->toString(QUrl::FullyEncoded);
    return url->host();
}

bool PolicyIndex::forEachWebsiteKey(const QString& host, const QString& hostNoWWW, const QString& address,
                                    const std::function<bool(const QString&)>& found) const
{
    if (!host.isEmpty() && m_exactHosts.contains(host) && found(host))
        return true;
    if (m_onlyThisAddresses.contains(address)) {
        // Both the address and the address with "/" are stored; the key is the record's own.
        const QString key = address.endsWith(QLatin1Char('/')) && m_onlyThisAddresses.contains(address.chopped(1))
            ? address.chopped(1) : address;
        if (found(key))
            return true;
    }
    if (hostNoWWW.isEmpty() || m_subdomainHosts.isEmpty())
        return false;
    return anyLabelSuffix(hostNoWWW, [&](QStringView suffix) {
        return m_subdomainHosts.contains(suffix) && found(QStringLiteral("*.") + suffix.toString());
    });
}

bool PolicyIndex::alsoAllowsLoading(const QString& key, const QString& pageHost, const QString& pageHostNoWWW,
                                    const QString& pageAddress) const
{
    if (key.isEmpty())
        return false;
    if (!m_alsoAllowedGlobal.isEmpty()
        && anyLabelSuffix(key, [this](QStringView suffix) { return m_alsoAllowedGlobal.contains(suffix); }))
        return true;
    if (m_alsoAllowedBySite.isEmpty())
        return false;
    QString probe;
    return forEachWebsiteKey(pageHost, pageHostNoWWW, pageAddress, [&](const QString& site) {
        return anyLabelSuffix(key, [&](QStringView suffix) {
            probe.resize(0);
            probe.append(site).append(QLatin1Char('\n')).append(suffix);
            return m_alsoAllowedBySite.contains(probe);
        });
    });
}

std::optional<qsizetype> PolicyIndex::lastWebsiteFor(const QString& host, const QString& address) const
{
    if (!m_tabLookupBuilt)
        buildTabLookup();
    const qsizetype byHost = host.isEmpty() ? -1 : m_lastByHost.value(host, -1);
    const qsizetype byAddress = m_lastByAddress.value(address, -1);
    const qsizetype last = std::max(byHost, byAddress);
    return last >= 0 ? std::optional<qsizetype>(last) : std::nullopt;
}

}  // namespace korvel

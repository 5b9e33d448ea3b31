#include "policy/PolicyIndex.h"

#include "policy/KVUtility.h"
#include "policy/Utils.h"
#include "settings/KVSettings.h"

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

}  // namespace

void PolicyIndex::refresh(const KVSettings& settings)
{
    if (m_built && settings.allowedWebsites.constData() == m_allowedSource.constData()
        && settings.allowedWebsites.size() == m_allowedSource.size()
        && settings.blockedWebsites.constData() == m_blockedSource.constData()
        && settings.blockedWebsites.size() == m_blockedSource.size())
        return;
    rebuild(settings);
}

void PolicyIndex::rebuild(const KVSettings& settings)
{
    *this = PolicyIndex();
    m_allowedSource = settings.allowedWebsites;
    m_blockedSource = settings.blockedWebsites;
    m_built = true;

    for (qsizetype i = 0; i < m_allowedSource.size(); ++i) {
        const allowedWebsite& w = m_allowedSource.at(i);
        const std::optional<QUrl> url = w.parsedURL();
        if (!url)
            continue;
        const QString host = url->host();
        const QString address = url->toString(QUrl::FullyEncoded);
        m_lastByAddress.insert(address, i);
        if (!host.isEmpty())
            m_lastByHost.insert(host, i);
        if (url->isLocalFile()) {
            const QString name = KVUtility::lastPathComponent(*url);
            if (name.isEmpty())
                m_fileWebsiteWithoutName = true;
            else
                m_fileNames.insert(name);
            continue;
        }
        if (w.allowSubDomain) {
            const QString hostNoWWW = QString(host).remove(QStringLiteral("www."));
            if (!hostNoWWW.isEmpty())
                m_subdomainHosts.insert(hostNoWWW);
        } else if (w.allowOnlyThis) {
            m_onlyThisAddresses.insert(address);
            m_onlyThisAddresses.insert(address + QLatin1Char('/'));
        } else if (!host.isEmpty()) {
            m_exactHosts.insert(host);
        }
    }

    for (const blockedWebsite& b : m_blockedSource) {
        const QString blockedHost = Utils::blockedWebsiteHost(b);
        if (!blockedHost.isEmpty()) {
            const QString key = Utils::blockedHostKey(blockedHost);
            if (key.isEmpty() || key == QLatin1String(" "))
                continue;
            if (key.startsWith(QLatin1Char('.')))
                m_blockedSubdomainsOnly.insert(key.mid(1));
            else
                m_blockedHosts.insert(key);
        }
        if (!b.url.isEmpty() && b.url != QLatin1String(" ")) {
            QString normalised = b.url.toLower();
            normalised.replace(QStringLiteral("////"), QStringLiteral("///"))
                .remove(QStringLiteral("%20"))
                .replace(QStringLiteral("%3a"), QStringLiteral("?"))
                .replace(QStringLiteral("%3d"), QStringLiteral(":"));
            m_blockedFiles.insert(normalised);
        }
    }
}

bool PolicyIndex::matchesWebsite(const QString& host, const QString& hostNoWWW, const QString& address) const
{
    if (!host.isEmpty() && m_exactHosts.contains(host))
        return true;
    if (m_onlyThisAddresses.contains(address))
        return true;
    if (hostNoWWW.isEmpty() || m_subdomainHosts.isEmpty())
        return false;
    return anyLabelSuffix(hostNoWWW, [this](QStringView suffix) { return m_subdomainHosts.contains(suffix.toString()); });
}

bool PolicyIndex::blocksHost(const QString& key) const
{
    if (key.isEmpty() || key == QLatin1String(" "))
        return false;
    if (!m_blockedHosts.isEmpty()
        && anyLabelSuffix(key, [this](QStringView suffix) { return m_blockedHosts.contains(suffix.toString()); }))
        return true;
    if (m_blockedSubdomainsOnly.isEmpty())
        return false;
    // Only proper suffixes: "*.example.com" does not block example.com itself.
    for (qsizetype dot = key.indexOf(QLatin1Char('.')); dot >= 0; dot = key.indexOf(QLatin1Char('.'), dot + 1)) {
        if (m_blockedSubdomainsOnly.contains(QStringView(key).mid(dot + 1).toString()))
            return true;
    }
    return false;
}

std::optional<qsizetype> PolicyIndex::lastWebsiteFor(const QString& host, const QString& address) const
{
    const qsizetype byHost = host.isEmpty() ? -1 : m_lastByHost.value(host, -1);
    const qsizetype byAddress = m_lastByAddress.value(address, -1);
    const qsizetype last = std::max(byHost, byAddress);
    return last >= 0 ? std::optional<qsizetype>(last) : std::nullopt;
}

}  // namespace korvel

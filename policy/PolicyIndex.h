#pragma once

#include "settings/allowedWebsite.h"
#include "policy/StringSet.h"
#include "settings/blockedWebsite.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

namespace korvel {

class KVSettings;
class TLDParser;

// Hash lookups over the allowed and blocked lists, so a decision costs the same with ten websites
// or a hundred thousand. It keeps shallow copies of the lists it was built from: any change to a
// list through QList's API detaches the list's data, so comparing data pointers tells, in constant
// time and without the store being saved, that the index must be rebuilt.
class PolicyIndex {
public:
    // Rebuilds when the settings' lists are not the ones the index was built from.
    void refresh(const KVSettings& settings);
    // Builds unconditionally (and returns the time-consuming part to benchmarks).
    void rebuild(const KVSettings& settings);

    // A non-file allowed website matches: the sub-domain rule on whole labels, the only-this rule
    // on the exact address, else the exact host.
    bool matchesWebsite(const QString& host, const QString& hostNoWWW, const QString& address) const;
    bool hasFileWebsites() const { return !m_fileNames.isEmpty() || m_fileWebsiteWithoutName; }
    // Some allowed file website has this last path component.
    bool hasFileNamed(const QString& name) const { return m_fileNames.contains(name); }
    // The same answer as WebsiteRules::checkIfWebsiteBlocked for a request with a host, by lookups.
    bool blocksHost(const QString& requestHostKey) const;
    // The blocked file addresses, normalised as the blocked-list test compares them.
    bool blocksFileAddress(const QString& normalisedAddress) const { return m_blockedFiles.contains(normalisedAddress); }
    // The keys of the allowed websites a page at `address` belongs to (see websiteKey), most
    // specific first; `found` returns true to stop.
    bool forEachWebsiteKey(const QString& host, const QString& hostNoWWW, const QString& address,
                           const std::function<bool(const QString&)>& found) const;
    // What names a non-file website in the index: its host, "*." and its host for the sub-domain
    // rule, its whole address for the only-this rule. Empty for a file or an unreadable record.
    static QString websiteKey(const allowedWebsite& website);
    // The host key of an "also allowed for loading" entry: a host, "*." and a host, or an
    // address (its host is taken). Empty when it names none.
    static QString loadingHostKey(const QString& entry);
    // An entry that names a public suffix ("com", "co.uk", "github.io") would open every site
    // under it; such entries are left out of the index and refused where they are typed.
    static bool isPublicSuffix(const QString& loadingHostKey);
    // The same by a given list's rules (none: nothing is a suffix), for a whole list at a time.
    static bool isPublicSuffix(const QString& loadingHostKey, const TLDParser* suffixes);
    // The entries of a comma-separated list that name a public suffix, as written.
    static QStringList publicSuffixEntries(const QString& commaSeparated);
    // A host as the lists match it: every "www." taken out.
    static QString withoutWWW(const QString& host)
    {
        return host.contains(QLatin1String("www.")) ? QString(host).remove(QStringLiteral("www.")) : host;
    }
    // A host one may load from in strict mode: on the global list, or on the list of a website
    // the page belongs to. Entries cover their sub-domains; keys as WebsiteRules::requestHostKey.
    bool alsoAllowsLoading(const QString& requestHostKey, const QString& pageHost, const QString& pageHostNoWWW,
                           const QString& pageAddress) const;

    // The last allowed website on `host` or at `address` (the tab's website), by list position.
    std::optional<qsizetype> lastWebsiteFor(const QString& host, const QString& address) const;

private:
    void buildAllowed();
    void buildBlocked();
    void buildTabLookup() const;

    QList<allowedWebsite> m_allowedSource;
    QList<blockedWebsite> m_blockedSource;
    QString m_alsoAllowedSource;
    bool m_built = false;

    StringSet m_exactHosts;
    StringSet m_subdomainHosts;
    StringSet m_onlyThisAddresses;
    StringSet m_fileNames;
    bool m_fileWebsiteWithoutName = false;
    StringSet m_blockedHosts;           // itself and its sub-domains
    StringSet m_blockedSubdomainsOnly;  // "*.example.com": stored as "example.com"
    StringSet m_blockedFiles;
    StringSet m_alsoAllowedGlobal;
    StringSet m_alsoAllowedBySite;  // website key, "\n", host key
    // Only tabbed windows ask for the tab's website: built on first use.
    mutable bool m_tabLookupBuilt = false;
    mutable QHash<QString, qsizetype> m_lastByHost;
    mutable QHash<QString, qsizetype> m_lastByAddress;
};

}  // namespace korvel

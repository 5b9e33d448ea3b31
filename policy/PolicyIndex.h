#pragma once

#include "settings/allowedWebsite.h"
#include "policy/StringSet.h"
#include "settings/blockedWebsite.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace korvel {

class KVSettings;

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
    // The last allowed website on `host` or at `address` (the tab's website), by list position.
    std::optional<qsizetype> lastWebsiteFor(const QString& host, const QString& address) const;

private:
    void buildAllowed();
    void buildBlocked();
    void buildTabLookup() const;

    QList<allowedWebsite> m_allowedSource;
    QList<blockedWebsite> m_blockedSource;
    bool m_built = false;

    StringSet m_exactHosts;
    StringSet m_subdomainHosts;
    StringSet m_onlyThisAddresses;
    StringSet m_fileNames;
    bool m_fileWebsiteWithoutName = false;
    StringSet m_blockedHosts;           // itself and its sub-domains
    StringSet m_blockedSubdomainsOnly;  // "*.example.com": stored as "example.com"
    StringSet m_blockedFiles;
    // Only tabbed windows ask for the tab's website: built on first use.
    mutable bool m_tabLookupBuilt = false;
    mutable QHash<QString, qsizetype> m_lastByHost;
    mutable QHash<QString, qsizetype> m_lastByAddress;
};

}  // namespace korvel

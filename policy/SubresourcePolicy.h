#pragma once

#include "policy/PolicyIndex.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

namespace korvel {

class KVSettings;

// What a page asks the engine to load besides its own document.
enum class LoadType { Frame, Stylesheet, Script, Image, Font, Media, Fetch, WebSocket, Beacon, Worker, Prefetch, Other };
// The word a type is recorded and printed with ("image", "script", ...).
QString loadTypeName(LoadType type);

enum class LoadRefusal {
    None,
    Blocked,   // the host is on the blocked list
    Keyword,   // the address holds a blocked keyword
    Unlisted,  // strict mode: neither an allowed website nor also allowed for loading
};

struct LoadDecision {
    LoadRefusal refusal = LoadRefusal::None;
    QString keyword;  // the keyword found, for LoadRefusal::Keyword

    bool allowed() const { return refusal == LoadRefusal::None; }
};

// Which requests a page may make, decided from one snapshot of the settings. A snapshot never
// changes once built, so the engine's network threads can read it without a lock while the main
// thread builds the next one.
class SubresourcePolicy {
public:
    static std::shared_ptr<const SubresourcePolicy> build(const KVSettings& settings);

    // A request for `url` from the page whose address (the top-level document) is `page`. Blocked
    // hosts and blocked keywords refuse in every mode; in strict mode only the page's own host,
    // the allowed websites and the hosts also allowed for loading pass. Addresses the network
    // does not carry (data, blob, file, the engine's own) are not this rule's.
    LoadDecision decide(const QUrl& url, const QUrl& page) const;
    // The allowed website a page belongs to, by its index key (PolicyIndex::websiteKey); empty
    // when none.
    QString websiteOf(const QUrl& page) const;

    bool strict() const { return m_strict; }
    bool learning() const { return m_learning; }
    const PolicyIndex& index() const { return m_index; }

private:
    PolicyIndex m_index;
    bool m_strict = false;
    bool m_learning = false;
    QStringList m_keywords;  // lower case, trimmed; empty when content blocking is off
};

}  // namespace korvel

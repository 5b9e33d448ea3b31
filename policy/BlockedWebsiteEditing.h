#pragma once

#include "policy/EditOutcome.h"
#include "settings/blockedWebsite.h"

#include <optional>

namespace korvel {

class KVSettings;

struct BlockedWebsiteInput {
    QString url;
    WebsiteProtocol protocol = WebsiteProtocol::Http;

    static BlockedWebsiteInput fromRecord(const blockedWebsite& website);

    bool operator==(const BlockedWebsiteInput&) const = default;
};

// Adding, changing and deleting blocked websites. Their titles are always derived from the URL.
class BlockedWebsiteEditing {
public:
    static EditOutcome save(KVSettings& settings, const BlockedWebsiteInput& input,
                            std::optional<qsizetype> index = std::nullopt);
    static EditOutcome remove(KVSettings& settings, qsizetype index);
};

}  // namespace korvel

#pragma once

#include "policy/EditOutcome.h"
#include "settings/allowedWebsite.h"

#include <optional>

namespace korvel {

class KVSettings;

// What the administrator enters for an allowed website.
struct AllowedWebsiteInput {
    QString url;  // as typed: with or without the scheme, or a file name for the file protocol
    WebsiteProtocol protocol = WebsiteProtocol::Http;
    QString title;
    QString iconPath;
    qint64 categoryId = 0;
    bool runAtStartup = false;
    bool hideURL = false;
    bool allowSubDomain = false;
    bool allowOnlyThis = false;
    bool useFavicon = false;
    bool errorPage = false;

    // The input an editor opens with for an existing record; saving it unchanged keeps the record.
    static AllowedWebsiteInput fromRecord(const allowedWebsite& website);

    bool operator==(const AllowedWebsiteInput&) const = default;
};

// Adding, changing and deleting allowed websites: validation, the title rule, one start page and one
// error page at most, identities, category frames, log lines, saving.
class AllowedWebsiteEditing {
public:
    // Adds (no index) or replaces the website at `index`. A refusal carries the text shown to the
    // administrator and changes nothing.
    static EditOutcome save(KVSettings& settings, const AllowedWebsiteInput& input,
                            std::optional<qsizetype> index = std::nullopt);
    static EditOutcome remove(KVSettings& settings, qsizetype index);
};

}  // namespace korvel

#pragma once

#include "policy/EditOutcome.h"
#include "settings/allowedWebsiteCategory.h"

#include <optional>

namespace korvel {

class KVSettings;

struct CategoryInput {
    QString title;
    QString iconPath;

    static CategoryInput fromRecord(const allowedWebsiteCategory& category);

    bool operator==(const CategoryInput&) const = default;
};

// Adding, renaming and deleting the categories (folders) of allowed websites.
class CategoryEditing {
public:
    // Adds (no index) or changes the category at `index`. Titles are stored trimmed with a capital
    // first letter; a title another category already has is refused (ignoring case when adding).
    static EditOutcome save(KVSettings& settings, const CategoryInput& input,
                            std::optional<qsizetype> index = std::nullopt);
    // Deletes the category; its websites return to the top level of the home screen.
    static EditOutcome remove(KVSettings& settings, qsizetype index);
};

}  // namespace korvel

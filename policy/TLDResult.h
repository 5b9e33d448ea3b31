#pragma once

#include <QString>

#include <optional>

namespace korvel {

// A host split at its public suffix. For a.b.example.co.uk: rootDomain example.co.uk,
// topLevelDomain co.uk, secondLevelDomain example, subDomain a.b. All labels are lower case.
struct TLDResult {
    std::optional<QString> rootDomain;         // the registrable domain: suffix and one label
    std::optional<QString> topLevelDomain;     // the public suffix, one or more labels
    std::optional<QString> secondLevelDomain;  // the label in front of the suffix
    std::optional<QString> subDomain;          // every label in front of that, joined with "."

    bool operator==(const TLDResult&) const = default;
};

}  // namespace korvel

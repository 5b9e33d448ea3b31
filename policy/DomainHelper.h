#pragma once

#include "policy/TLDExtract.h"
#include "policy/TLDResult.h"

#include <QString>

#include <memory>
#include <optional>

namespace korvel {

// The process-wide domain decomposition the rest of the program asks for root domains.
class DomainHelper {
public:
    // No extractor: every lookup gives nothing, which callers treat as "matches no root domain".
    explicit DomainHelper(std::optional<TLDExtract> extractor) : m_extractor(std::move(extractor)) {}

    // The instance set with setShared, else the one built from the frozen list, created once even
    // when first asked for from several threads. When the frozen list is missing or damaged that
    // is reported once on stderr and the instance has no extractor.
    static std::shared_ptr<const DomainHelper> shared();
    // Replaces the shared instance (tests, start-up); nullptr goes back to the frozen one, which is
    // never read twice. Lookups already holding the previous instance finish with it.
    static void setShared(std::shared_ptr<const DomainHelper> helper);

    const std::optional<TLDExtract>& extractor() const { return m_extractor; }

    // The host of the text, split by every rule (exceptions and wildcards, then normals). Nothing
    // when no host can be taken from the text, no rule covers it, or there is no extractor.
    std::optional<TLDResult> parseURL(const QString& text) const;

private:
    std::optional<TLDExtract> m_extractor;
};

}  // namespace korvel

#pragma once

#include "policy/PSLDataSet.h"
#include "policy/TLDResult.h"

#include <QString>

#include <optional>
#include <unordered_map>
#include <vector>

namespace korvel {

// Splits hosts at their public suffix using one read-only set of rules. Lookups may run on any
// thread at once.
class TLDParser {
public:
    explicit TLDParser(PSLDataSet dataSet);

    const PSLDataSet& pslDataSet() const { return m_pslDataSet; }

    // The first matching exception rule, else the first matching wildcard rule (both in file
    // order; skipped when quick is set), else the longest listed normal suffix decides. Nothing
    // when no rule covers the host, or when it has one label and only normal rules could apply.
    std::optional<TLDResult> parse(const QString& host, bool quick) const;

private:
    // Exception and wildcard rules grouped by their last label, so a lookup scans only the rules
    // that can match the host's last label, still in file order.
    struct RuleIndex {
        std::unordered_map<QString, std::vector<int>, PSLTextHash, std::equal_to<>> byLastLabel;
        std::vector<int> anyLastLabel;  // rules ending in "*"
    };

    static RuleIndex indexRules(const QList<PSLData>& rules);

    PSLDataSet m_pslDataSet;
    RuleIndex m_exceptionIndex;
    RuleIndex m_wildcardIndex;
    qsizetype m_longestNormal = 0;  // most labels of any normal rule
};

}  // namespace korvel

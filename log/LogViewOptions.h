#pragma once

#include "log/LogQuery.h"

#include <array>

namespace korvel {

// The log viewer's view options: two sort rows (exactly one chosen) and ten category rows. Row
// `index` is row + 2 x section of the options screen.
class LogViewOptions {
public:
    static constexpr int count = 12;
    static constexpr int oldestFirst = 0;
    static constexpr int newestFirst = 1;
    // The option rows per section: "Sort", "Warnings & Errors", "Process".
    static constexpr std::array<int, 3> sectionSizes{2, 2, 8};

    // Oldest first, every category chosen.
    LogViewOptions() = default;

    bool isSelected(int index) const;
    // A tap on a row: in "Sort" the unchosen row takes the choice from the other and the chosen
    // one stays; any other row toggles. Indexes outside the options do nothing.
    void tap(int index);

    // The reading these options stand for: the chosen categories (none chosen gives an empty
    // list, which lists nothing), in the chosen order.
    LogQuery query() const;

    static QString sectionHeader(int section);
    // The row's label; empty outside the options.
    static QString label(int index);
    // The first index of `section`.
    static int firstIndex(int section);

private:
    std::array<bool, count> m_selected{true, false, true, true, true, true, true, true, true, true, true, true};
};

}  // namespace korvel

#pragma once

#include "policy/PSLData.h"

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <unordered_set>

namespace korvel {

// Hashes texts and views of texts alike, so a lookup can probe with a view into the host instead
// of building a string for every candidate suffix.
struct PSLTextHash {
    using is_transparent = void;
    size_t operator()(QStringView text) const noexcept { return qHash(text); }
};

// The normal rules, exactly as they stand in the list.
using PSLNormalSet = std::unordered_set<QString, PSLTextHash, std::equal_to<>>;

// Every rule of the list, read once and never changed afterwards.
struct PSLDataSet {
    QList<PSLData> exceptions;  // in file order
    QList<PSLData> wildcards;   // in file order
    PSLNormalSet normals;
};

}  // namespace korvel

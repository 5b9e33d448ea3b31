#pragma once

#include "policy/PSLDataSet.h"
#include "policy/TLDExtractError.h"

#include <QByteArray>

#include <optional>

namespace korvel {

struct PSLParse {
    PSLDataSet dataSet;                    // empty unless ok()
    std::optional<TLDExtractError> error;  // set when the bytes could not be read as a list

    bool ok() const { return !error; }
};

// Reads the Public Suffix List's published text format into its three rule collections.
class PSLParser {
public:
    // Fails with pslParseError (no underlying error) when the bytes are not UTF-8 or hold no text.
    static PSLParse parse(const QByteArray& data);
};

}  // namespace korvel

#pragma once

#include "policy/TLDExtractError.h"
#include "policy/TLDExtractable.h"
#include "policy/TLDParser.h"
#include "policy/TLDResult.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvel {

struct TLDExtractCreation;

// The domain-decomposition entry point: the rules of one Public Suffix List file, and host
// extraction from URLs and texts in front of the lookup.
class TLDExtract {
public:
    explicit TLDExtract(TLDParser parser) : m_tldParser(std::move(parser)) {}

    // Reads the list from the program's resources: public_suffix_list_frozen.dat with frozen data
    // (what the program uses), public_suffix_list.dat without. Fails with pslParseError, carrying
    // the file error when the file cannot be read.
    static TLDExtractCreation create(bool useFrozenData);
    static TLDExtractCreation fromFile(const QString& path);
    static TLDExtractCreation fromData(const QByteArray& data);

    // The resource file create() reads.
    static QString resourcePath(bool useFrozenData);

    const TLDParser& tldParser() const { return m_tldParser; }

    // The host of the source split at its public suffix; with quick set only the normal rules are
    // consulted. Nothing when no host can be extracted or no rule covers it.
    std::optional<TLDResult> parse(const TLDExtractable& source, bool quick) const;

private:
    TLDParser m_tldParser;
};

struct TLDExtractCreation {
    std::optional<TLDExtract> extract;     // set unless error is
    std::optional<TLDExtractError> error;

    bool ok() const { return extract.has_value(); }
};

}  // namespace korvel

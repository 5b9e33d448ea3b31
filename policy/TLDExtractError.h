#pragma once

#include <QString>

#include <optional>

namespace korvel {

// Why the public suffix rules could not be made available.
struct TLDExtractError {
    enum class Code { pslParseError };

    Code code = Code::pslParseError;
    // What lay beneath, such as the file error when the list could not be opened; absent when the
    // text itself was unusable (not UTF-8, or empty).
    std::optional<QString> underlyingError;

    static TLDExtractError pslParseError(std::optional<QString> underlying = std::nullopt)
    {
        return {Code::pslParseError, std::move(underlying)};
    }

    // One line for logs and the console.
    QString description() const;
};

}  // namespace korvel

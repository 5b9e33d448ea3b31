#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace korvel {

// Reads XML property lists (UTF-8) in one pass over the bytes. It understands exactly what property
// lists use: the XML declaration, a DOCTYPE, comments, CDATA, the predefined and numeric character
// references, and the plist elements. Anything else is an error with its line, never a crash; it
// fetches nothing and expands no custom entities.
class XmlPropertyListReader {
public:
    // Told, now and then, that the reader will not look at the bytes before a position again.
    using Passed = std::function<void(const char* upTo)>;

    // The elements of arrays directly inside the root dictionary, under the keys `takes` accepts,
    // handed over one at a time instead of being collected: a store of 100,000 records is never
    // a tree of 100,000 dictionaries. Such an array reads as an empty list in the result.
    struct TopLevelArrays {
        std::function<bool(const QString& key)> takes;
        std::function<void(const QString& key, QVariant&& element)> element;
    };

    // The root object, or nothing with the reason in `error`.
    static std::optional<QVariant> read(const QByteArray& bytes, QString* error, const Passed& passed = {},
                                        const TopLevelArrays* arrays = nullptr);
};

}  // namespace korvel

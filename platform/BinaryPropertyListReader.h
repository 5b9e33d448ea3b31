#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

namespace korvel {

// Decodes binary property lists ("bplist00") with every offset, count and nesting checked, so
// damaged or hostile bytes give an error instead of reading out of bounds or aborting.
class BinaryPropertyListReader {
public:
    static bool looksBinary(const QByteArray& bytes);
    // The root object, or nothing with the reason in `error`.
    static std::optional<QVariant> read(const QByteArray& bytes, QString* error);
};

}  // namespace korvel

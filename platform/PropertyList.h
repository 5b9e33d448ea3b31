#pragma once

#include "platform/XmlPropertyListReader.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace korvel {

enum class PropertyListError {
    None,
    Unreadable,  // the file could not be opened or read
    Empty,       // no bytes at all
    Malformed,   // neither a well-formed XML nor a valid binary property list
};

enum class FileAccess {
    Default,    // as the umask allows
    OwnerOnly,  // mode 0600, for secrets
};

struct PropertyListParse {
    QVariant value;  // the root object; invalid unless error is None
    PropertyListError error = PropertyListError::None;
    QString message;  // what went wrong, for logs and the console

    bool ok() const { return error == PropertyListError::None; }
};

// Property lists as QVariant trees: dictionary QVariantMap, array QVariantList, string QString,
// integer qint64, real double, boolean bool, date QDateTime (UTC), data QByteArray.
class PropertyList {
public:
    // XML or binary. Bad bytes are reported in the result, never a crash.
    // `passed` (XML only) hears which bytes will not be read again.
    static PropertyListParse parse(const QByteArray& bytes, const XmlPropertyListReader::Passed& passed = {});
    static PropertyListParse readFile(const QString& path);

    // The XML serialisation (version 1.0, UTF-8). Null variants inside containers are left out.
    static QByteArray toXml(const QVariant& value);

    // Writes the XML serialisation atomically: either the old file or the complete new one is
    // left, whatever happens meanwhile. Returns false with a reason in `error` on failure.
    static bool writeFile(const QString& path, const QVariant& value, QString* error = nullptr,
                          FileAccess access = FileAccess::Default);
};

}  // namespace korvel

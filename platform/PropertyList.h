#pragma once

#include "platform/AtomicFile.h"
#include "platform/XmlPropertyListReader.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>

namespace korvel {

enum class PropertyListError {
    None,
    Unreadable,  // the file could not be opened or read
    Empty,       // no bytes at all
    Malformed,   // neither a well-formed XML nor a valid binary property list
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
    // `passed` (XML only) hears which bytes will not be read again; `arrays` takes the elements of
    // the root dictionary's arrays it asks for (see XmlPropertyListReader::TopLevelArrays).
    static PropertyListParse parse(const QByteArray& bytes, const XmlPropertyListReader::Passed& passed = {},
                                   const XmlPropertyListReader::TopLevelArrays* arrays = nullptr);
    static PropertyListParse readFile(const QString& path);

    // The XML serialisation (version 1.0, UTF-8). Null variants inside containers are left out.
    // A StoredList is written as the array of its elements.
    static QByteArray toXml(const QVariant& value);

    // Writes the XML serialisation through AtomicFile, in pieces, so a large store is never held
    // whole as text: either the old file or the complete new one is left, whatever happens
    // meanwhile. Returns false with a reason in `error` on failure.
    static bool writeFile(const QString& path, const QVariant& value, QString* error = nullptr,
                          FileAccess access = FileAccess::Default);
    // The same file written and synced beside `path`, for a FileTransaction to rename; nullptr with
    // the reason in `error` when it could not be written.
    static std::unique_ptr<AtomicFile> stageFile(const QString& path, const QVariant& value, QString* error = nullptr,
                                                 FileAccess access = FileAccess::Default);
};

}  // namespace korvel

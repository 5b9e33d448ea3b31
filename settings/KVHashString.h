#pragma once

#include <QString>

namespace korvel {

// The Base64 form in which the administrator password is stored and exported.
class KVHashString {
public:
    // Standard Base64 (padded, one line) of the UTF-8 bytes; the empty text stays empty.
    static QString stringToBase64(const QString& text);
    // Decodes Base64 and reads the bytes as UTF-8; text that is not Base64 gives the empty text.
    static QString base64ToString(const QString& base64);
};

}  // namespace korvel

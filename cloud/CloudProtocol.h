#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvel::cloud {

// The service side of the two resources: what a device's request body holds, and the answers a
// device understands. A device never parses an answer as XML; it looks for "False" anywhere, and
// takes an element's text by scanning for its tags, so every answer is built to survive that.
class CloudProtocol {
public:
    static constexpr std::string_view falseAnswer = "False";
    // Generated IDs: this many characters of [A-Za-z0-9], about 119 bits.
    static constexpr std::size_t idLength = 20;

    struct Request {
        std::string cloudID;                     // unescaped; empty asks for a new ID
        std::optional<std::string> settingsXML;  // the element's text as sent (the CDATA form)
        std::string os;
        std::string model;
    };
    // The fields of a request body; nothing when it is no "<Request>" body.
    static std::optional<Request> parseRequest(std::string_view body);

    // Everything between the first "<tag>" and the next "</tag>"; nothing when either is missing.
    static std::optional<std::string_view> tagValue(std::string_view text, std::string_view tag);
    // XML text escaping of &, <, >, " and ', and its inverse for those five and numeric references.
    static std::string escaped(std::string_view text);
    static std::string unescaped(std::string_view text);

    static std::string storeAnswer(std::string_view cloudID);
    // The stored document's text with every "False" written as a character reference, which the
    // property-list reader decodes: a document naming a site "False" must not read as a failure.
    static std::string fetchAnswer(std::string_view cloudID, std::string_view settingsXML);

    // A fresh ID from the kernel's random source (getrandom), never containing "False"; nothing
    // when the source fails.
    static std::optional<std::string> newCloudID();
    // What an ID must look like to be looked up: 1 to 200 characters, none of them a control character.
    static bool isPlausibleID(std::string_view cloudID);
};

}  // namespace korvel::cloud

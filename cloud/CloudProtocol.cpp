#include "cloud/CloudProtocol.h"

#include <sys/random.h>

#include <cerrno>
#include <charconv>

namespace korvel::cloud {

namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view xmlHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::optional<std::string_view> CloudProtocol::tagValue(std::string_view text, std::string_view tag)
{
    const std::string open = "<" + std::string(tag) + ">";
    const std::string close = "</" + std::string(tag) + ">";
    const std::size_t begin = text.find(open);
    if (begin == std::string_view::npos)
        return std::nullopt;
    const std::size_t start = begin + open.size();
    const std::size_t end = text.find(close, start);
    if (end == std::string_view::npos)
        return std::nullopt;
    return text.substr(start, end - start);
}

std::string CloudProtocol::escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string CloudProtocol::unescaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (semicolon == std::string_view::npos || semicolon - i > 10) {
            out += text[i];
            continue;
        }
        const std::string_view name = text.substr(i + 1, semicolon - i - 1);
        if (name == "amp") out += '&';
        else if (name == "lt") out += '<';
        else if (name == "gt") out += '>';
        else if (name == "quot") out += '"';
        else if (name == "apos") out += '\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x';
            std::uint32_t code = 0;
            const char* first = name.data() + (hex ? 2 : 1);
            const auto [end, error] = std::from_chars(first, name.data() + name.size(), code, hex ? 16 : 10);
            if (error != std::errc() || end != name.data() + name.size() || code == 0 || code > 0x10FFFF) {
                out += text[i];
                continue;
            }
            appendUtf8(out, char32_t(code));
        } else {
            out += text[i];
            continue;
        }
        i = semicolon;
    }
    return out;
}

std::optional<CloudProtocol::Request> CloudProtocol::parseRequest(std::string_view body)
{
    const std::optional<std::string_view> inner = tagValue(body, "Request");
    if (!inner)
        return std::nullopt;
    Request request;
    request.cloudID = unescaped(tagValue(*inner, "CloudID").value_or(std::string_view()));
    if (const std::optional<std::string_view> xml = tagValue(*inner, "SettingsXML"))
        request.settingsXML = std::string(*xml);
    request.os = unescaped(tagValue(*inner, "OS").value_or(std::string_view()));
    request.model = unescaped(tagValue(*inner, "Model").value_or(std::string_view()));
    return request;
}

std::string CloudProtocol::storeAnswer(std::string_view cloudID)
{
    return std::string(xmlHeader) + "<Response><CloudID>" + escaped(cloudID) + "</CloudID></Response>";
}

std::string CloudProtocol::fetchAnswer(std::string_view cloudID, std::string_view settingsXML)
{
    std::string answer(xmlHeader);
    answer.reserve(settingsXML.size() + 256);
    answer += "<Response><CloudID>";
    answer += escaped(cloudID);
    answer += "</CloudID><SettingsXML>";
    std::size_t from = 0;
    for (std::size_t at = settingsXML.find(falseAnswer); at != std::string_view::npos;
         at = settingsXML.find(falseAnswer, from)) {
        answer.append(settingsXML.substr(from, at - from));
        answer += "&#70;alse";
        from = at + falseAnswer.size();
    }
    answer.append(settingsXML.substr(from));
    answer += "</SettingsXML></Response>";
    return answer;
}

std::optional<std::string> CloudProtocol::newCloudID()
{
    // 62 * 4 = 248: bytes from 248 up are drawn again, so every character is equally likely.
    for (;;) {
        std::string id;
        unsigned char bytes[64];
        while (id.size() < idLength) {
            ssize_t got = getrandom(bytes, sizeof bytes, 0);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return std::nullopt;
            for (ssize_t i = 0; i < got && id.size() < idLength; ++i) {
                if (bytes[i] < 248)
                    id += alphabet[bytes[i] % alphabet.size()];
            }
        }
        if (id.find(falseAnswer) == std::string::npos)
            return id;
    }
}

bool CloudProtocol::isPlausibleID(std::string_view cloudID)
{
    if (cloudID.empty() || cloudID.size() > 200)
        return false;
    for (const char c : cloudID) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F)
            return false;
    }
    return true;
}

}  // namespace korvel::cloud

#include "files/MultipartReader.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace korvel {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The parameters after the first ";" of a header value, as `visit(key, value)`; a quoted value is
// taken up to its closing quote, as browsers write it (they percent-encode a quote in a file name).
template <typename Visit>
void parameters(std::string_view value, Visit visit)
{
    size_t at = value.find(';');
    while (at != std::string_view::npos && at < value.size()) {
        ++at;
        const size_t equals = value.find('=', at);
        const size_t nextSemicolon = value.find(';', at);
        if (equals == std::string_view::npos || (nextSemicolon != std::string_view::npos && nextSemicolon < equals)) {
            at = nextSemicolon;
            continue;
        }
        const std::string_view key = trimmed(value.substr(at, equals - at));
        size_t start = equals + 1;
        while (start < value.size() && (value[start] == ' ' || value[start] == '\t'))
            ++start;
        std::string_view text;
        if (start < value.size() && value[start] == '"') {
            const size_t close = value.find('"', start + 1);
            if (close == std::string_view::npos)
                return;  // an unclosed quote: nothing after it can be read
            text = value.substr(start + 1, close - start - 1);
            at = value.find(';', close);
        } else {
            const size_t end = value.find(';', start);
            text = trimmed(value.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
            at = end;
        }
        visit(key, text);
    }
}

const char* find(const char* from, const char* to, const std::string& what)
{
    return static_cast<const char*>(memmem(from, size_t(to - from), what.data(), what.size()));
}

}  // namespace

std::optional<std::string> MultipartReader::boundaryOf(const std::string& contentType)
{
    const std::string_view type = trimmed(std::string_view(contentType).substr(0, contentType.find(';')));
    if (!equalsIgnoringCase(type, "multipart/form-data"))
        return std::nullopt;
    std::optional<std::string> boundary;
    parameters(contentType, [&](std::string_view key, std::string_view value) {
        if (equalsIgnoringCase(key, "boundary") && !boundary)
            boundary = std::string(value);
    });
    if (!boundary || boundary->empty() || boundary->size() > 70)
        return std::nullopt;
    for (const char c : *boundary) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f)
            return std::nullopt;
    }
    return boundary;
}

MultipartReader::MultipartReader(const std::string& boundary)
    : m_delimiter("\r\n--" + boundary)
{
}

qint64 MultipartReader::fail()
{
    m_state = State::Failed;
    return -1;
}

qint64 MultipartReader::read(const char* data, qint64 size, bool atEnd, const PartHandler& onPart, const DataHandler& onData)
{
    const char* const end = data + size;
    const char* at = data;
    // What may be the start of a boundary that the next piece completes.
    const qint64 keep = qint64(m_delimiter.size()) - 1;
    for (;;) {
        switch (m_state) {
        case State::Preamble: {
            // The first boundary may open the body without the line break before it.
            const std::string opening = m_delimiter.substr(2);
            if (at == data && m_atStart) {
                if (end - at < qint64(opening.size()) && !atEnd)
                    return 0;
                m_atStart = false;
                if (end - at >= qint64(opening.size()) && std::memcmp(at, opening.data(), opening.size()) == 0) {
                    at += opening.size();
                    m_state = State::AfterBoundary;
                    continue;
                }
            }
            if (const char* found = find(at, end, m_delimiter)) {
                at = found + m_delimiter.size();
                m_state = State::AfterBoundary;
                continue;
            }
            if (atEnd)
                return fail();
            return std::max<qint64>(at - data, size - keep);
        }
        case State::AfterBoundary: {
            if (end - at >= 2 && at[0] == '-' && at[1] == '-') {
                m_state = State::Done;
                return size;  // the epilogue is not read
            }
            const char* text = at;
            while (text < end && (*text == ' ' || *text == '\t'))
                ++text;
            if (text - at > 64)
                return fail();
            if (end - text < 2)
                return atEnd ? fail() : at - data;
            if (text[0] != '\r' || text[1] != '\n')
                return fail();
            at = text + 2;
            m_state = State::Head;
            continue;
        }
        case State::Head: {
            const char* headEnd = nullptr;
            const char* bodyStart = nullptr;
            if (end - at >= 2 && at[0] == '\r' && at[1] == '\n') {
                headEnd = at;
                bodyStart = at + 2;
            } else if (const char* blank = find(at, end, std::string("\r\n\r\n"))) {
                headEnd = blank;
                bodyStart = blank + 4;
            }
            if (!headEnd) {
                if (end - at > headLimit || atEnd)
                    return fail();
                return at - data;
            }
            if (headEnd - at > headLimit)
                return fail();
            Part part;
            for (std::string_view lines(at, size_t(headEnd - at)); !lines.empty();) {
                const size_t lineEnd = lines.find("\r\n");
                const std::string_view line = lines.substr(0, lineEnd);
                lines = lineEnd == std::string_view::npos ? std::string_view() : lines.substr(lineEnd + 2);
                const size_t colon = line.find(':');
                if (colon == std::string_view::npos || !equalsIgnoringCase(trimmed(line.substr(0, colon)), "Content-Disposition"))
                    continue;
                parameters(line.substr(colon + 1), [&](std::string_view key, std::string_view value) {
                    if (equalsIgnoringCase(key, "name"))
                        part.name = std::string(value);
                    else if (equalsIgnoringCase(key, "filename"))
                        part.fileName = std::string(value);
                });
            }
            if (!onPart(part))
                return fail();
            at = bodyStart;
            m_state = State::Data;
            continue;
        }
        case State::Data: {
            if (const char* found = find(at, end, m_delimiter)) {
                if (found > at && !onData(at, found - at))
                    return fail();
                at = found + m_delimiter.size();
                m_state = State::AfterBoundary;
                continue;
            }
            if (atEnd)
                return fail();
            const char* upTo = end - keep;
            if (upTo > at) {
                if (!onData(at, upTo - at))
                    return fail();
                at = upTo;
            }
            return at - data;
        }
        case State::Done:
            return size;
        case State::Failed:
            return -1;
        }
    }
}

}  // namespace korvel

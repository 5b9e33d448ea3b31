// An upload body of arbitrary bytes, offered to the multipart reader in pieces of arbitrary sizes
// as the network delivers it. Nothing may crash; the reader never claims more bytes than it was
// given, never asks for more than its head limit to be kept, and reads the same parts and bytes
// however the body is cut.
#include "files/MultipartReader.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The parts and bytes read, and whether the body was whole; `cut` gives the pieces' sizes.
std::string readAll(const std::string& boundary, const std::string& body, const uint8_t* cut, size_t cuts)
{
    korvel::MultipartReader reader(boundary);
    std::string seen;
    std::string pending;
    size_t offset = 0;
    size_t step = 0;
    while (true) {
        const size_t piece = cuts ? 1 + cut[step++ % cuts] % 97 : body.size();
        const size_t take = std::min(piece, body.size() - offset);
        pending.append(body, offset, take);
        offset += take;
        const bool atEnd = offset == body.size();
        const qint64 used = reader.read(pending.data(), qint64(pending.size()), atEnd,
            [&](const korvel::MultipartReader::Part& p) {
                seen += "\n[part " + p.name + "|" + p.fileName + "]";
                return true;
            },
            [&](const char* d, qint64 n) {
                seen.append(d, size_t(n));
                return true;
            });
        if (used < 0)
            return seen + "\n[malformed]";
        if (used > qint64(pending.size()))
            std::abort();
        pending.erase(0, size_t(used));
        if (pending.size() > size_t(korvel::MultipartReader::headLimit) + boundary.size() + 8 + 97)
            std::abort();
        if (atEnd)
            return seen + (reader.finished() ? "\n[done]" : "\n[unfinished]");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first line is the content type; the first 8 bytes of the rest say where to cut.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t newline = input.find('\n');
    if (newline == std::string::npos || input.size() < newline + 9)
        return 0;
    const std::optional<std::string> boundary = korvel::MultipartReader::boundaryOf(input.substr(0, newline));
    if (!boundary)
        return 0;
    const uint8_t* cut = data + newline + 1;
    const std::string body = input.substr(newline + 9);
    const std::string whole = readAll(*boundary, body, nullptr, 0);
    const std::string pieces = readAll(*boundary, body, cut, 8);
    // A malformed body may be found out at different points; a well-formed one reads the same.
    if (whole.size() >= 10 && whole.compare(whole.size() - 7, 7, "\n[done]") == 0 && pieces != whole) {
        std::fprintf(stderr, "cut into pieces the body reads differently\n");
        std::abort();
    }
    return 0;
}

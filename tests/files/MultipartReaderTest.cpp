#include "files/MultipartReader.h"

#include <gtest/gtest.h>

#include <string>

using korvel::MultipartReader;

namespace {

// What a reader made of a body: "name/file=bytes|" per part, or "failed".
std::string readInPieces(const std::string& body, size_t piece)
{
    MultipartReader reader("XyZ");
    std::string seen;
    std::string pending;
    for (size_t at = 0; at < body.size() || at == 0; at += piece) {
        pending += body.substr(at, piece);
        const bool atEnd = at + piece >= body.size();
        const qint64 used = reader.read(
            pending.data(), qint64(pending.size()), atEnd,
            [&](const MultipartReader::Part& part) {
                seen += (seen.empty() ? "" : "|") + part.name + "/" + part.fileName + "=";
                return true;
            },
            [&](const char* data, qint64 length) {
                seen.append(data, size_t(length));
                return true;
            });
        if (used < 0)
            return "failed";
        pending.erase(0, size_t(used));
        if (atEnd)
            break;
    }
    return reader.finished() ? seen : "unfinished";
}

}  // namespace

TEST(MultipartReader, PartsArriveWholeWhateverThePiecesTheBodyComesIn)
{
    const std::string head = "Content-Disposition: form-data; name=\"file\"; filename=\"a.txt\"\r\nContent-Type: text/plain\r\n\r\n";
    const struct {
        const char* name;
        std::string body;
        std::string parts;
    } cases[] = {
        {"one part", "--XyZ\r\n" + head + "hello\r\n--XyZ--\r\n", "file/a.txt=hello"},
        {"empty file", "--XyZ\r\n" + head + "\r\n--XyZ--", "file/a.txt="},
        {"a field and a file",
         "--XyZ\r\nContent-Disposition: form-data; name=\"note\"\r\n\r\nhi\r\n--XyZ\r\n" + head + "x\r\n--XyZ--\r\n",
         "note/=hi|file/a.txt=x"},
        {"a boundary's beginnings inside the data", "--XyZ\r\n" + head + "a\r\n--Xy\r\n-\r\n--XyY\r\n--XyZ--",
         "file/a.txt=a\r\n--Xy\r\n-\r\n--XyY"},
        {"preamble, epilogue and padding", "ignored\r\n--XyZ  \r\n" + head + "b\r\n--XyZ--\r\nignored too", "file/a.txt=b"},
        {"parameters in any order, quoted semicolons",
         "--XyZ\r\ncontent-disposition: form-data; filename=\"x;y.txt\"; NAME=addfolder\r\n\r\nz\r\n--XyZ--", "addfolder/x;y.txt=z"},
        {"a part with no head at all", "--XyZ\r\n\r\nq\r\n--XyZ--", "/=q"},
        {"no closing boundary", "--XyZ\r\n" + head + "cut", "failed"},
        {"junk after a boundary", "--XyZ\r\n" + head + "a\r\n--XyZjunk\r\n", "failed"},
        {"a head that never ends", "--XyZ\r\nContent-Disposition: form-data; name=\"f\"" + std::string(20000, ' '), "failed"},
        {"no boundary at all", "just text", "failed"},
        {"empty body", "", "failed"},
    };
    for (const auto& c : cases) {
        for (const size_t piece : {size_t(1), size_t(2), size_t(5), size_t(9), size_t(64), c.body.size() + 1}) {
            EXPECT_EQ(readInPieces(c.body, piece), c.parts) << c.name << ", in pieces of " << piece;
        }
    }
}

TEST(MultipartReader, TheBoundaryComesFromAFormDataContentType)
{
    const struct {
        const char* contentType;
        const char* boundary;  // nullptr: none
    } cases[] = {
        {"multipart/form-data; boundary=abc", "abc"},
        {"Multipart/Form-Data;boundary=\"a b:c\"", "a b:c"},
        {"multipart/form-data; charset=utf-8; BOUNDARY=----x", "----x"},
        {"multipart/mixed; boundary=abc", nullptr},
        {"text/plain", nullptr},
        {"multipart/form-data", nullptr},
        {"multipart/form-data; boundary=", nullptr},
        {"multipart/form-data; boundary=\"\x01\"", nullptr},
    };
    for (const auto& c : cases) {
        const auto boundary = MultipartReader::boundaryOf(c.contentType);
        EXPECT_EQ(boundary.has_value(), c.boundary != nullptr) << c.contentType;
        if (boundary && c.boundary) {
            EXPECT_EQ(*boundary, c.boundary) << c.contentType;
        }
    }
    EXPECT_FALSE(MultipartReader::boundaryOf("multipart/form-data; boundary=" + std::string(71, 'a')));
}

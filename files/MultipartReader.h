#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>
#include <string>

namespace korvel {

// A multipart/form-data body read as it arrives, in pieces of any size: each part's head, then
// its bytes, without holding more than a part's head and the few bytes that may begin a boundary.
// The boundary is searched with memmem over whole pieces, so a large file costs one pass over its
// bytes rather than a test per byte.
class MultipartReader {
public:
    struct Part {
        std::string name;
        std::string fileName;  // empty when the part names none (a plain form field)
    };
    // A part's head; false stops the reading (the body is then left unread).
    using PartHandler = std::function<bool(const Part&)>;
    // The next bytes of the current part; false stops the reading.
    using DataHandler = std::function<bool(const char*, qint64)>;

    // A part's head larger than this is refused.
    static constexpr qint64 headLimit = 16 * 1024;

    // The boundary of a "multipart/form-data; boundary=..." content type; nullopt when there is
    // none or it is not one a sender may use (1 to 70 characters).
    static std::optional<std::string> boundaryOf(const std::string& contentType);

    explicit MultipartReader(const std::string& boundary);

    // Reads what it can of `data` and returns how many of its bytes it used; the caller keeps the
    // rest (at most a part's head or a boundary's length) and offers it again, followed by more.
    // `atEnd` says no more will come. Returns -1 once the body is malformed or a handler said stop.
    qint64 read(const char* data, qint64 size, bool atEnd, const PartHandler& onPart, const DataHandler& onData);

    // Whether the closing boundary has been read.
    bool finished() const { return m_state == State::Done; }

private:
    enum class State { Preamble, AfterBoundary, Head, Data, Done, Failed };

    qint64 fail();

    std::string m_delimiter;  // "\r\n--" + boundary
    State m_state = State::Preamble;
    bool m_atStart = true;  // nothing of the body has been read yet
};

}  // namespace korvel

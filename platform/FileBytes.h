#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvel {

// A file's bytes read once into memory of their own, which a reader that only moves forward gives
// back as it goes: a large document is then never held whole next to what is parsed out of it.
// Anonymous memory, not a mapping of the file, so a file cut short by someone else while it is read
// cannot bring the process down.
class FileBytes {
public:
    // The file's bytes, or nothing with the reason in `error`.
    static std::optional<FileBytes> read(const QString& path, QString* error);
    // The file mapped into memory, without a copy. Only for a file that is replaced by renaming a
    // new one over it and never changed in place (Korvel's own defaults store): a file cut short
    // while it is mapped would bring the process down.
    static std::optional<FileBytes> map(const QString& path, QString* error);

    FileBytes(FileBytes&& other) noexcept;
    FileBytes& operator=(FileBytes&&) = delete;
    FileBytes(const FileBytes&) = delete;
    ~FileBytes();

    // A view of the bytes; valid while this object lives.
    QByteArray bytes() const;
    // Gives back the whole pages before `upTo`: reading them afterwards yields zeros.
    void release(const char* upTo);

private:
    FileBytes(char* data, qsizetype size, qsizetype capacity);

    char* m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
    qsizetype m_released = 0;
};

}  // namespace korvel

#pragma once

#include <QString>

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace korvel {
class SqliteDatabase;
}

namespace korvel::cloud {

// The documents the service keeps: one row per cloud ID with the document's text as the device
// sent it, the device's OS and model, and when it was first and last stored. SQLite in WAL mode,
// so readers never wait for a writer; a small pool of connections serves the server's threads.
class CloudDocumentStore {
public:
    CloudDocumentStore();
    ~CloudDocumentStore();

    // Opens (creating) the database file. False, with the reason in `error`, when it cannot.
    bool open(const std::string& path, std::string* error);

    struct Document {
        std::string settingsXML;
        std::string os;
        std::string model;
        std::string updated;  // UTC, "yyyy-MM-ddTHH:mm:ssZ"
    };
    enum class Put { Stored, UnknownID, Failed };
    // Stores under a new ID (false when the ID is taken or the write failed).
    bool insert(const std::string& cloudID, const Document& document);
    // Overwrites the document of an existing ID; an ID never issued is not created.
    Put update(const std::string& cloudID, const Document& document);
    // The document of `cloudID`; nothing when there is none or it cannot be read.
    std::optional<Document> find(const std::string& cloudID);

private:
    class Lease;
    std::unique_ptr<SqliteDatabase> acquire();
    void release(std::unique_ptr<SqliteDatabase> database);

    QString m_path;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<SqliteDatabase>> m_idle;
};

}  // namespace korvel::cloud

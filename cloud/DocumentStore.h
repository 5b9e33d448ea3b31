#pragma once

#include <memory>
#include <optional>
#include <string>

namespace korvel::cloud {

// Where korvel-cloud keeps its documents: one per cloud ID, with the document's text as the device
// sent it, the device's OS and model, and when it was last stored. The insert is the arbiter of a
// new ID, so several service instances on one database never hand out the same ID twice.
class DocumentStore {
public:
    virtual ~DocumentStore() = default;

    struct Document {
        std::string settingsXML;
        std::string os;
        std::string model;
        std::string updated;  // UTC, "yyyy-MM-ddTHH:mm:ssZ"
    };
    enum class Put { Stored, UnknownID, Failed };
    // Stores under a new ID (false when the ID is taken or the write failed).
    virtual bool insert(const std::string& cloudID, const Document& document) = 0;
    // Overwrites the document of an existing ID; an ID never issued is not created.
    virtual Put update(const std::string& cloudID, const Document& document) = 0;
    // The document of `cloudID`; nothing when there is none or it cannot be read.
    virtual std::optional<Document> find(const std::string& cloudID) = 0;
    // Whether the store answers a query now (the service's health check).
    virtual bool healthy() = 0;

    // A "postgresql://" or "postgres://" address opens the PostgreSQL store, anything else is the
    // path of a SQLite file. Nothing, with the reason in `error`, when the store cannot be opened.
    static std::unique_ptr<DocumentStore> openDatabase(const std::string& database, std::string* error);
    // `database` as it may be shown in messages: without a password it holds.
    static std::string describe(const std::string& database);
};

}  // namespace korvel::cloud

#pragma once

#include "cloud/DocumentStore.h"

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

// The documents in a SQLite file: one row per cloud ID, with when it was first and last stored.
// WAL mode, so readers never wait for a writer; a small pool of connections serves the server's
// threads. Service instances on one machine may share the file; across machines, PostgreSQL.
class CloudDocumentStore : public DocumentStore {
public:
    CloudDocumentStore();
    ~CloudDocumentStore() override;

    // Opens (creating) the database file. False, with the reason in `error`, when it cannot.
    bool open(const std::string& path, std::string* error);

    bool insert(const std::string& cloudID, const Document& document) override;
    Put update(const std::string& cloudID, const Document& document) override;
    std::optional<Document> find(const std::string& cloudID) override;
    bool healthy() override;

private:
    class Lease;
    std::unique_ptr<SqliteDatabase> acquire();
    void release(std::unique_ptr<SqliteDatabase> database);

    QString m_path;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<SqliteDatabase>> m_idle;
};

}  // namespace korvel::cloud

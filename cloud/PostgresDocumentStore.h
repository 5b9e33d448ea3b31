#pragma once

#include "cloud/DocumentStore.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct pg_conn;
struct pg_result;

namespace korvel::cloud {

// The documents in a PostgreSQL database, for several service instances behind a load balancer:
// the primary key decides which instance's insert gets a new ID. Each of the server's threads
// borrows a connection from a small pool; a connection the server dropped is replaced on the next
// operation, so the service outlives a database restart.
class PostgresDocumentStore : public DocumentStore {
public:
    PostgresDocumentStore();
    ~PostgresDocumentStore() override;

    // True for the addresses libpq reads as a URI: "postgresql://..." and "postgres://...".
    static bool isAddress(const std::string& database);
    // The address with its password (in the user part or as a parameter) replaced by "***".
    static std::string withoutPassword(const std::string& address);

    // Connects to `address` and creates the table when missing. False, with libpq's reason in
    // `error`, when the server cannot be reached or refuses.
    bool open(const std::string& address, std::string* error);

    bool insert(const std::string& cloudID, const Document& document) override;
    Put update(const std::string& cloudID, const Document& document) override;
    std::optional<Document> find(const std::string& cloudID) override;
    bool healthy() override;

private:
    struct ConnectionDeleter {
        void operator()(pg_conn* connection) const;
    };
    using Connection = std::unique_ptr<pg_conn, ConnectionDeleter>;
    struct ResultDeleter {
        void operator()(pg_result* result) const;
    };
    using Result = std::unique_ptr<pg_result, ResultDeleter>;

    Connection dial(std::string* error) const;
    static bool prepare(pg_conn* connection, std::string* error);
    // A connection with the store's statements prepared.
    Connection connect(std::string* error) const;
    Connection acquire();
    void release(Connection connection);
    // Runs a prepared statement on a pooled connection, once more on a fresh one when the
    // connection turned out to be broken. Nothing when no connection could be had.
    Result execute(const char* statement, const std::vector<std::string_view>& parameters);

    std::string m_address;
    std::mutex m_mutex;
    std::vector<Connection> m_idle;
};

}  // namespace korvel::cloud

#include "cloud/PostgresDocumentStore.h"

#include <libpq-fe.h>

#include <cstdio>
#include <cstring>

namespace korvel::cloud {

namespace {

// The document, OS and model are kept as the bytes the device sent, whatever the database's
// encoding, as the SQLite store keeps them. The lock serialises instances that start together:
// CREATE TABLE IF NOT EXISTS alone is not safe against a concurrent creation; and the notice that
// the table exists already is no news on every start.
const char* const schema =
    "BEGIN;"
    "SET LOCAL client_min_messages = warning;"
    "SELECT pg_advisory_xact_lock(7380380);"
    "CREATE TABLE IF NOT EXISTS korvel_documents (cloud_id text PRIMARY KEY, settings_xml bytea NOT NULL,"
    " os bytea NOT NULL, model bytea NOT NULL, created text NOT NULL, updated text NOT NULL);"
    "COMMIT";

struct Prepared {
    const char* name;
    const char* sql;
    int parameters;
};

// ON CONFLICT: a taken ID is an answer, not an error in the server's log.
const Prepared statements[] = {
    {"insert",
     "INSERT INTO korvel_documents (cloud_id, settings_xml, os, model, created, updated) VALUES ($1, $2, $3, $4, $5, $5)"
     " ON CONFLICT (cloud_id) DO NOTHING",
     5},
    {"update", "UPDATE korvel_documents SET settings_xml = $2, os = $3, model = $4, updated = $5 WHERE cloud_id = $1", 5},
    {"find", "SELECT settings_xml, os, model, updated FROM korvel_documents WHERE cloud_id = $1", 1},
};

// The pool keeps no more idle connections than a server's threads use at once.
constexpr std::size_t maximumIdle = 16;

// An ID with bytes that are no text in the database's encoding cannot have been issued.
constexpr const char* notInEncoding = "22021";

std::string message(const char* text)
{
    std::string out = text ? text : "";
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

void report(const std::string& what)
{
    std::fprintf(stderr, "korvel-cloud: PostgreSQL: %s\n", what.c_str());
}

}  // namespace

void PostgresDocumentStore::ConnectionDeleter::operator()(pg_conn* connection) const
{
    PQfinish(connection);
}

void PostgresDocumentStore::ResultDeleter::operator()(pg_result* result) const
{
    PQclear(result);
}

PostgresDocumentStore::PostgresDocumentStore() = default;
PostgresDocumentStore::~PostgresDocumentStore() = default;

bool PostgresDocumentStore::isAddress(const std::string& database)
{
    return database.rfind("postgresql://", 0) == 0 || database.rfind("postgres://", 0) == 0;
}

std::string PostgresDocumentStore::withoutPassword(const std::string& address)
{
    std::string out = address;
    const std::size_t authority = out.find("://");
    if (authority == std::string::npos)
        return out;
    const std::size_t begin = authority + 3;
    const std::size_t end = std::min(out.find('/', begin), out.find('?', begin));
    const std::size_t at = out.rfind('@', end == std::string::npos ? std::string::npos : end - 1);
    if (at != std::string::npos && at >= begin) {
        const std::size_t colon = out.find(':', begin);
        if (colon < at)
            out.replace(colon + 1, at - colon - 1, "***");
    }
    const std::size_t query = out.find('?');
    for (std::size_t p = query; p != std::string::npos; p = out.find('&', p + 1)) {
        if (out.compare(p + 1, 9, "password=") != 0)
            continue;
        const std::size_t value = p + 10;
        const std::size_t next = out.find('&', value);
        out.replace(value, (next == std::string::npos ? out.size() : next) - value, "***");
    }
    return out;
}

PostgresDocumentStore::Connection PostgresDocumentStore::dial(std::string* error) const
{
    // Keywords are read in order, the later winning: the address may set its own connect_timeout
    // and application_name, never another client encoding.
    const char* const keywords[] = {"connect_timeout", "dbname", "fallback_application_name", "client_encoding", nullptr};
    const char* const values[] = {"10", m_address.c_str(), "korvel-cloud", "UTF8", nullptr};
    Connection connection(PQconnectdbParams(keywords, values, 1));
    if (!connection || PQstatus(connection.get()) != CONNECTION_OK) {
        if (error)
            *error = connection ? message(PQerrorMessage(connection.get())) : std::string("out of memory");
        return nullptr;
    }
    return connection;
}

bool PostgresDocumentStore::prepare(pg_conn* connection, std::string* error)
{
    for (const Prepared& p : statements) {
        const Result prepared(PQprepare(connection, p.name, p.sql, p.parameters, nullptr));
        if (PQresultStatus(prepared.get()) != PGRES_COMMAND_OK) {
            if (error)
                *error = message(PQerrorMessage(connection));
            return false;
        }
    }
    return true;
}

PostgresDocumentStore::Connection PostgresDocumentStore::connect(std::string* error) const
{
    Connection connection = dial(error);
    if (!connection)
        return nullptr;
    if (!prepare(connection.get(), error))
        return nullptr;
    return connection;
}

bool PostgresDocumentStore::open(const std::string& address, std::string* error)
{
    m_address = address;
    Connection connection = dial(error);
    if (!connection)
        return false;
    // Every statement of the schema in one round trip; the result is the last one's.
    const Result created(PQexec(connection.get(), schema));
    if (PQresultStatus(created.get()) != PGRES_COMMAND_OK) {
        if (error)
            *error = message(PQerrorMessage(connection.get()));
        return false;
    }
    // The statements are prepared on the same connection, now that their table exists.
    if (!prepare(connection.get(), error))
        return false;
    release(std::move(connection));
    return true;
}

PostgresDocumentStore::Connection PostgresDocumentStore::acquire()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_idle.empty()) {
            Connection connection = std::move(m_idle.back());
            m_idle.pop_back();
            return connection;
        }
    }
    if (m_address.empty())
        return nullptr;
    std::string error;
    Connection connection = connect(&error);
    if (!connection)
        report(error);
    return connection;
}

void PostgresDocumentStore::release(Connection connection)
{
    std::lock_guard lock(m_mutex);
    if (m_idle.size() < maximumIdle)
        m_idle.push_back(std::move(connection));
}

PostgresDocumentStore::Result PostgresDocumentStore::execute(const char* statement, const std::vector<std::string_view>& parameters)
{
    // Binary parameters and results: the bytes travel as they are, without escaping or a copy.
    std::vector<const char*> values;
    std::vector<int> lengths;
    const std::vector<int> formats(parameters.size(), 1);
    for (const std::string_view p : parameters) {
        values.push_back(p.data());
        lengths.push_back(int(p.size()));
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        Connection connection = acquire();
        if (!connection)
            return nullptr;
        Result result(PQexecPrepared(connection.get(), statement, int(values.size()), values.data(), lengths.data(), formats.data(), 1));
        if (PQstatus(connection.get()) == CONNECTION_OK) {
            release(std::move(connection));
            return result;
        }
        // The server closed this connection (a restart, an administrator): the whole idle pool
        // is likely gone with it, and the next attempt starts from a new connection.
        report(message(PQerrorMessage(connection.get())));
        std::lock_guard lock(m_mutex);
        m_idle.clear();
    }
    return nullptr;
}

bool PostgresDocumentStore::insert(const std::string& cloudID, const Document& document)
{
    const Result result = execute("insert", {cloudID, document.settingsXML, document.os, document.model, document.updated});
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) {
        if (result)
            report(message(PQresultErrorMessage(result.get())));
        return false;
    }
    return std::strcmp(PQcmdTuples(result.get()), "1") == 0;
}

DocumentStore::Put PostgresDocumentStore::update(const std::string& cloudID, const Document& document)
{
    const Result result = execute("update", {cloudID, document.settingsXML, document.os, document.model, document.updated});
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) {
        const char* state = PQresultErrorField(result.get(), PG_DIAG_SQLSTATE);
        if (state && std::strcmp(state, notInEncoding) == 0)
            return Put::UnknownID;
        if (result)
            report(message(PQresultErrorMessage(result.get())));
        return Put::Failed;
    }
    return std::strcmp(PQcmdTuples(result.get()), "0") == 0 ? Put::UnknownID : Put::Stored;
}

std::optional<DocumentStore::Document> PostgresDocumentStore::find(const std::string& cloudID)
{
    const Result result = execute("find", {cloudID});
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) {
        const char* state = PQresultErrorField(result.get(), PG_DIAG_SQLSTATE);
        if (result && !(state && std::strcmp(state, notInEncoding) == 0))
            report(message(PQresultErrorMessage(result.get())));
        return std::nullopt;
    }
    if (PQntuples(result.get()) == 0)
        return std::nullopt;
    const auto column = [&](int index) {
        return std::string(PQgetvalue(result.get(), 0, index), std::size_t(PQgetlength(result.get(), 0, index)));
    };
    return Document{column(0), column(1), column(2), column(3)};
}

bool PostgresDocumentStore::healthy()
{
    // A look-up of an ID that is never issued (too short) reaches the table on a pooled connection.
    const Result result = execute("find", {std::string_view("healthz")});
    return PQresultStatus(result.get()) == PGRES_TUPLES_OK;
}

}  // namespace korvel::cloud

#include "cloud/CloudDocumentStore.h"

#include "log/SqliteDatabase.h"

#include <sqlite3.h>

namespace korvel::cloud {

namespace {

const char* const schema =
    "PRAGMA journal_mode=WAL;"
    "CREATE TABLE IF NOT EXISTS Documents (CloudID TEXT PRIMARY KEY NOT NULL, SettingsXML TEXT NOT NULL,"
    " OS TEXT NOT NULL, Model TEXT NOT NULL, Created TEXT NOT NULL, Updated TEXT NOT NULL)";

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace

// A connection borrowed from the pool for one operation.
class CloudDocumentStore::Lease {
public:
    explicit Lease(CloudDocumentStore& store)
        : m_store(store)
        , m_db(store.acquire())
    {
    }
    ~Lease()
    {
        if (m_db)
            m_store.release(std::move(m_db));
    }
    SqliteDatabase* operator->() const { return m_db.get(); }
    explicit operator bool() const { return m_db != nullptr; }

private:
    CloudDocumentStore& m_store;
    std::unique_ptr<SqliteDatabase> m_db;
};

CloudDocumentStore::CloudDocumentStore() = default;
CloudDocumentStore::~CloudDocumentStore() = default;

bool CloudDocumentStore::open(const std::string& path, std::string* error)
{
    m_path = text(path);
    auto db = std::make_unique<SqliteDatabase>();
    if (!db->open(m_path) || !db->exec(schema) || !db->exec("PRAGMA synchronous=NORMAL")) {
        if (error)
            *error = db->lastError().toStdString();
        return false;
    }
    release(std::move(db));
    return true;
}

std::unique_ptr<SqliteDatabase> CloudDocumentStore::acquire()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_idle.empty()) {
            std::unique_ptr<SqliteDatabase> db = std::move(m_idle.back());
            m_idle.pop_back();
            return db;
        }
    }
    auto db = std::make_unique<SqliteDatabase>();
    if (m_path.isEmpty() || !db->open(m_path) || !db->exec("PRAGMA synchronous=NORMAL"))
        return nullptr;
    return db;
}

void CloudDocumentStore::release(std::unique_ptr<SqliteDatabase> database)
{
    std::lock_guard lock(m_mutex);
    m_idle.push_back(std::move(database));
}

namespace {

// The hot statements bind and read UTF-8 bytes as they are: a 200 kB document converted to a QString
// and back on every fetch cost more than the rest of the answer.
struct Statement {
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &handle, nullptr); }
    ~Statement() { sqlite3_finalize(handle); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& bind(int position, const std::string& text)
    {
        if (handle)
            sqlite3_bind_text(handle, position, text.data(), int(text.size()), SQLITE_STATIC);
        return *this;
    }
    int step() { return handle ? sqlite3_step(handle) : SQLITE_ERROR; }
    std::string column(int index) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle, index));
        return text ? std::string(text, std::size_t(sqlite3_column_bytes(handle, index))) : std::string();
    }

    sqlite3_stmt* handle = nullptr;
};

}  // namespace

bool CloudDocumentStore::insert(const std::string& cloudID, const Document& document)
{
    Lease db(*this);
    if (!db)
        return false;
    Statement insert(db->handle(),
                     "INSERT INTO Documents (CloudID, SettingsXML, OS, Model, Created, Updated) VALUES (?1, ?2, ?3, ?4, ?5, ?5)");
    insert.bind(1, cloudID).bind(2, document.settingsXML).bind(3, document.os).bind(4, document.model).bind(5, document.updated);
    return insert.step() == SQLITE_DONE;
}

CloudDocumentStore::Put CloudDocumentStore::update(const std::string& cloudID, const Document& document)
{
    Lease db(*this);
    if (!db)
        return Put::Failed;
    Statement update(db->handle(), "UPDATE Documents SET SettingsXML = ?2, OS = ?3, Model = ?4, Updated = ?5 WHERE CloudID = ?1");
    update.bind(1, cloudID).bind(2, document.settingsXML).bind(3, document.os).bind(4, document.model).bind(5, document.updated);
    if (update.step() != SQLITE_DONE)
        return Put::Failed;
    return sqlite3_changes(db->handle()) > 0 ? Put::Stored : Put::UnknownID;
}

std::optional<CloudDocumentStore::Document> CloudDocumentStore::find(const std::string& cloudID)
{
    Lease db(*this);
    if (!db)
        return std::nullopt;
    Statement select(db->handle(), "SELECT SettingsXML, OS, Model, Updated FROM Documents WHERE CloudID = ?1");
    select.bind(1, cloudID);
    if (select.step() != SQLITE_ROW)
        return std::nullopt;
    return Document{select.column(0), select.column(1), select.column(2), select.column(3)};
}

bool CloudDocumentStore::healthy()
{
    Lease db(*this);
    if (!db)
        return false;
    Statement count(db->handle(), "SELECT count(*) FROM Documents");
    return count.step() == SQLITE_ROW;
}

}  // namespace korvel::cloud

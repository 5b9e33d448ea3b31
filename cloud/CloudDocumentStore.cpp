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

bool CloudDocumentStore::insert(const std::string& cloudID, const Document& document)
{
    Lease db(*this);
    if (!db)
        return false;
    SqliteStatement insert = db->prepare(
        "INSERT INTO Documents (CloudID, SettingsXML, OS, Model, Created, Updated) VALUES (?1, ?2, ?3, ?4, ?5, ?5)");
    insert.bind(1, text(cloudID)).bind(2, text(document.settingsXML)).bind(3, text(document.os));
    insert.bind(4, text(document.model)).bind(5, text(document.updated));
    return insert.run();
}

CloudDocumentStore::Put CloudDocumentStore::update(const std::string& cloudID, const Document& document)
{
    Lease db(*this);
    if (!db)
        return Put::Failed;
    SqliteStatement update =
        db->prepare("UPDATE Documents SET SettingsXML = ?2, OS = ?3, Model = ?4, Updated = ?5 WHERE CloudID = ?1");
    update.bind(1, text(cloudID)).bind(2, text(document.settingsXML)).bind(3, text(document.os));
    update.bind(4, text(document.model)).bind(5, text(document.updated));
    if (!update.run())
        return Put::Failed;
    return sqlite3_changes(db->handle()) > 0 ? Put::Stored : Put::UnknownID;
}

std::optional<CloudDocumentStore::Document> CloudDocumentStore::find(const std::string& cloudID)
{
    Lease db(*this);
    if (!db)
        return std::nullopt;
    SqliteStatement select = db->prepare("SELECT SettingsXML, OS, Model, Updated FROM Documents WHERE CloudID = ?1");
    select.bind(1, text(cloudID));
    if (select.step() != SqliteStatement::Step::Row)
        return std::nullopt;
    return Document{select.textColumn(0).toStdString(), select.textColumn(1).toStdString(),
                    select.textColumn(2).toStdString(), select.textColumn(3).toStdString()};
}

}  // namespace korvel::cloud

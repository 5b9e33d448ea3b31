#include "cloud/DocumentStore.h"

#include "cloud/CloudDocumentStore.h"
#include "cloud/PostgresDocumentStore.h"

namespace korvel::cloud {

std::unique_ptr<DocumentStore> DocumentStore::openDatabase(const std::string& database, std::string* error)
{
    if (PostgresDocumentStore::isAddress(database)) {
        auto store = std::make_unique<PostgresDocumentStore>();
        if (!store->open(database, error))
            return nullptr;
        return store;
    }
    auto store = std::make_unique<CloudDocumentStore>();
    if (!store->open(database, error))
        return nullptr;
    return store;
}

std::string DocumentStore::describe(const std::string& database)
{
    return PostgresDocumentStore::isAddress(database) ? PostgresDocumentStore::withoutPassword(database) : database;
}

}  // namespace korvel::cloud

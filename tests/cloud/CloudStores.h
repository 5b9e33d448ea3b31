#pragma once

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace korvel::test {

// The stores korvel-cloud can keep its documents in; the service's tests run against each.
enum class StoreKind { SQLite, PostgreSQL };

inline void PrintTo(StoreKind kind, std::ostream* out)
{
    *out << (kind == StoreKind::SQLite ? "SQLite" : "PostgreSQL");
}

inline std::string storeName(const testing::TestParamInfo<StoreKind>& info)
{
    return testing::PrintToString(info.param);
}

#define KORVEL_FOR_EACH_STORE(fixture)                                                                                          \
    INSTANTIATE_TEST_SUITE_P(Stores, fixture,                                                                                     \
                             testing::Values(::korvel::test::StoreKind::SQLite, ::korvel::test::StoreKind::PostgreSQL),         \
                             ::korvel::test::storeName)

// Hands out empty databases of the test's store: a new SQLite file, or a new database in the
// PostgreSQL cluster that the test program starts on first use and stops at its end.
class StoreDatabases {
public:
    // Skips the test when PostgreSQL is not installed; fails it when its cluster would not start.
    void require(StoreKind kind);
    // The --database argument of a new empty store; the same store for several service
    // instances is the same string again.
    std::string create(StoreKind kind);
    // Restarts the PostgreSQL server, dropping every connection to it; false when it did not come back.
    static bool restartPostgres(QString* error);

private:
    QTemporaryDir m_dir;
    int m_files = 0;
};

}  // namespace korvel::test

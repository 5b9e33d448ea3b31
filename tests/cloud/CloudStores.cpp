#include "tests/cloud/CloudStores.h"

#include "tests/support/TemporaryPostgres.h"

#include <memory>

namespace korvel::test {

namespace {

// One cluster for the whole program: starting one costs about a second.
class PostgresEnvironment : public testing::Environment {
public:
    TemporaryPostgres* cluster(QString* error)
    {
        if (!m_cluster && m_error.isEmpty()) {
            auto cluster = std::make_unique<TemporaryPostgres>();
            if (cluster->start(&m_error))
                m_cluster = std::move(cluster);
        }
        *error = m_error;
        return m_cluster.get();
    }
    void TearDown() override { m_cluster.reset(); }

private:
    std::unique_ptr<TemporaryPostgres> m_cluster;
    QString m_error;
};

PostgresEnvironment* const environment =
    static_cast<PostgresEnvironment*>(testing::AddGlobalTestEnvironment(new PostgresEnvironment));

}  // namespace

void StoreDatabases::require(StoreKind kind)
{
    switch (kind) {
    case StoreKind::SQLite:
        return;
    case StoreKind::PostgreSQL: {
        if (!TemporaryPostgres::installed())
            GTEST_SKIP() << "PostgreSQL's server programs are not in " << TemporaryPostgres::binaries().toStdString()
                         << " (install postgresql): the PostgreSQL store is not tested";
        QString error;
        ASSERT_TRUE(environment->cluster(&error)) << "the throw-away PostgreSQL cluster did not start: " << error.toStdString();
        return;
    }
    }
}

std::string StoreDatabases::create(StoreKind kind)
{
    switch (kind) {
    case StoreKind::SQLite:
        return (m_dir.path() + QStringLiteral("/cloud-%1.db").arg(++m_files)).toStdString();
    case StoreKind::PostgreSQL: {
        QString error;
        TemporaryPostgres* cluster = environment->cluster(&error);
        const std::string address = cluster ? cluster->createDatabase(&error) : std::string();
        EXPECT_FALSE(address.empty()) << error.toStdString();
        return address;
    }
    }
    return std::string();
}

bool StoreDatabases::restartPostgres(QString* error)
{
    TemporaryPostgres* cluster = environment->cluster(error);
    return cluster && cluster->restart(error);
}

}  // namespace korvel::test

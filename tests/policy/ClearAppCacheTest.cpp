#include "log/SqliteDatabase.h"
#include "policy/KVClearAppCache.h"
#include "tests/support/TestHome.h"

#include <QDir>
#include <QFileInfo>

using namespace korvel;

namespace {

class ClearAppCacheTest : public test::TestHome {
protected:
    qint64 count(const char* table)
    {
        SqliteDatabase db;
        db.open(KVClearAppCache::cacheDatabasePath());
        SqliteStatement s = db.prepare((QByteArray("SELECT COUNT(*) FROM ") + table).constData());
        return s.step() == SqliteStatement::Step::Row ? s.integerColumn(0) : -1;
    }
};

}  // namespace

TEST_F(ClearAppCacheTest, EmptiesEveryGroupWhateverTheManifestsHold)
{
    EXPECT_TRUE(KVClearAppCache::clearCacheForCacheManifestURLs()) << "no database is nothing to do";
    EXPECT_FALSE(QFileInfo::exists(KVClearAppCache::cacheDatabasePath()));

    QDir().mkpath(QFileInfo(KVClearAppCache::cacheDatabasePath()).absolutePath());
    {
        SqliteDatabase db;
        ASSERT_TRUE(db.open(KVClearAppCache::cacheDatabasePath()));
        ASSERT_TRUE(db.exec("CREATE TABLE CacheGroups (id INTEGER PRIMARY KEY, manifestURL TEXT);"
                            "CREATE TABLE Caches (id INTEGER PRIMARY KEY, cacheGroup INTEGER);"
                            "INSERT INTO CacheGroups VALUES (1, 'http://a.test/app.manifest');"
                            "INSERT INTO CacheGroups VALUES (2, 'http://b.test/it''s.manifest');"
                            "INSERT INTO CacheGroups VALUES (3, 'x'') OR 1=1 --');"
                            "INSERT INTO Caches (cacheGroup) VALUES (1), (1), (2), (3), (99);"));
    }
    ASSERT_TRUE(KVClearAppCache::clearCacheForCacheManifestURLs());
    EXPECT_EQ(count("CacheGroups"), 0) << "a quote in a manifest address is a value, not SQL";
    EXPECT_EQ(count("Caches"), 1) << "resources of other groups stay";

    ASSERT_TRUE(KVClearAppCache::clearCacheForCacheManifestURLs()) << "an empty cache clears without error";
}

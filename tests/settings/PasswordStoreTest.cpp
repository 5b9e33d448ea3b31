#include "platform/Paths.h"
#include "platform/KeychainPasswords.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/PasswordStore.h"
#include "tests/support/TestHome.h"

#include <QFile>
#include <QThread>

#include <functional>
#include <memory>
#include <vector>

using korvel::KVHashString;
using korvel::PasswordStore;
using korvel::UserDefaults;

namespace {
class PasswordStoreTest : public korvel::test::TestHome {
protected:
    static void storeLegacy(const QString& password)
    {
        UserDefaults::standard().setObject(QStringLiteral("BrowserPreferences"),
                                           QVariantMap{{QStringLiteral("Password"), password}});
    }
};
}  // namespace

TEST(KVHashString, Base64OfTheUtf8Text)
{
    EXPECT_EQ(KVHashString::stringToBase64(QStringLiteral("pässwörd")), QStringLiteral("cMOkc3N3w7ZyZA=="));
    EXPECT_EQ(KVHashString::base64ToString(QStringLiteral("cMOkc3N3w7ZyZA==")), QStringLiteral("pässwörd"));
    EXPECT_EQ(KVHashString::base64ToString(QStringLiteral("not base64!")), QString());
}

TEST_F(PasswordStoreTest, StoresASaltedHashInTheKeychain)
{
    ASSERT_TRUE(PasswordStore::setPassword(QStringLiteral("9246")));
    const QString stored = korvel::KeychainPasswords::passwordForService(QStringLiteral("Talvex"), QStringLiteral("password"));
    EXPECT_TRUE(KVHashString::isPasswordHash(stored)) << qPrintable(stored);
    EXPECT_TRUE(KVHashString::verifyPasswordHash(stored, QStringLiteral("9246")));
    ASSERT_TRUE(PasswordStore::setPassword(QStringLiteral("9246")));
    EXPECT_NE(PasswordStore::getPassword(), stored) << "a new salt each time";

    EXPECT_FALSE(PasswordStore::setPassword(QString())) << "no value: the keychain refuses";
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("9246")), korvel::PasswordCheck::Matches) << "and the old password stays";
}

TEST_F(PasswordStoreTest, ALegacyPasswordCountsUntilMigratedToAHash)
{
    storeLegacy(QStringLiteral("bGVnYWN5"));
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("legacy")), korvel::PasswordCheck::Matches);
    EXPECT_EQ(PasswordStore::migrate(), korvel::PasswordMigration::Migrated);
    EXPECT_TRUE(KVHashString::isPasswordHash(korvel::KeychainPasswords::passwordForService(QStringLiteral("Talvex"), QStringLiteral("password"))));
    EXPECT_FALSE(UserDefaults::standard().dictionaryForKey(QStringLiteral("BrowserPreferences")).contains(QStringLiteral("Password")));
    storeLegacy(QStringLiteral("Y2hhbmdlZA=="));
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("legacy")), korvel::PasswordCheck::Matches) << "the keychain wins once it holds one";

    // An empty keychain value counts as none.
    ASSERT_TRUE(PasswordStore::setPassword(QString(QLatin1String(""))));
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("changed")), korvel::PasswordCheck::Matches);
}

TEST_F(PasswordStoreTest, ConcurrentReadersAllSeeTheMigratedPassword)
{
    storeLegacy(QStringLiteral("bGVnYWN5"));
    UserDefaults& defaults = UserDefaults::standard();
    std::vector<QString> seen(8);
    std::vector<std::unique_ptr<QThread>> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back(QThread::create([&, i] { seen[i] = PasswordStore::getPassword(defaults); }));
    for (auto& t : threads)
        t->start();
    for (auto& t : threads)
        t->wait();
    for (const QString& s : seen)
        EXPECT_EQ(s, QStringLiteral("bGVnYWN5"));
}

TEST_F(PasswordStoreTest, ADamagedStoreIsNeverNoPassword)
{
    using korvel::PasswordCheck;
    using korvel::PasswordState;
    const auto writeKeychain = [](const QByteArray& bytes) { ASSERT_TRUE(korvel::test::writeFile(korvel::Paths::keychainFile(), bytes)); };
    const struct {
        const char* name;
        std::function<void()> arrange;
        PasswordState state;
        PasswordCheck factoryCheck;
    } cases[] = {
        {"nothing stored", [] {}, PasswordState::None, PasswordCheck::NoPassword},
        {"the empty password", [] { PasswordStore::setPassword(QString(QLatin1String(""))); }, PasswordState::None,
         PasswordCheck::NoPassword},
        {"the factory password", [] { PasswordStore::setPassword(QStringLiteral("9246")); }, PasswordState::Set, PasswordCheck::Matches},
        {"the factory password as an older version stored it",
         [] { korvel::KeychainPasswords::setPassword(QStringLiteral("OTI0Ng=="), QStringLiteral("Talvex"), QStringLiteral("password")); },
         PasswordState::Set, PasswordCheck::Matches},
        {"another password", [] { PasswordStore::setPassword(QStringLiteral("new")); }, PasswordState::Set, PasswordCheck::Wrong},
        {"a keychain file that is not a property list", [&] { writeKeychain("garbage"); }, PasswordState::Damaged,
         PasswordCheck::Damaged},
        {"a damaged keychain beside a legacy password",
         [&] {
             writeKeychain("garbage");
             storeLegacy(QStringLiteral("OTI0Ng=="));
         },
         PasswordState::Damaged, PasswordCheck::Damaged},
        {"a property list of the wrong shape",
         [&] { writeKeychain("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict/></plist>"); }, PasswordState::Damaged,
         PasswordCheck::Damaged},
        {"a value that is neither a hash nor Base64",
         [] { korvel::KeychainPasswords::setPassword(QStringLiteral("not base64!"), QStringLiteral("Talvex"), QStringLiteral("password")); },
         PasswordState::Damaged, PasswordCheck::Damaged},
        {"a hash too costly to check",
         [] {
             korvel::KeychainPasswords::setPassword(QStringLiteral("$argon2id$v=19$m=4194304,t=2,p=1$c2FsdHNhbHRzYWx0c2FsdA$aGFzaGhhc2hoYXNoaGFzaGhhc2hoYXNoaGFzaGhhc2g"),
                                             QStringLiteral("Talvex"), QStringLiteral("password"));
         },
         PasswordState::Damaged, PasswordCheck::Damaged},
    };
    for (const auto& c : cases) {
        QFile::remove(korvel::Paths::keychainFile());
        UserDefaults::standard().removeObject(QStringLiteral("BrowserPreferences"));
        c.arrange();
        EXPECT_EQ(PasswordStore::readPassword().state, c.state) << c.name;
        EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("9246")), c.factoryCheck) << c.name;
        EXPECT_EQ(PasswordStore::isFactoryPasswordInUse(), c.factoryCheck == PasswordCheck::Matches) << c.name;
    }
}

TEST_F(PasswordStoreTest, OnlyAReplacingWriteTakesADamagedStoreOver)
{
    ASSERT_TRUE(korvel::test::writeFile(korvel::Paths::keychainFile(), "garbage"));

    EXPECT_FALSE(PasswordStore::setPassword(QStringLiteral("new")));
    EXPECT_EQ(PasswordStore::readPassword().state, korvel::PasswordState::Damaged) << "an ordinary write leaves the damage alone";

    ASSERT_TRUE(PasswordStore::setPassword(QStringLiteral("new"), korvel::DamagedStore::Replace));
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("new")), korvel::PasswordCheck::Matches);
    EXPECT_EQ(korvel::test::readFile(korvel::Paths::keychainFile() + QStringLiteral(".damaged")), "garbage") << "the damaged bytes are kept for a look";
}

#include "platform/Paths.h"
#include "platform/SSKeychain.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/TalvexUtils.h"
#include "tests/support/TestHome.h"

#include <QFile>
#include <QThread>

#include <functional>
#include <memory>
#include <vector>

using korvel::KVHashString;
using korvel::TalvexUtils;
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

TEST_F(PasswordStoreTest, StoresTheBase64TextInTheKeychain)
{
    ASSERT_TRUE(TalvexUtils::setPassword(QStringLiteral("OTI0Ng==")));
    EXPECT_EQ(korvel::SSKeychain::passwordForService(QStringLiteral("Talvex"), QStringLiteral("password")),
              QStringLiteral("OTI0Ng=="));

    EXPECT_FALSE(TalvexUtils::setPassword(QString())) << "no value: the keychain refuses";
    EXPECT_EQ(TalvexUtils::getPassword(), QStringLiteral("OTI0Ng==")) << "and the old password stays";
}

TEST_F(PasswordStoreTest, LegacyPasswordMovesIntoTheKeychainOnce)
{
    storeLegacy(QStringLiteral("bGVnYWN5"));
    EXPECT_EQ(TalvexUtils::getPassword(), QStringLiteral("bGVnYWN5"));
    storeLegacy(QStringLiteral("Y2hhbmdlZA=="));
    EXPECT_EQ(TalvexUtils::getPassword(), QStringLiteral("bGVnYWN5")) << "the keychain wins once it holds one";

    // An empty keychain value counts as none.
    ASSERT_TRUE(TalvexUtils::setPassword(QString(QLatin1String(""))));
    EXPECT_EQ(TalvexUtils::getPassword(), QStringLiteral("Y2hhbmdlZA=="));
}

TEST_F(PasswordStoreTest, ConcurrentReadersAllSeeTheMigratedPassword)
{
    storeLegacy(QStringLiteral("bGVnYWN5"));
    UserDefaults& defaults = UserDefaults::standard();
    std::vector<QString> seen(8);
    std::vector<std::unique_ptr<QThread>> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back(QThread::create([&, i] { seen[i] = TalvexUtils::getPassword(defaults); }));
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
        {"the empty password", [] { TalvexUtils::setPassword(QString(QLatin1String(""))); }, PasswordState::None,
         PasswordCheck::NoPassword},
        {"the factory password", [] { TalvexUtils::setPassword(QStringLiteral("OTI0Ng==")); }, PasswordState::Set,
         PasswordCheck::Matches},
        {"another password", [] { TalvexUtils::setPassword(QStringLiteral("bmV3")); }, PasswordState::Set, PasswordCheck::Wrong},
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
        {"a value that is not Base64", [] { TalvexUtils::setPassword(QStringLiteral("not base64!")); }, PasswordState::Damaged,
         PasswordCheck::Damaged},
    };
    for (const auto& c : cases) {
        QFile::remove(korvel::Paths::keychainFile());
        UserDefaults::standard().removeObject(QStringLiteral("BrowserPreferences"));
        c.arrange();
        EXPECT_EQ(TalvexUtils::readPassword().state, c.state) << c.name;
        EXPECT_EQ(TalvexUtils::checkPassword(QStringLiteral("9246")), c.factoryCheck) << c.name;
        EXPECT_EQ(TalvexUtils::isFactoryPasswordInUse(), c.factoryCheck == PasswordCheck::Matches) << c.name;
    }
}

TEST_F(PasswordStoreTest, OnlyAReplacingWriteTakesADamagedStoreOver)
{
    ASSERT_TRUE(korvel::test::writeFile(korvel::Paths::keychainFile(), "garbage"));

    EXPECT_FALSE(TalvexUtils::setPassword(QStringLiteral("bmV3")));
    EXPECT_EQ(TalvexUtils::readPassword().state, korvel::PasswordState::Damaged) << "an ordinary write leaves the damage alone";

    ASSERT_TRUE(TalvexUtils::setPassword(QStringLiteral("bmV3"), korvel::DamagedStore::Replace));
    EXPECT_EQ(TalvexUtils::checkPassword(QStringLiteral("new")), korvel::PasswordCheck::Matches);
    EXPECT_EQ(korvel::test::readFile(korvel::Paths::keychainFile() + QStringLiteral(".damaged")), "garbage") << "the damaged bytes are kept for a look";
}

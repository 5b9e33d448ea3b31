#include "platform/SSKeychain.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/TalvexUtils.h"
#include "tests/support/TestHome.h"

#include <QFile>
#include <QThread>

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

TEST(KVHashString, Base64BothWays)
{
    const struct {
        const char* text;
        const char* base64;
    } cases[] = {{"", ""}, {"9246", "OTI0Ng=="}, {"a", "YQ=="}, {"pässwörd", "cMOkc3N3w7ZyZA=="}};
    for (const auto& c : cases) {
        EXPECT_EQ(KVHashString::stringToBase64(QString::fromUtf8(c.text)), QString::fromLatin1(c.base64));
        EXPECT_EQ(KVHashString::base64ToString(QString::fromLatin1(c.base64)), QString::fromUtf8(c.text));
    }
    EXPECT_EQ(KVHashString::base64ToString(QStringLiteral("not base64!")), QString());
}

TEST_F(PasswordStoreTest, StoresTheBase64TextInTheKeychain)
{
    EXPECT_TRUE(TalvexUtils::getPassword().isEmpty());
    ASSERT_TRUE(TalvexUtils::setPassword(QStringLiteral("OTI0Ng==")));
    EXPECT_EQ(TalvexUtils::getPassword(), QStringLiteral("OTI0Ng=="));
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

TEST_F(PasswordStoreTest, ImportedDocumentSetsThePasswordOnlyWhenItCarriesOne)
{
    ASSERT_TRUE(TalvexUtils::setPassword(KVHashString::stringToBase64(QStringLiteral("9246"))));
    korvel::KVSettings& settings = korvel::KVSettings::getSettingsObject();

    settings.loadSettings(QVariantMap{{QStringLiteral("BrowserPreferences"), QVariantMap{}}});
    EXPECT_EQ(TalvexUtils::getPassword(), QStringLiteral("OTI0Ng=="));

    settings.loadSettings(QVariantMap{
        {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Password"), QStringLiteral("bmV3")}}}});
    EXPECT_EQ(TalvexUtils::getPassword(), QStringLiteral("bmV3"));
    EXPECT_FALSE(UserDefaults::standard()
                     .dictionaryForKey(QStringLiteral("BrowserPreferences"))
                     .contains(QStringLiteral("Password")))
        << "the password lives in the keychain, not in the stored preferences";
}

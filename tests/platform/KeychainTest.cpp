#include "platform/Keychain.h"
#include "platform/KeychainPasswords.h"
#include "tests/support/TestHome.h"

#include <QFile>

using korvel::Keychain;
namespace Status = korvel::KeychainStatus;
using korvel::KeychainPasswords;

namespace {
class KeychainTest : public korvel::test::TestHome {};
}  // namespace

TEST_F(KeychainTest, ItemOperationsReturnTheKeychainCodes)
{
    Keychain keychain(home() + QStringLiteral("/keychain.plist"));
    QByteArray data;
    EXPECT_EQ(keychain.copyMatching(QStringLiteral("s"), QStringLiteral("a"), &data), Status::itemNotFound);
    EXPECT_EQ(keychain.update(QStringLiteral("s"), QStringLiteral("a"), "x"), Status::itemNotFound);
    EXPECT_EQ(keychain.remove(QStringLiteral("s"), QStringLiteral("a")), Status::itemNotFound);

    EXPECT_EQ(keychain.add(QStringLiteral("s"), QStringLiteral("a"), "one"), Status::success);
    EXPECT_EQ(keychain.add(QStringLiteral("s"), QStringLiteral("a"), "two"), Status::duplicateItem);
    EXPECT_EQ(keychain.add(QStringLiteral("s"), QStringLiteral("other"), "three"), Status::success);
    EXPECT_EQ(keychain.update(QStringLiteral("s"), QStringLiteral("a"), "four"), Status::success);

    // Another process (korvelctl next to korvel) sees the change: nothing is cached.
    Keychain second(home() + QStringLiteral("/keychain.plist"));
    ASSERT_EQ(second.copyMatching(QStringLiteral("s"), QStringLiteral("a"), &data), Status::success);
    EXPECT_EQ(data, "four");
    EXPECT_EQ(second.remove(QStringLiteral("s"), QStringLiteral("a")), Status::success);
    EXPECT_EQ(keychain.copyMatching(QStringLiteral("s"), QStringLiteral("a"), &data), Status::itemNotFound);
    EXPECT_EQ(keychain.copyMatching(QStringLiteral("s"), QStringLiteral("other"), &data), Status::success);

    EXPECT_EQ(QFile::permissions(home() + QStringLiteral("/keychain.plist")) & 0x0077, 0)
        << "only the owner may read the keychain";
}

TEST_F(KeychainTest, DamagedKeychainIsReportedNotTrusted)
{
    ASSERT_TRUE(korvel::test::writeFile(home() + QStringLiteral("/keychain.plist"), "garbage"));
    int error = 0;
    EXPECT_TRUE(KeychainPasswords::passwordForService(QStringLiteral("Talvex"), QStringLiteral("password"), &error).isNull());
    EXPECT_EQ(error, Status::decodeError);
}

TEST_F(KeychainTest, WrapperRefusesMissingArgumentsAndAddsOrUpdates)
{
    const QString none;
    const struct {
        QString password, service, account;
    } missing[] = {{none, QStringLiteral("s"), QStringLiteral("a")},
                   {QStringLiteral("p"), none, QStringLiteral("a")},
                   {QStringLiteral("p"), QStringLiteral("s"), none}};
    for (const auto& m : missing) {
        int error = 0;
        EXPECT_FALSE(KeychainPasswords::setPassword(m.password, m.service, m.account, &error));
        EXPECT_EQ(error, KeychainPasswords::missingArgument);
    }

    int error = 0;
    ASSERT_TRUE(KeychainPasswords::setPassword(QStringLiteral("first"), QStringLiteral("s"), QStringLiteral("a"), &error));
    ASSERT_TRUE(KeychainPasswords::setPassword(QStringLiteral("zweite ü"), QStringLiteral("s"), QStringLiteral("a"), &error));
    EXPECT_EQ(KeychainPasswords::passwordForService(QStringLiteral("s"), QStringLiteral("a")), QStringLiteral("zweite ü"));
    ASSERT_TRUE(KeychainPasswords::setPassword(QString(QLatin1String("")), QStringLiteral("s"), QStringLiteral("a")));
    const QString empty = KeychainPasswords::passwordForService(QStringLiteral("s"), QStringLiteral("a"), &error);
    EXPECT_EQ(error, Status::success);
    EXPECT_TRUE(empty.isEmpty() && !empty.isNull()) << "an empty password is stored, not missing";
}

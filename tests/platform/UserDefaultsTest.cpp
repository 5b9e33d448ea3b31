#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "tests/support/EventLoop.h"
#include "tests/support/TestHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QThread>

#include <csignal>

using korvel::PropertyList;
using korvel::UserDefaults;

namespace {

class UserDefaultsTest : public korvel::test::TestHome {
protected:
    QString file() const { return home() + QStringLiteral("/defaults.plist"); }
    QString managed() const { return home() + QStringLiteral("/managed/managed.plist"); }
};

}  // namespace

TEST_F(UserDefaultsTest, OnlySynchronizedChangesSurviveARestart)
{
    {
        UserDefaults defaults(file(), managed());
        defaults.setObject(QStringLiteral("kept"), QStringLiteral("yes"));
        defaults.setObject(QStringLiteral("removed"), 1);
        defaults.removeObject(QStringLiteral("removed"));
        ASSERT_TRUE(defaults.synchronize());
        defaults.setObject(QStringLiteral("lost"), true);
    }
    UserDefaults reopened(file(), managed());
    EXPECT_EQ(reopened.objectForKey(QStringLiteral("kept")), QStringLiteral("yes"));
    EXPECT_FALSE(reopened.objectForKey(QStringLiteral("removed")).isValid());
    EXPECT_FALSE(reopened.objectForKey(QStringLiteral("lost")).isValid());
}

TEST_F(UserDefaultsTest, LayersMergeWithManagedOverApplicationOverRegistration)
{
    ASSERT_TRUE(korvel::test::writeFile(managed(), PropertyList::toXml(QVariantMap{{QStringLiteral("SettingsXML"), QStringLiteral("<plist/>")}})));
    UserDefaults defaults(file(), managed());
    defaults.registerDefaults({{QStringLiteral("UserAgent"), QStringLiteral("registered")},
                               {QStringLiteral("Both"), QStringLiteral("registered")}});
    defaults.setObject(QStringLiteral("Both"), QStringLiteral("application"));

    EXPECT_EQ(defaults.objectForKey(QStringLiteral("UserAgent")), QStringLiteral("registered"));
    EXPECT_EQ(defaults.objectForKey(QStringLiteral("Both")), QStringLiteral("application"));
    EXPECT_EQ(defaults.dictionaryForKey(QLatin1String(UserDefaults::managedKey)).value(QStringLiteral("SettingsXML")),
              QStringLiteral("<plist/>"));
    // The merged view reads every key as objectForKey does.
    const QVariantMap merged = defaults.dictionaryRepresentation();
    EXPECT_EQ(merged.keys(), (QStringList{QStringLiteral("Both"), QStringLiteral("UserAgent"),
                                          QLatin1String(UserDefaults::managedKey)}));
    for (auto it = merged.cbegin(); it != merged.cend(); ++it)
        EXPECT_EQ(it.value(), defaults.objectForKey(it.key())) << qPrintable(it.key());

    // Neither registered values nor the managed dictionary are written to the application file.
    ASSERT_TRUE(defaults.synchronize());
    const QVariantMap stored = PropertyList::readFile(file()).value.toMap();
    EXPECT_EQ(stored.keys(), QStringList{QStringLiteral("Both")});
}

TEST_F(UserDefaultsTest, ChangesAreSignalledQueuedAndCoalesced)
{
    UserDefaults defaults(file(), managed());
    QSignalSpy spy(&defaults, &UserDefaults::changed);
    defaults.setObject(QStringLiteral("a"), 1);
    defaults.setObject(QStringLiteral("b"), 2);
    defaults.removeObject(QStringLiteral("a"));
    EXPECT_EQ(spy.count(), 0) << "never delivered re-entrantly inside setObject";
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.count(), 1);

    defaults.removeObject(QStringLiteral("never-set"));
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.count(), 1) << "removing an absent key changes nothing";
}

TEST_F(UserDefaultsTest, ManagedConfigurationFileChangesAreNoticed)
{
    QDir().mkpath(QFileInfo(managed()).absolutePath());
    UserDefaults defaults(file(), managed());
    QSignalSpy spy(&defaults, &UserDefaults::changed);
    EXPECT_FALSE(defaults.objectForKey(QLatin1String(UserDefaults::managedKey)).isValid());

    ASSERT_TRUE(korvel::test::writeFile(managed(), PropertyList::toXml(QVariantMap{{QStringLiteral("SettingsXML"), QStringLiteral("one")}})));
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return spy.count() > 0; }));
    EXPECT_EQ(defaults.dictionaryForKey(QLatin1String(UserDefaults::managedKey)).value(QStringLiteral("SettingsXML")),
              QStringLiteral("one"));
}

TEST_F(UserDefaultsTest, DamagedFileIsKeptAsideAndTheStoreStartsEmpty)
{
    const QByteArray damaged = "<?xml version=\"1.0\"?><plist><dict><key>Allowed";
    ASSERT_TRUE(korvel::test::writeFile(file(), damaged));
    UserDefaults defaults(file(), managed());
    ASSERT_FALSE(defaults.keptAsidePath().isEmpty());
    EXPECT_EQ(korvel::test::readFile(defaults.keptAsidePath()), damaged);
    EXPECT_TRUE(defaults.keptAsidePath().contains(QStringLiteral("20260105-090000")));

    defaults.setObject(QStringLiteral("fresh"), true);
    ASSERT_TRUE(defaults.synchronize());
    const auto saved = PropertyList::readFile(file());
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value.toMap().keys(), QStringList{QStringLiteral("fresh")}) << "nothing of the damaged file was taken in";
}

TEST_F(UserDefaultsTest, FailedSaveReportsAndKeepsMemory)
{
    UserDefaults defaults(home() + QStringLiteral("/no/such/dir/defaults.plist"), managed());
    defaults.setObject(QStringLiteral("key"), QStringLiteral("value"));
    QString error;
    EXPECT_FALSE(defaults.synchronize(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(defaults.objectForKey(QStringLiteral("key")), QStringLiteral("value"));
}

// A kiosk can lose power or be killed at any instant: the file is always the old or the new one.
TEST_F(UserDefaultsTest, KilledWhileSavingLeavesAWholeFile)
{
    const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/defaults_writer");
    ASSERT_TRUE(QFileInfo::exists(writer)) << qPrintable(writer);
    QRandomGenerator random(7);
    qint64 lastCounter = 0;
    for (int round = 0; round < 20; ++round) {
        QProcess process;
        process.start(writer, {file()});
        ASSERT_TRUE(process.waitForReadyRead(5000));
        QThread::msleep(random.bounded(5, 120));
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished(5000);

        if (!QFileInfo::exists(file()))
            continue;
        const auto parsed = PropertyList::readFile(file());
        ASSERT_TRUE(parsed.ok()) << "round " << round << ": " << qPrintable(parsed.message);
        const QVariantMap stored = parsed.value.toMap();
        const qint64 counter = stored.value(QStringLiteral("Counter")).toLongLong();
        const QVariantList payload = stored.value(QStringLiteral("Payload")).toList();
        ASSERT_EQ(payload.size(), 2000);
        EXPECT_TRUE(payload.last().toString().endsWith(QStringLiteral("of save %1").arg(counter)));
        lastCounter = std::max(lastCounter, counter);
    }
    EXPECT_GT(lastCounter, 0) << "the writer never completed a save";
}

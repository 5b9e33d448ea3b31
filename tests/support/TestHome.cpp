#include "tests/support/TestHome.h"

#include "log/KVDatabase.h"
#include "log/KVLogger.h"
#include "log/LogQuery.h"
#include "platform/Clock.h"
#include "platform/DocumentOrigins.h"
#include "platform/FakeReachabilityBackend.h"
#include "platform/Reachability.h"
#include "platform/NotificationCenter.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvel::test {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<missing>");
}

void TestHome::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    Paths::setHome(m_dir.path());
    Paths::setManagedConfigurationFile(m_dir.path() + QStringLiteral("/managed/managed.plist"));
    Device::setCurrent(&device);
    Clock::setInstance(&clock);
    // No test reaches out to the network: reachability comes from a double unless a test says otherwise.
    FakeReachabilityBackend::install(NetworkStatus::ReachableViaWiFi);
    // Hundreds of password hashes per run: the library's cheapest (one test checks the real cost),
    // and no key trusted unless a test puts one in.
    KVHashString::setPasswordCost(PasswordCost::TestsOnly);
    Paths::setTrustedKeysDirectory(m_dir.path() + QStringLiteral("/trusted-keys.d"));
    restart();
}

void TestHome::TearDown()
{
    restart();
    NotificationCenter::defaultCenter().removeAllObservers();
    Reachability::setBackendFactory(nullptr);
    Paths::setTrustedKeysDirectory(QString());
    Clock::setInstance(nullptr);
    Device::setCurrent(nullptr);
    Paths::setHome(QString());
}

QString TestHome::documents() const
{
    return Paths::documentsDirectory();
}

bool TestHome::placeDocument(const QString& name, const QByteArray& bytes) const
{
    const QString path = documents() + QLatin1Char('/') + name;
    return writeFile(path, bytes) && DocumentOrigins::forHome().record(path, DocumentOrigin::Korvelctl);
}

QStringList TestHome::loggedEvents(const QString& category)
{
    QStringList events;
    for (const LogEntry& e : LogQuery{QStringList{category}, LogOrder::OldestFirst, {}}.run())
        events << e.event;
    return events;
}

KVSettings& TestHome::settings()
{
    return KVSettings::getSettingsObject();
}

void TestHome::restart()
{
    KVLogger::closeSharedLogger();
    KVDatabase::resetDatabaseObject();
    KVSettings::resetSettingsObject();
    UserDefaults::resetStandard();
}

}  // namespace korvel::test

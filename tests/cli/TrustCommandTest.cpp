#include "platform/PropertyList.h"
#include "tests/cli/KorvelctlProcess.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScopedHttpServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvel::test {
namespace {

class TrustCommandTest : public KorvelctlProcess {};

// The road of a fleet's administrator: a key pair, a signed document, the kiosk trusting the key,
// a dry run, the import, the history and the way back.
TEST_F(TrustCommandTest, KeysSignaturesDryRunsHistoryAndRollback)
{
    const QString keys = QDir(home()).filePath(QStringLiteral("admin-keys"));
    const QString trusted = QDir(home()).filePath(QStringLiteral("trusted"));
    ASSERT_TRUE(QDir().mkpath(keys));
    const ScopedEnv trust("KORVEL_TRUSTED_KEYS_DIR", trusted.toUtf8());

    const CtlRun made = ctl({QStringLiteral("keys"), QStringLiteral("new"), QStringLiteral("fleet"), QStringLiteral("--dir"), keys});
    ASSERT_EQ(made.status, 0) << qPrintable(made.err);
    EXPECT_EQ(QFileInfo(keys + QStringLiteral("/fleet.key")).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());
    const QByteArray secret = readFile(keys + QStringLiteral("/fleet.key"));
    EXPECT_EQ(ctl({QStringLiteral("keys"), QStringLiteral("new"), QStringLiteral("fleet"), QStringLiteral("--dir"), keys}).status, 1);
    EXPECT_EQ(readFile(keys + QStringLiteral("/fleet.key")), secret) << "a key is never replaced";

    ok({"sites", "add", "example.com", "--title", "Example"});
    ok({"export", "fleet.plist"});
    ok({"sites", "remove", "0"});
    ASSERT_TRUE(placeDocument(QStringLiteral("unsigned.plist"), readFile(documents() + QStringLiteral("/fleet.plist"))));
    const CtlRun signedRun = ctl({QStringLiteral("sign"), documents() + QStringLiteral("/fleet.plist"), QStringLiteral("--key"),
                                  keys + QStringLiteral("/fleet.key")});
    ASSERT_EQ(signedRun.status, 0) << qPrintable(signedRun.err);
    // Signed where the key is kept, then placed on the kiosk by its administrator.
    ASSERT_TRUE(placeDocument(QStringLiteral("fleet.plist"), readFile(documents() + QStringLiteral("/fleet.plist"))));
    ASSERT_TRUE(QDir().mkpath(trusted));
    QFile::setPermissions(trusted, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(QFile::copy(keys + QStringLiteral("/fleet.pub"), trusted + QStringLiteral("/fleet.pub")));

    const QByteArray store = storeBytes();
    const struct {
        const char* file;
        int status;
        QStringList said;
    } dryRuns[] = {
        {"fleet.plist", 0,
         {QStringLiteral("Signature: signed by trusted key fleet"), QStringLiteral("  Website added: http://example.com"),
          QStringLiteral("Dry run: nothing was changed.")}},
        {"unsigned.plist", 2,
         {QStringLiteral("Signature: not signed"), QStringLiteral("It would change nothing: it would be refused"),
          QStringLiteral("Dry run: nothing was changed.")}},
    };
    for (const auto& d : dryRuns) {
        const CtlRun run = ctl({"import", "--dry-run", d.file});
        EXPECT_EQ(run.status, d.status) << d.file << ": " << qPrintable(run.err);
        for (const QString& line : d.said)
            EXPECT_TRUE(run.out.contains(line)) << d.file << ": " << qPrintable(line) << "\n in:\n" << qPrintable(run.out);
    }
    EXPECT_EQ(storeBytes(), store);

    // The same over a URL: fetched, shown, not applied.
    const std::string served = readFile(documents() + QStringLiteral("/fleet.plist")).toStdString();
    test::ScopedHttpServer server;
    server.http().Get("/fleet.plist", [&](const httplib::Request&, httplib::Response& response) { response.set_content(served, "application/xml"); });
    ASSERT_TRUE(server.start());
    const CtlRun overURL = ctl({QStringLiteral("import"), QStringLiteral("--dry-run"), server.url(QStringLiteral("/fleet.plist"))});
    server.stop();
    EXPECT_EQ(overURL.status, 0) << qPrintable(overURL.err);
    EXPECT_TRUE(overURL.out.contains(QLatin1String("  Website added: http://example.com"))) << qPrintable(overURL.out);
    EXPECT_EQ(storeBytes(), store);

    EXPECT_EQ(ctl({"import", "unsigned.plist"}).status, 2);
    EXPECT_EQ(storeBytes(), store);
    ok({"import", "fleet.plist"});
    EXPECT_TRUE(ok({"sites", "list"}).contains(QLatin1String("url=http://example.com")));

    const QString history = ok({"settings", "history"});
    EXPECT_TRUE(history.startsWith(QLatin1String("0  "))) << qPrintable(history);
    EXPECT_TRUE(history.contains(QLatin1String("file fleet.plist (command)  [in force]"))) << qPrintable(history);
    ok({"settings", "rollback"});
    EXPECT_TRUE(ok({"sites", "list"}).isEmpty());
    EXPECT_EQ(ctl({"settings", "rollback", "99"}).status, 2);

    // The managed configuration's check reads the file as the kiosk does.
    const QString managed = QDir(home()).filePath(QStringLiteral("check-managed.plist"));
    ASSERT_TRUE(writeFile(managed, PropertyList::toXml(QVariantMap{
                                       {QStringLiteral("SettingsXML"), QString::fromUtf8(readFile(documents() + QStringLiteral("/fleet.plist")))},
                                       {QStringLiteral("Enforced"), true}})));
    const QByteArray before = storeBytes();
    const CtlRun check = ctl({QStringLiteral("managed"), QStringLiteral("check"), managed});
    // The rollback gave that document up: the managed configuration would not take it again.
    EXPECT_EQ(check.status, 2) << qPrintable(check.err);
    for (const char* line : {"Enforced: yes", "Signature: signed by trusted key fleet", "  Website added: http://example.com",
                             "It would change nothing: a rollback withdrew this document", "Dry run: nothing was changed."})
        EXPECT_TRUE(check.out.contains(QLatin1String(line))) << line << "\n in:\n" << qPrintable(check.out);
    EXPECT_EQ(storeBytes(), before);
}

}  // namespace
}  // namespace korvel::test

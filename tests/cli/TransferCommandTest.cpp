#include "tests/cli/KorvelctlProcess.h"

#include <QFile>

namespace korvel::test {
namespace {

class TransferCommandTest : public KorvelctlProcess {};

TEST_F(TransferCommandTest, ExportImportAndResetGiveTheScreensMessagesAndRefuseWithStatus2)
{
    ok({"sites", "add", "example.com", "--title", "Example"});
    EXPECT_EQ(ok({"export", " saved.plist "}),
              QStringLiteral("Settings exported successfully to file saved.plist in Korvel documents folder. Fetch it from the "
                             "device's upload page (with its access code) or copy it from %1.\n")
                  .arg(documents()));
    ok({"sites", "remove", "0"});
    EXPECT_EQ(ok({"import", "saved.plist"}),
              QStringLiteral("Settings imported successfully from file saved.plist in Korvel documents folder.\n"));
    EXPECT_TRUE(ok({"sites", "list"}).contains(QLatin1String("url=http://example.com")));

    ASSERT_TRUE(placeDocument(QStringLiteral("bad.plist"), "junk"));
    const struct {
        std::initializer_list<const char*> arguments;
        const char* message;
    } refusals[] = {
        {{"export", "saved.PLIST"}, "Please provide a valid file name, ensuring that it ends with the extension .plist"},
        {{"export", "../outside.plist"}, "cannot be used"},
        {{"import", "missing.plist"}, "File Not Found!! Please export settings to file for an import."},
        {{"import", "bad.plist"}, "Nothing was changed."},
        {{"import", "http://127.0.0.1:1/settings.plist"}, "This is not a valid URL. No Settings file found"},
        {{"reset"}, "This will reset Korvel settings to defaults. Are you sure?"},
    };
    for (const auto& r : refusals) {
        const CtlRun run = ctl(r.arguments);
        EXPECT_EQ(run.status, 2) << r.message;
        EXPECT_TRUE(run.out.isEmpty()) << qPrintable(run.out);
        EXPECT_TRUE(run.err.contains(QLatin1String(r.message))) << qPrintable(run.err);
    }
    EXPECT_TRUE(ok({"sites", "list"}).contains(QLatin1String("url=http://example.com")));

    EXPECT_TRUE(ok({"export", "--pellmor"}).endsWith(QStringLiteral("/Korvel_PellmorConfig.txt\n")));
    EXPECT_TRUE(readFile(documents() + QStringLiteral("/Korvel_PellmorConfig.txt")).startsWith("<![CDATA[\n"));
    EXPECT_EQ(ok({"reset", "--yes"}), QStringLiteral("Successfully reset settings!!\n"));
    EXPECT_TRUE(ok({"sites", "list"}).isEmpty());
}

}  // namespace
}  // namespace korvel::test

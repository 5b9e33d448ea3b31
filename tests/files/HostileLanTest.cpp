// A device on the kiosk's network that means harm, played with curl against the real upload server:
// reads, writes and deletes with and without the access code, another site's page, encoded dot
// segments, a link that leads out of Documents, and a thousand wrong codes from fifty addresses.
#include "files/KVServerStarter.h"
#include "files/UploadAccessGate.h"
#include "log/KVLogger.h"
#include "tests/support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace korvel::test {
namespace {

const QString sourceResources = QStringLiteral(KORVEL_SOURCE_DIR "/resources");
const QString code = QStringLiteral("7319-2468");

struct Answer {
    int status = 0;
    QString body;
    QString hidden;  // the file list's count of what it left out
};

class HostileLanTest : public TestHome {
protected:
    void SetUp() override
    {
        TestHome::SetUp();
        KVLogger::createDatabase_Tables();
        ASSERT_TRUE(outside.isValid());
        for (const auto& [name, bytes] : std::initializer_list<std::pair<const char*, QByteArray>>{
                 {"Korvel.plist", "<key>Password</key><string>c2VjcmV0</string>"},
                 {"KV_LOG_device.txt", "Korvel Log"},
                 {"Korvel_PellmorConfig.txt", "<![CDATA[ password ]]>"},
                 {"import/settings.xml", "the automatic import's file"},
                 {"menu.pdf", "menu"}})
            ASSERT_TRUE(writeFile(documents() + QLatin1Char('/') + QLatin1String(name), bytes));
        ASSERT_TRUE(writeFile(outside.filePath(QStringLiteral("private.txt")), "kept-outside"));
        ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("private.txt")), documents() + QStringLiteral("/escape.txt")));
        ASSERT_TRUE(QFile::link(outside.path(), documents() + QStringLiteral("/inner")));
        ASSERT_TRUE(QFile::link(documents() + QStringLiteral("/Korvel.plist"), documents() + QStringLiteral("/alias.txt")));
        server = std::make_unique<KVServerStarter>(documents(), sourceResources + QStringLiteral("/upload"),
                                                   sourceResources + QStringLiteral("/korvel_error.html"));
        server->setSettingsDocumentNames({QStringLiteral("import/settings.xml")});
        ASSERT_TRUE(server->startServerConnectionWith(0));
        base = QStringLiteral("http://127.0.0.1:%1").arg(server->getPortNumber());
    }
    void TearDown() override
    {
        server.reset();
        TestHome::TearDown();
    }

    // Runs curl from the loopback address `from` with `arguments` (paths are made addresses of the
    // server) and returns every transfer's answer in order.
    QList<Answer> curl(const QStringList& arguments, const QString& from = QStringLiteral("127.0.0.9")) const
    {
        QStringList all{QStringLiteral("-s"), QStringLiteral("--path-as-is"), QStringLiteral("--interface"), from, QStringLiteral("-D"),
                        QStringLiteral("-"), QStringLiteral("-w"), QStringLiteral("\nSTATUS %{http_code}\n")};
        for (const QString& argument : arguments)
            all << (argument.startsWith(QLatin1Char('/')) ? base + argument : argument);
        QProcess process;
        process.setWorkingDirectory(home());
        process.start(QStringLiteral("curl"), all);
        process.waitForFinished(60000);
        QList<Answer> answers;
        Answer current;
        for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
            static const QRegularExpression hidden(QStringLiteral("^X-Hidden-Files: (\\d+)"), QRegularExpression::CaseInsensitiveOption);
            if (line.startsWith(QLatin1String("STATUS "))) {
                current.status = line.mid(7).toInt();
                answers << current;
                current = {};
            } else if (const auto match = hidden.match(line); match.hasMatch()) {
                current.hidden = match.captured(1);
            } else {
                current.body += line + QLatin1Char('\n');
            }
        }
        return answers;
    }
    Answer one(const QStringList& arguments, const QString& from = QStringLiteral("127.0.0.9")) const
    {
        const QList<Answer> answers = curl(arguments, from);
        return answers.size() == 1 ? answers.first() : Answer{-answers.size(), {}, {}};
    }
    QString own() const { return base; }

    QTemporaryDir outside;
    std::unique_ptr<KVServerStarter> server;
    QString base;
};

TEST_F(HostileLanTest, WithoutTheCodeNothingSecretLeavesAndOnlyTheOwnPageWrites)
{
    ASSERT_TRUE(writeFile(home() + QStringLiteral("/evil.plist"), "<plist>pwned</plist>"));
    ASSERT_TRUE(writeFile(home() + QStringLiteral("/note.txt"), "note"));
    const QString foreign = QStringLiteral("Origin: http://attacker.example");
    const struct {
        const char* name;
        QStringList arguments;
        int status;
    } cases[] = {
        {"read the settings document", {QStringLiteral("/Documents/Korvel.plist")}, 403},
        {"read it in other letters", {QStringLiteral("/Documents/KORVEL.PLIST")}, 302},
        {"read a log copy", {QStringLiteral("/Documents/KV_LOG_device.txt")}, 403},
        {"read the Pellmor text", {QStringLiteral("/Documents/Korvel_PellmorConfig.txt")}, 403},
        {"read the automatic import's file", {QStringLiteral("/Documents/import/settings.xml")}, 403},
        {"read the settings document through a link", {QStringLiteral("/Documents/alias.txt")}, 403},
        {"replace it through the link", {QStringLiteral("-T"), QStringLiteral("evil.plist"), QStringLiteral("/upload?name=alias.txt")}, 403},
        {"post it through the link", {QStringLiteral("-F"), QStringLiteral("file=@evil.plist;filename=alias.txt"), QStringLiteral("/upload")}, 403},
        {"replace the settings document", {QStringLiteral("-T"), QStringLiteral("evil.plist"), QStringLiteral("/upload?name=Korvel.plist")}, 403},
        {"post a settings document", {QStringLiteral("-F"), QStringLiteral("file=@evil.plist;filename=Korvel.plist"), QStringLiteral("/upload")}, 403},
        {"replace the import file in its folder",
         {QStringLiteral("-F"), QStringLiteral("addfolder=@note.txt;filename=import/settings.xml"), QStringLiteral("/upload")}, 403},
        {"delete the settings document", {QStringLiteral("-X"), QStringLiteral("DELETE"), QStringLiteral("--data"), QStringLiteral("Korvel.plist"), QStringLiteral("/Delete/")}, 403},
        {"another site's page posts", {QStringLiteral("-H"), foreign, QStringLiteral("-F"), QStringLiteral("file=@note.txt"), QStringLiteral("/upload")}, 403},
        {"another site's page deletes",
         {QStringLiteral("-H"), QStringLiteral("Referer: http://attacker.example/page"), QStringLiteral("-X"), QStringLiteral("DELETE"),
          QStringLiteral("--data"), QStringLiteral("menu.pdf"), QStringLiteral("/Delete/")}, 403},
        {"a sandboxed page posts", {QStringLiteral("-H"), QStringLiteral("Origin: null"), QStringLiteral("-T"), QStringLiteral("note.txt"), QStringLiteral("/upload?name=n.txt")}, 403},
        {"a name that rebinds to the device", {QStringLiteral("-H"), QStringLiteral("Host: attacker.example"), QStringLiteral("/files")}, 421},
        {"encoded dot segments", {QStringLiteral("/Documents/%2e%2e/%2e%2e/etc/passwd")}, 400},
        {"mixed encoded dot segments", {QStringLiteral("/Documents/.%2E/keychain.plist")}, 400},
        {"plain dot segments", {QStringLiteral("/Documents/../../etc/passwd")}, 302},
        {"a link out of Documents", {QStringLiteral("/Documents/escape.txt")}, 302},
        {"a folder link out of Documents", {QStringLiteral("/Documents/inner/private.txt")}, 302},
        {"write through the folder link",
         {QStringLiteral("-F"), QStringLiteral("addfolder=@note.txt;filename=inner/planted.txt"), QStringLiteral("/upload")}, 403},
        {"delete through the folder link", {QStringLiteral("-X"), QStringLiteral("DELETE"), QStringLiteral("--data"), QStringLiteral("inner/private.txt"), QStringLiteral("/Delete/")}, 403},
        {"the page's own origin writes", {QStringLiteral("-H"), QStringLiteral("Origin: ") + own(), QStringLiteral("-T"), QStringLiteral("note.txt"), QStringLiteral("/upload?name=note.txt")}, 200},
        {"a script writes", {QStringLiteral("-F"), QStringLiteral("file=@note.txt;filename=script.txt"), QStringLiteral("/upload")}, 200},
    };
    for (const auto& c : cases) {
        const Answer answer = one(c.arguments);
        EXPECT_EQ(answer.status, c.status) << c.name << ": " << qPrintable(answer.body);
        EXPECT_FALSE(answer.body.contains(QLatin1String("c2VjcmV0")) || answer.body.contains(QLatin1String("kept-outside"))) << c.name;
    }
    const Answer list = one({QStringLiteral("/files")});
    EXPECT_EQ(list.status, 200);
    EXPECT_TRUE(list.body.contains(QLatin1String("'name':'menu.pdf'")) && list.body.contains(QLatin1String("'name':'note.txt'"))) << qPrintable(list.body);
    for (const char* secret : {"Korvel", "KV_LOG", "settings.xml", "escape", "private"})
        EXPECT_FALSE(list.body.contains(QLatin1String(secret))) << secret;
    EXPECT_EQ(list.hidden, QStringLiteral("4"));

    EXPECT_EQ(readFile(documents() + QStringLiteral("/Korvel.plist")), "<key>Password</key><string>c2VjcmV0</string>");
    EXPECT_EQ(readFile(documents() + QStringLiteral("/import/settings.xml")), "the automatic import's file");
    EXPECT_EQ(readFile(documents() + QStringLiteral("/menu.pdf")), "menu");
    EXPECT_EQ(readFile(outside.filePath(QStringLiteral("private.txt"))), "kept-outside");
    EXPECT_FALSE(QFileInfo::exists(outside.filePath(QStringLiteral("planted.txt"))));
    EXPECT_EQ(readFile(documents() + QStringLiteral("/note.txt")), "note");
    const QStringList logged = loggedEvents(QStringLiteral("KVServerConnection"));
    EXPECT_EQ(logged.filter(QStringLiteral("Refused a request from another site")).size(), 3) << qPrintable(logged.join(QLatin1Char('\n')));
    EXPECT_TRUE(logged.filter(QStringLiteral("Refused a request from another site (Origin http://attacker.example): POST /upload from 127.0.0.9")).size() == 1);

    // A link inside is removed as a link; what it points at stays.
    EXPECT_EQ(one({QStringLiteral("-X"), QStringLiteral("DELETE"), QStringLiteral("--data"), QStringLiteral("escape.txt"), QStringLiteral("/Delete/")}).status, 200);
    EXPECT_FALSE(QFileInfo(documents() + QStringLiteral("/escape.txt")).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(outside.filePath(QStringLiteral("private.txt"))));
}

TEST_F(HostileLanTest, TheCodeOpensEverythingAndAThousandGuessesFromFiftyAddressesGetNowhere)
{
    server->setAccessCode(code);
    const QString right = QStringLiteral("X-Access-Code: ") + code;
    ASSERT_TRUE(writeFile(home() + QStringLiteral("/large.bin"), QByteArray(3 << 20, 'x')));
    const struct {
        const char* name;
        QStringList arguments;
        int status;
    } cases[] = {
        {"the list without the code", {QStringLiteral("/files")}, 401},
        {"a document without the code, over loopback too", {QStringLiteral("/Documents/menu.pdf")}, 401},
        {"a large upload without the code, refused before its body",
         {QStringLiteral("--expect100-timeout"), QStringLiteral("60"), QStringLiteral("-T"), QStringLiteral("large.bin"), QStringLiteral("/upload?name=large.bin")}, 401},
        {"the settings document with the code", {QStringLiteral("-H"), right, QStringLiteral("/Documents/Korvel.plist")}, 200},
        {"a log copy deleted with the code",
         {QStringLiteral("-H"), right, QStringLiteral("-X"), QStringLiteral("DELETE"), QStringLiteral("--data"), QStringLiteral("KV_LOG_device.txt"), QStringLiteral("/Delete/")}, 200},
        {"the code does not make another site's page the owner",
         {QStringLiteral("-H"), right, QStringLiteral("-H"), QStringLiteral("Origin: http://attacker.example"), QStringLiteral("-X"), QStringLiteral("DELETE"),
          QStringLiteral("--data"), QStringLiteral("menu.pdf"), QStringLiteral("/Delete/")}, 403},
    };
    for (const auto& c : cases)
        EXPECT_EQ(one(c.arguments).status, c.status) << c.name;
    const Answer list = one({QStringLiteral("-H"), right, QStringLiteral("/files")});
    EXPECT_TRUE(list.body.contains(QLatin1String("'name':'Korvel.plist'")) && list.body.contains(QLatin1String("'name':'import/settings.xml'")))
        << qPrintable(list.body);
    EXPECT_EQ(list.hidden, QStringLiteral("0"));
    EXPECT_FALSE(QFileInfo::exists(documents() + QStringLiteral("/KV_LOG_device.txt")));
    EXPECT_FALSE(QFileInfo::exists(documents() + QStringLiteral("/large.bin")));

    // Fifty addresses, twenty guesses each, on a clock that stands still.
    QMap<int, int> statuses;
    for (int device = 0; device < 50; ++device) {
        QStringList guesses{QStringLiteral("-H"), QStringLiteral("X-Access-Code: %1").arg(1000 + device)};
        for (int guess = 0; guess < 20; ++guess)
            guesses << QStringLiteral("/files");
        for (const Answer& answer : curl(guesses, QStringLiteral("127.0.1.%1").arg(device + 1)))
            ++statuses[answer.status];
    }
    const UploadAccessGate::Budget budget;
    EXPECT_EQ(statuses.value(403), budget.size) << "only the shared budget's guesses are compared";
    EXPECT_EQ(statuses.value(429), 1000 - budget.size);
    const QStringList logged = loggedEvents(QStringLiteral("KVServerConnection"));
    EXPECT_EQ(logged.filter(QRegularExpression(QStringLiteral("^Wrong access code .* from 127\\.0\\.1\\.\\d+$"))).size(), budget.size);
    const QStringList paused = logged.filter(QStringLiteral("every client waits. They came from: 127.0.1."));
    EXPECT_EQ(paused.size(), 1) << qPrintable(logged.join(QLatin1Char('\n')));

    // The administrator's right code waits out the pause too, then opens.
    EXPECT_EQ(one({QStringLiteral("-H"), right, QStringLiteral("/files")}, QStringLiteral("127.0.2.1")).status, 429);
    clock.advance(budget.refill);
    EXPECT_EQ(one({QStringLiteral("-H"), right, QStringLiteral("/files")}, QStringLiteral("127.0.2.1")).status, 200);
}

}  // namespace
}  // namespace korvel::test

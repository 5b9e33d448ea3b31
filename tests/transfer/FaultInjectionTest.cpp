// What the files look like when a write cannot be completed: a file-size limit, a full file system,
// and the process killed at any instant. Whatever fails is reported, and every file is whole.
#include "platform/AtomicFile.h"
#include "settings/KVHashString.h"
#include "tests/support/EventLoop.h"
#include "tests/transfer/TransferFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace korvel::test {
namespace {

class FaultInjectionTest : public TransferTest {
protected:
    static QString bin(const char* name) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name); }

    // korvelctl on this home, under a file-size limit of `limit` bytes when one is given.
    int korvelctl(const QStringList& arguments, qint64 limit = -1, const QByteArray& input = {}) const
    {
        QProcess process;
        process.setChildProcessModifier([limit] {
            if (limit < 0)
                return;
            rlimit l{rlim_t(limit), rlim_t(limit)};
            setrlimit(RLIMIT_FSIZE, &l);
            // As many service managers and shells leave it: the limit then shows as EFBIG alone.
            std::signal(SIGXFSZ, SIG_IGN);
        });
        process.start(bin("korvelctl"), QStringList{QStringLiteral("--home"), home()} + arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        return process.exitCode();
    }

    // Hidden files the writer makes beside its targets; none may stay behind a failure.
    QStringList strayFiles() const
    {
        QStringList stray;
        for (const QString& directory : {home(), documents()}) {
            for (const QString& name : QDir(directory).entryList(QDir::Files | QDir::Hidden))
                if (name.contains(QStringLiteral(".tmp-")) || name.contains(QStringLiteral(".previous-")))
                    stray << name;
        }
        return stray;
    }
};

// Under `ulimit -f` every write fails with EFBIG: korvelctl must say so, and leave the store, the
// password store and Documents as they were (it printed success and truncated them).
TEST_F(FaultInjectionTest, AFileSizeLimitFailsTheCommandAndLeavesEveryFileAsItWas)
{
    for (const char* host : {"a.example", "b.example", "c.example"})
        ASSERT_EQ(korvelctl({QStringLiteral("sites"), QStringLiteral("add"), QString::fromLatin1(host)}), 0);
    ASSERT_EQ(korvelctl({QStringLiteral("password"), QStringLiteral("set")}, -1, "Before1!x\n"), 0);
    putDocument(QStringLiteral("big.plist"), {{QStringLiteral("AllowedWebsites"), QVariantList(20, site("http://imported.example"))}});
    const QByteArray store = readFile(Paths::defaultsFile());
    const QByteArray keychain = readFile(Paths::keychainFile());
    // Anything larger than the store as it is cannot be written.
    const qint64 limit = QFileInfo(Paths::defaultsFile()).size();
    const struct {
        const char* name;
        QStringList arguments;
        qint64 limit;
        QByteArray input;
    } cases[] = {
        {"a website added", {QStringLiteral("sites"), QStringLiteral("add"), QStringLiteral("d.example")}, limit, {}},
        {"a longer preference", {QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("CustomUserAgentHeader"), QString(300, QLatin1Char('x'))}, limit, {}},
        {"an import", {QStringLiteral("import"), QStringLiteral("big.plist")}, limit, {}},
        {"an export", {QStringLiteral("export"), QStringLiteral("out.plist")}, 1024, {}},
        {"a new password", {QStringLiteral("password"), QStringLiteral("set")}, 64, "After1!xx\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_GT(korvelctl(c.arguments, c.limit, c.input), 0) << "a write that failed was reported as done";
        EXPECT_EQ(readFile(Paths::defaultsFile()), store);
        EXPECT_EQ(readFile(Paths::keychainFile()), keychain);
        EXPECT_FALSE(QFileInfo::exists(documents() + QStringLiteral("/out.plist")));
        EXPECT_EQ(strayFiles(), QStringList());
    }
    EXPECT_EQ(korvelctl({QStringLiteral("password"), QStringLiteral("check")}, -1, "Before1!x\n"), 0);
}

// A file system that is full: saves and imports fail, the store keeps its last content and memory
// keeps the change, which the next save writes once there is room again.
TEST_F(FaultInjectionTest, AFullFileSystemFailsSavesAndImportsWithoutLosingAnything)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "a small file system of its own needs root to mount it (tmpfs); not root here";
    QTemporaryDir mountPoint;
    if (::mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0, "size=512k,mode=0700") != 0)
        GTEST_SKIP() << "a tmpfs cannot be mounted here: " << std::strerror(errno);
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(mountPoint.path()).constData(), MNT_DETACH); });
    Paths::setHome(mountPoint.path());
    restart();

    KVSettings& s = settings();
    s.allowedWebsites = KVSettings::buildAWABrrayFromDictArray({site("http://kept.example")});
    ASSERT_TRUE(s.save());
    setPassword("secret");
    const QByteArray store = readFile(Paths::defaultsFile());
    {
        // Everything but two pages taken.
        const int fd = ::open(QFile::encodeName(mountPoint.filePath(QStringLiteral("filler"))).constData(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        const QByteArray block(4096, 'f');
        off_t size = 0;
        while (::write(fd, block.constData(), size_t(block.size())) == block.size())
            size += block.size();
        ASSERT_EQ(::ftruncate(fd, size - 8192), 0);
        ::close(fd);
    }

    s.allowedWebsites = KVSettings::buildAWABrrayFromDictArray(QVariantList(100, site("http://many.example")));
    EXPECT_FALSE(s.save());
    EXPECT_EQ(readFile(Paths::defaultsFile()), store);
    EXPECT_EQ(s.allowedWebsites.size(), 100) << "memory keeps the change";

    const QVariantMap document{{QStringLiteral("AllowedWebsites"), QVariantList(100, site("http://imported.example"))},
                               {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("new"))}}}};
    const ImportOutcome outcome = ImportExport::applySettingsDocument(document, atTheDevice, false);
    EXPECT_FALSE(outcome.applied);
    EXPECT_FALSE(outcome.reason.isEmpty());
    EXPECT_EQ(readFile(Paths::defaultsFile()), store);
    EXPECT_TRUE(passwordIs("secret"));
    EXPECT_EQ(strayFiles(), QStringList());

    ASSERT_TRUE(QFile::remove(mountPoint.filePath(QStringLiteral("filler"))));
    EXPECT_TRUE(s.save());
    restart();
    EXPECT_EQ(settings().allowedWebsites.size(), 100);
}

// The store as one round of store_writer left it: every website and the idle timeout carry the same
// round; that round, or nothing when the file does not exist yet.
std::optional<qint64> roundOfStore()
{
    if (!QFileInfo::exists(Paths::defaultsFile()))
        return 0;
    const PropertyListParse parsed = PropertyList::readFile(Paths::defaultsFile());
    if (!parsed.ok())
        return std::nullopt;
    const QVariantMap store = parsed.value.toMap();
    const qint64 round = store.value(QStringLiteral("BrowserPreferences")).toMap().value(QStringLiteral("IdleTimeout")).toLongLong();
    const QVariantList sites = store.value(QStringLiteral("AllowedWebsites")).toList();
    if (sites.size() != 40)
        return std::nullopt;
    for (int i = 0; i < 40; ++i) {
        if (sites.at(i).toMap().value(QStringLiteral("URL")).toString() != QStringLiteral("http://s%1-k%2.example").arg(i).arg(round))
            return std::nullopt;
    }
    return round;
}

// Killed at any instant, while it saves or while it imports: the store always parses and holds one
// whole round, never a round older than the last one reported done; an import's password and file
// are whole too, of that round or of the next one (the store is the last file put in place).
TEST_F(FaultInjectionTest, KilledAtRandomPointsNothingIsTornAndNothingDoneIsLost)
{
    QRandomGenerator random(25);
    const struct {
        const char* mode;
        qint64 rounds;  // at least this many saves or imports done, and at least 50 kills
    } modes[] = {{"save", 200}, {"import", 100}};
    for (const auto& m : modes) {
        SCOPED_TRACE(m.mode);
        restart();
        QDir(home()).removeRecursively();
        QDir().mkpath(home());
        qint64 done = 0;
        int kills = 0;
        for (; (done < m.rounds || kills < 50) && kills < 400; ++kills) {
            QProcess writer;
            writer.start(bin("store_writer"), {QString::fromLatin1(m.mode), home()});
            ASSERT_TRUE(writer.waitForReadyRead(10000));
            // Anywhere from before the first write to several rounds in.
            QThread::usleep(random.bounded(1000, 250000));
            ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
            writer.waitForFinished(10000);
            qint64 lastDone = 0;
            for (const QByteArray& line : writer.readAllStandardOutput().split('\n')) {
                if (line.startsWith("done ")) {
                    lastDone = line.mid(5).toLongLong();
                    ++done;
                }
            }
            const std::optional<qint64> round = roundOfStore();
            ASSERT_TRUE(round.has_value()) << "a torn store after kill " << kills;
            EXPECT_GE(*round, lastDone) << "a round reported done is not on disk";
            if (std::strcmp(m.mode, "import") != 0 || *round == 0)
                continue;
            const auto is = [](qint64 k) { return PasswordStore::checkPassword(QStringLiteral("pw%1").arg(k)) == PasswordCheck::Matches; };
            EXPECT_TRUE(is(*round) || is(*round + 1)) << "the password is neither of round " << *round << " nor of the next";
            const qint64 stamp = readFile(documents() + QStringLiteral("/stamp.txt")).toLongLong();
            EXPECT_TRUE(stamp == *round || stamp == *round + 1) << stamp << " against " << *round;
        }
        EXPECT_GE(done, m.rounds) << "in " << kills << " kills";
    }
}

}  // namespace
}  // namespace korvel::test

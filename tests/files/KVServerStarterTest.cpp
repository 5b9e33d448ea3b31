#include "files/KVServerStarter.h"
#include "files/UploadAccessGate.h"
#include "log/KVLogger.h"
#include "settings/KVBrowserPrefSettings.h"
#include "tests/support/TestHome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QThread>

#include <httplib.h>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <functional>

namespace korvel::test {
namespace {

using namespace std::chrono_literals;

const QString sourceResources = QStringLiteral(KORVEL_SOURCE_DIR "/resources");

class KVServerStarterTest : public TestHome {
protected:
    void SetUp() override
    {
        TestHome::SetUp();
        KVLogger::createDatabase_Tables();
        ASSERT_TRUE(outside.isValid());
        starter = std::make_unique<KVServerStarter>(documents(), sourceResources + QStringLiteral("/upload"),
                                                    sourceResources + QStringLiteral("/korvel_error.html"));
        ASSERT_TRUE(starter->startServerConnectionWith(0));
    }
    void TearDown() override
    {
        starter.reset();
        TestHome::TearDown();
    }

    httplib::Client client(const std::string& host = "127.0.0.1") { return httplib::Client(host, starter->getPortNumber()); }
    static void write(const QString& path, const QByteArray& bytes = "bytes") { ASSERT_TRUE(writeFile(path, bytes)) << qPrintable(path); }
    static QByteArray read(const QString& path) { return readFile(path); }
    httplib::Result upload(const std::string& part, const std::string& fileName, const std::string& bytes = "hello")
    {
        return client().Post("/upload", httplib::MultipartFormDataItems{{part, bytes, fileName, "text/plain"}});
    }
    // The upload page's own route: the body is the file, its name and part in the query.
    static std::string rawTarget(const std::string& part, const std::string& fileName)
    {
        return "/upload?part=" + httplib::detail::encode_query_param(part) + "&name=" + httplib::detail::encode_query_param(fileName);
    }
    httplib::Result rawUpload(const std::string& part, const std::string& fileName, const std::string& bytes = "hello",
                              const httplib::Headers& headers = {})
    {
        return client().Put(rawTarget(part, fileName), headers, bytes, "application/octet-stream");
    }
    void restartWithCode(const QString& code)
    {
        starter->setAccessCode(code);
        ASSERT_TRUE(starter->startServerConnectionWith(0));
    }

    QTemporaryDir outside;
    std::unique_ptr<KVServerStarter> starter;
};

TEST_F(KVServerStarterTest, RoutesAnswerInOrderAndEscapesAreRefused)
{
    write(documents() + QStringLiteral("/korvelLogDatabase.db-wal"));
    write(documents() + QStringLiteral("/site/index.html"), "<p>site</p>");
    write(outside.filePath(QStringLiteral("secret.html")), "secret");
    QFile::link(outside.filePath(QStringLiteral("secret.html")), documents() + QStringLiteral("/leak.html"));
    struct Case {
        const char* path;
        int status;
        const char* location;  // or a text the body holds
    } const cases[] = {
        {"/", 301, "/upload"},
        {"/nowhere", 302, "/error"},
        {"/error", 200, "<html"},
        {"/upload", 200, "upload.js"},
        {"/upload/", 200, "upload.js"},
        {"/upload/upload.js", 200, "/Delete/"},
        {"/Documents/site/", 200, "<p>site</p>"},
        {"/Documents/site", 200, "<p>site</p>"},
        {"/Documents/missing.png", 302, "/error"},
        {"/Documents/leak.html", 302, "/error"},
        {"/Documents/korvelLogDatabase.db-wal", 302, "/error"},
        {"/Documents/../Documents/site/index.html", 302, "/error"},
        {"/upload/%2e%2e/korvel_error.html", 400, ""},
        {"/upload/..%2fkorvel_error.html", 400, ""},
        {"/Documents/%5c..%5cetc", 400, ""},
        {"/Documents/%2E%2E/x", 400, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const auto result = client().Get(c.path);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, c.status);
        if (c.status == 301 || c.status == 302) {
            EXPECT_EQ(result->get_header_value("Location"), c.location);
        } else {
            EXPECT_NE(result->body.find(c.location), std::string::npos);
        }
    }
}

TEST_F(KVServerStarterTest, UploadStoresInsideTheDocumentsAndRefusesEscapes)
{
    write(documents() + QStringLiteral("/Version.txt"), "version");
    QDir().mkpath(outside.filePath(QStringLiteral("out")));
    QFile::link(outside.filePath(QStringLiteral("out")), documents() + QStringLiteral("/linked"));
    struct Case {
        const char* part;
        const char* fileName;
        QString stored;  // relative to the documents; empty: refused
    } const cases[] = {
        {"file", "a/b/c.txt", QStringLiteral("c.txt")},
        {"addfolder", "a/b/c.txt", QStringLiteral("a/b/c.txt")},
        {"addfolder", "plain.txt", QStringLiteral("plain.txt")},
        {"addfolder", "../up.txt", {}},
        {"file", "a/../../up.txt", {}},
        {"file", "/etc/up.txt", {}},
        {"file", "nul\x01.txt", {}},
        {"file", "back\\slash.txt", {}},
        {"file", "Version.txt", {}},
        {"file", "korvelLogDatabase.db-wal", {}},
        {"file", "korvelDatabase.db-shm", {}},
        {"addfolder", "linked/up.txt", {}},
    };
    // A form's part (replies 200 even when refused, as other clients expect) and the raw route.
    for (const bool raw : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.fileName) + (raw ? " raw" : " multipart"));
            if (!c.stored.isEmpty())
                QFile::remove(documents() + QLatin1Char('/') + c.stored);
            const auto result = raw ? rawUpload(c.part, c.fileName) : upload(c.part, c.fileName);
            ASSERT_TRUE(result);
            const bool refusedRaw = raw && c.stored.isEmpty();
            EXPECT_EQ(result->status, refusedRaw ? 403 : 200);
            if (refusedRaw) {
                EXPECT_EQ(result->body.rfind("Upload refused: ", 0), 0u) << result->body;
            } else {
                EXPECT_EQ(result->body, std::string("Name: ") + c.part + " File name: " + c.fileName + " Size: 5<br>");
            }
            if (!c.stored.isEmpty()) {
                EXPECT_EQ(read(documents() + QLatin1Char('/') + c.stored), "hello");
            }
        }
    }
    EXPECT_EQ(read(documents() + QStringLiteral("/Version.txt")), "version");
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(documents()).path() + QStringLiteral("/up.txt")));
    EXPECT_TRUE(QDir(outside.filePath(QStringLiteral("out"))).isEmpty());
    EXPECT_EQ(loggedEvents(QStringLiteral("KVServerConnection")).filter(QStringLiteral("Upload refused")).size(), 18);
}

TEST_F(KVServerStarterTest, UploadBeyondTheLimitKeepsNothing)
{
    starter->setUploadLimit(1000);
    ASSERT_TRUE(starter->startServerConnectionWith(0));
    write(documents() + QStringLiteral("/big.bin"), "old");
    for (const bool raw : {false, true}) {
        const auto result = raw ? rawUpload("file", "big.bin", std::string(5000, 'x')) : upload("file", "big.bin", std::string(5000, 'x'));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 413) << (raw ? "raw" : "multipart");
    }
    EXPECT_EQ(read(documents() + QStringLiteral("/big.bin")), "old");
    EXPECT_EQ(QDir(documents()).entryList({QStringLiteral("big*")}, QDir::Files | QDir::Hidden), QStringList{QStringLiteral("big.bin")});
}

TEST_F(KVServerStarterTest, DeleteRemovesOnlyWhatLiesInside)
{
    write(documents() + QStringLiteral("/myfile.txt"));
    write(documents() + QStringLiteral("/sub/a.txt"));
    write(documents() + QStringLiteral("/korvelDatabase.db"));
    write(outside.filePath(QStringLiteral("target.txt")));
    QFile::link(outside.filePath(QStringLiteral("target.txt")), documents() + QStringLiteral("/link.txt"));
    struct Case {
        const char* target;
        const char* body;
        const char* reply;
        QString gone;  // relative to the documents
    } const cases[] = {
        {"/Delete/", "", "No File", {}},
        {"/Delete/", "my%20file.txt", "file Delete Success", QStringLiteral("myfile.txt")},
        {"/Delete/?name=sub/a.txt", "", "file Delete Success", QStringLiteral("sub/a.txt")},
        {"/Delete/", "missing.txt", "file Delete Failed No such file", {}},
        {"/Delete/", "../outside.txt", "file Delete Failed dot segment in name", {}},
        {"/Delete/", "%2e%2e/x.txt", "file Delete Failed dot segment in name", {}},
        {"/Delete/", "%2Fetc%2Fpasswd", "file Delete Failed absolute path", {}},
        {"/Delete/", "a%00.txt", "file Delete Failed control character or backslash in name", {}},
        {"/Delete/", "korvelDatabase.db", "file Delete Failed the program's own file", {}},
        {"/Delete/", "link.txt", "file Delete Success", QStringLiteral("link.txt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        const auto result = client().Delete(c.target, c.body, "text/plain");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->body, c.reply);
        if (!c.gone.isEmpty()) {
            EXPECT_FALSE(QFileInfo(documents() + QLatin1Char('/') + c.gone).isSymLink() || QFileInfo::exists(documents() + QLatin1Char('/') + c.gone));
        }
    }
    EXPECT_TRUE(QFileInfo::exists(documents() + QStringLiteral("/korvelDatabase.db")));
    EXPECT_TRUE(QFileInfo::exists(outside.filePath(QStringLiteral("target.txt"))));
}

TEST_F(KVServerStarterTest, FileListLeavesOutTheSystemsFilesAndEscapesApostrophes)
{
    for (const char* name : {"Version.txt", "korvelLogDatabase.db", "homeWebPage.html", "categories.png", "x.part.prt"})
        write(documents() + QLatin1Char('/') + QLatin1String(name));
    EXPECT_EQ(client().Get("/files")->body, "[]");
    for (const char* name : {"b.txt", "A.png", "sub/it's.pdf", "noextension"})
        write(documents() + QLatin1Char('/') + QLatin1String(name));
    EXPECT_EQ(client().Get("/files")->body, "[{'name':'A.png', 'id':0},{'name':'b.txt', 'id':1},{'name':'sub/it\\'s.pdf', 'id':2}]");
}

TEST_F(KVServerStarterTest, RequestsBeyondTheLimitsAreRefused)
{
    httplib::Headers many;
    for (int i = 0; i < KVServerStarter::headerCountLimit + 1; ++i)
        many.emplace("X-Header-" + std::to_string(i), "v");
    EXPECT_EQ(client().Get("/files", many)->status, 431);
    EXPECT_EQ(client().Delete("/Delete/", std::string(KVServerStarter::smallBodyLimit + 1, 'x'), "text/plain")->status, 413);
}

// A local address of this machine that is not loopback, for a request that comes "from the network".
std::string networkAddressOfThisMachine()
{
    ifaddrs* addresses = nullptr;
    if (getifaddrs(&addresses) != 0)
        return {};
    std::string found;
    for (const ifaddrs* a = addresses; a && found.empty(); a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET || (a->ifa_flags & IFF_LOOPBACK) || !(a->ifa_flags & IFF_UP))
            continue;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(a->ifa_addr)->sin_addr, text, sizeof(text));
        found = text;
    }
    freeifaddrs(addresses);
    return found;
}

TEST_F(KVServerStarterTest, AnAccessCodeGuardsEveryRouteButTheUploadPage)
{
    const std::string wrongCode = "guess-7319";
    const httplib::Headers none;
    const httplib::Headers wrong{{UploadAccessGate::headerName, wrongCode}};
    // Sent percent-encoded, as the upload page sends it.
    const httplib::Headers right{{UploadAccessGate::headerName, "2468%20%C3%BC"}};
    const struct Route {
        const char* name;
        std::function<httplib::Result(httplib::Client&, const httplib::Headers&)> send;
        int status;  // when admitted
        bool guarded;
    } routes[] = {
        {"upload page", [](auto& c, auto& h) { return c.Get("/upload", h); }, 200, false},
        {"upload page script", [](auto& c, auto& h) { return c.Get("/upload/upload.js", h); }, 200, false},
        {"error page", [](auto& c, auto& h) { return c.Get("/error", h); }, 200, false},
        {"document over loopback", [](auto& c, auto& h) { return c.Get("/Documents/a.txt", h); }, 200, false},
        {"file list", [](auto& c, auto& h) { return c.Get("/files", h); }, 200, true},
        {"multipart upload", [](auto& c, auto& h) { return c.Post("/upload", h, httplib::MultipartFormDataItems{{"file", "x", "up.txt", "text/plain"}}); }, 200, true},
        {"raw upload", [](auto& c, auto& h) { return c.Put(rawTarget("file", "up.txt"), h, "x", "application/octet-stream"); }, 200, true},
        {"delete", [](auto& c, auto& h) { return c.Delete("/Delete/", h, "gone.txt", "text/plain"); }, 200, true},
        {"unknown path", [](auto& c, auto& h) { return c.Get("/nowhere", h); }, 302, true},
    };
    write(documents() + QStringLiteral("/a.txt"));
    for (const QString& code : {QString(), QStringLiteral("2468 ü")}) {
        restartWithCode(code);
        for (const Route& route : routes) {
            for (const httplib::Headers* sent : {&none, &wrong, &right}) {
                SCOPED_TRACE(testing::Message() << route.name << (code.isEmpty() ? ", no code set" : ", code set") << ", sent "
                                                << (sent == &none ? "none" : sent == &wrong ? "a wrong one" : "the right one"));
                write(documents() + QStringLiteral("/gone.txt"));
                QFile::remove(documents() + QStringLiteral("/up.txt"));
                httplib::Client c = client();
                const auto result = route.send(c, *sent);
                ASSERT_TRUE(result);
                const bool asked = !code.isEmpty() && route.guarded;
                const int expected = !asked || sent == &right ? route.status : sent == &none ? 401 : 403;
                EXPECT_EQ(result->status, expected);
                EXPECT_EQ(result->body.find(wrongCode), std::string::npos);
                if (expected == 401 || expected == 403) {
                    EXPECT_EQ(result->body, expected == 401 ? "Access code required" : "Wrong access code");
                    EXPECT_TRUE(QFileInfo::exists(documents() + QStringLiteral("/gone.txt"))) << "nothing deleted";
                    EXPECT_FALSE(QFileInfo::exists(documents() + QStringLiteral("/up.txt"))) << "nothing stored";
                }
                clock.advance(UploadAccessGate::maxWait);  // the wait after a wrong code has passed
            }
        }
    }
    const QStringList logged = loggedEvents(QStringLiteral("KVServerConnection"));
    EXPECT_TRUE(logged.contains(QStringLiteral("Access code missing: GET /files from 127.0.0.1"))
                || logged.contains(QStringLiteral("Access code missing: GET /files from ::ffff:127.0.0.1")))
        << qPrintable(logged.join(QLatin1Char('\n')));
    EXPECT_EQ(logged.filter(QStringLiteral("Wrong access code (1 in a row, next attempt in 1 s): DELETE /Delete/")).size(), 1);
    EXPECT_TRUE(logged.filter(QString::fromStdString(wrongCode.substr(6))).isEmpty()) << "the code sent is never logged";

    // The kiosk's own window reads documents over loopback; from the network they need the code.
    const std::string network = networkAddressOfThisMachine();
    if (network.empty())
        GTEST_SKIP() << "no address but loopback on this machine";
    httplib::Client fromNetwork(network, starter->getPortNumber());
    const auto unasked = fromNetwork.Get("/Documents/a.txt");
    ASSERT_TRUE(unasked);
    EXPECT_EQ(unasked->status, 401);
    EXPECT_EQ(fromNetwork.Get("/Documents/a.txt", right)->status, 200);
}

TEST_F(KVServerStarterTest, WrongCodesSlowTheirSenderDownAndNoOneElse)
{
    restartWithCode(QStringLiteral("2468"));
    const httplib::Headers wrong{{UploadAccessGate::headerName, "1111"}};
    const httplib::Headers right{{UploadAccessGate::headerName, "2468"}};
    httplib::Client v6("::1", starter->getPortNumber());
    const bool hasIPv6 = bool(v6.Get("/upload"));
    const struct {
        std::chrono::milliseconds after;
        const httplib::Headers* sent;
        int status;
        const char* retryAfter;
    } steps[] = {
        {0ms, &wrong, 403, "1"}, {0ms, &right, 429, "1"}, {999ms, &right, 429, "1"}, {1ms, &right, 200, ""},
        {0ms, &wrong, 403, "1"}, {1s, &wrong, 403, "2"},  {1s, &right, 429, "1"},    {1s, &right, 200, ""},
    };
    int index = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << index++);
        clock.advance(step.after);
        const auto result = client().Get("/files", *step.sent);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, step.status);
        EXPECT_EQ(result->get_header_value("Retry-After"), step.retryAfter);
        // Another client (::1 is counted apart from 127.0.0.1) is answered at once, whatever this one did.
        if (hasIPv6 && step.status == 429) {
            EXPECT_EQ(v6.Get("/files", right)->status, 200);
        }
    }
}

// A body of `size` bytes that repeats nowhere in a way a lost or doubled piece could hide.
std::string bodyOf(qint64 size)
{
    std::string body(size_t(size), '\0');
    quint32 state = 2463534242u;
    for (char& byte : body) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = char(state);
    }
    return body;
}

TEST_F(KVServerStarterTest, RawUploadsArriveWholeAndLeaveTheConnectionReadyForTheNextRequest)
{
    const qint64 mib = qint64(1) << 20;
    httplib::Client keptOpen = client();
    keptOpen.set_keep_alive(true);
    for (const qint64 size : {qint64(0), qint64(1), mib - 1, mib + 4097, 3 * mib + 7}) {
        SCOPED_TRACE(size);
        const std::string body = bodyOf(size);
        const auto result = keptOpen.Put(rawTarget("file", "whole.bin"), body, "application/octet-stream");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 200);
        EXPECT_EQ(result->body, "Name: file File name: whole.bin Size: " + std::to_string(size) + "<br>");
        EXPECT_TRUE(read(documents() + QStringLiteral("/whole.bin")) == QByteArray::fromStdString(body));
        const auto next = keptOpen.Get("/files");
        ASSERT_TRUE(next);
        EXPECT_EQ(next->body, "[{'name':'whole.bin', 'id':0}]");
    }
}

// A raw connection that announces `length` bytes and sends only `sent` of them.
int startUpload(int port, qint64 length, qint64 sent)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(socket);
        return -1;
    }
    const std::string head = "PUT /upload?name=cut.bin HTTP/1.1\r\nHost: device\r\nContent-Length: " + std::to_string(length) + "\r\n\r\n";
    const std::string body = head + bodyOf(sent);
    for (size_t done = 0; done < body.size();) {
        const ssize_t n = ::send(socket, body.data() + done, body.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        done += size_t(n);
    }
    return socket;
}

// Whether this process has a file open in `directory` (a temporary file has no name to look for).
bool fileOpenIn(const QString& directory)
{
    const QString inside = QFileInfo(directory).canonicalFilePath() + QLatin1Char('/');
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QString& entry : descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFile::symLinkTarget(descriptors.filePath(entry)).startsWith(inside))
            return true;
    }
    return false;
}

TEST_F(KVServerStarterTest, ARawUploadCutShortKeepsNothing)
{
    const qint64 mib = qint64(1) << 20;
    for (const bool stopped : {false, true}) {
        SCOPED_TRACE(stopped ? "the server stops" : "the sender goes away");
        ASSERT_TRUE(starter->startServerConnectionWith(0));
        write(documents() + QStringLiteral("/cut.bin"), "old");
        const int logged = loggedEvents(QStringLiteral("KVServerConnection")).filter(QStringLiteral("Upload cut short")).size();
        const int socket = startUpload(starter->getPortNumber(), 8 * mib, 3 * mib);
        ASSERT_GE(socket, 0);
        const auto cutShort = [&] {
            return loggedEvents(QStringLiteral("KVServerConnection")).filter(QStringLiteral("Upload cut short")).size() > logged;
        };
        if (stopped) {
            // Once the server is writing the file, it stops without waiting out the read time-out.
            QElapsedTimer timer;
            timer.start();
            while (!fileOpenIn(documents()) && timer.elapsed() < 5000)
                QThread::msleep(10);
            ASSERT_TRUE(fileOpenIn(documents()));
            timer.restart();
            starter->stopServerConnection();
            EXPECT_LT(timer.elapsed(), 5000);
        } else {
            ::shutdown(socket, SHUT_RDWR);
        }
        QElapsedTimer waited;
        waited.start();
        while (!cutShort() && waited.elapsed() < 10000)
            QThread::msleep(10);
        ::close(socket);
        EXPECT_TRUE(cutShort());
        EXPECT_EQ(read(documents() + QStringLiteral("/cut.bin")), "old");
        EXPECT_EQ(QDir(documents()).entryList({QStringLiteral("cut*")}, QDir::Files | QDir::Hidden), QStringList{QStringLiteral("cut.bin")});
    }
}

// A field of /proc/self/status ("VmRSS:", "VmHWM:") in KiB; -1 when it cannot be read.
qint64 statusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The streamed test file, made piece by piece: one pattern that repeats nowhere within a MiB, each
// MiB opening with its own number, so a piece lost, doubled or moved shows.
struct StreamedFile {
    static constexpr qint64 piece = qint64(1) << 20;
    StreamedFile()
        : pattern(bodyOf(piece))
    {
    }
    void fill(qint64 offset, char* out, qint64 length) const
    {
        for (qint64 done = 0; done < length;) {
            const qint64 at = offset + done;
            const qint64 n = std::min(length - done, piece - at % piece);
            std::memcpy(out + done, pattern.data() + at % piece, size_t(n));
            done += n;
        }
        // The first 8 bytes of every MiB hold its number.
        for (qint64 mib = offset / piece * piece; mib < offset + length; mib += piece) {
            const qint64 number = mib / piece;
            for (qint64 at = std::max(mib, offset); at < std::min(mib + 8, offset + length); ++at)
                out[at - offset] = reinterpret_cast<const char*>(&number)[at - mib];
        }
    }
    std::string pattern;
};

TEST_F(KVServerStarterTest, AGibibyteStreamsThroughWithoutGrowingTheServersMemory)
{
    const qint64 size = qint64(1) << 30;
    const qint64 piece = StreamedFile::piece;
    // The peak so far is forgotten (writing 5 resets VmHWM), so the peak read afterwards is this upload's.
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    ASSERT_TRUE(clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1) << "cannot reset the peak memory";
    clearRefs.close();
    const qint64 before = statusKiB("VmRSS:");
    ASSERT_GT(before, 0);

    const StreamedFile streamed;
    std::string chunk(size_t(piece), '\0');
    httplib::Client sender = client();
    const auto result = sender.Put(rawTarget("file", "big.bin"), size_t(size),
                                   [&](size_t offset, size_t length, httplib::DataSink& sink) {
                                       const qint64 n = std::min<qint64>(qint64(length), piece);
                                       streamed.fill(qint64(offset), chunk.data(), n);
                                       return sink.write(chunk.data(), size_t(n));
                                   },
                                   "application/octet-stream");
    const qint64 peak = statusKiB("VmHWM:");
    const QString stored = documents() + QStringLiteral("/big.bin");
    const auto removeStored = qScopeGuard([&] { QFile::remove(stored); });
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_LT(peak - before, 64 * 1024) << "grew from " << before << " KiB to a peak of " << peak << " KiB";

    // Whole, and in order: the first pieces (read by the library, then from the socket) and samples after.
    QFile file(stored);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), size);
    std::string expected(size_t(piece), '\0');
    for (const qint64 at : {qint64(0), piece, size / 2 + 12345, size - piece}) {
        ASSERT_TRUE(file.seek(at));
        streamed.fill(at, expected.data(), piece);
        EXPECT_TRUE(file.read(piece) == QByteArray::fromStdString(expected)) << "the MiB at " << at;
    }
}

TEST_F(KVServerStarterTest, StartsStopsAndReportsAPortInUse)
{
    const int port = starter->getPortNumber();
    EXPECT_GT(port, 0);
    EXPECT_TRUE(starter->isServerRunning());

    KVServerStarter second(documents(), sourceResources, sourceResources);
    EXPECT_FALSE(second.startServerConnectionWith(port));
    EXPECT_FALSE(second.isServerRunning());
    EXPECT_TRUE(loggedEvents(QStringLiteral("KVServerStarter")).contains(QStringLiteral("Server Not Statred There will be some Issue please check")));

    // IPv6 where the machine has it; the same server answers on IPv4.
    httplib::Client v6("::1", port);
    if (const auto result = v6.Get("/files")) {
        EXPECT_EQ(result->status, 200);
    }

    KVBrowserPrefSettings preferences = KVBrowserPrefSettings::init();
    preferences.port = 8080;
    EXPECT_EQ(starter->localServerAddress(preferences), std::nullopt) << "switched off";
    preferences.serverSwitchOnOFF = true;
    EXPECT_EQ(starter->localServerAddress(preferences), (LocalServerAddress{QStringLiteral("127.0.0.1"), port}));

    starter->stopServerConnection();
    EXPECT_EQ(starter->localServerAddress(preferences), (LocalServerAddress{QStringLiteral("127.0.0.1"), 8080}));
    EXPECT_FALSE(starter->isServerRunning());
    EXPECT_EQ(starter->getPortNumber(), 0);
    EXPECT_FALSE(httplib::Client("127.0.0.1", port).Get("/files"));
    ASSERT_TRUE(starter->startServerConnectionWith(port));
    EXPECT_EQ(client().Get("/files")->status, 200);
}

}  // namespace
}  // namespace korvel::test

#include "files/KVServerStarter.h"
#include "files/UploadAccessGate.h"
#include "log/KVLogger.h"
#include "platform/DeviceCertificate.h"
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
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <openssl/pem.h>

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
    // A form's part and the raw route: a refusal is a 403 that says what was refused.
    for (const bool raw : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.fileName) + (raw ? " raw" : " multipart"));
            if (!c.stored.isEmpty())
                QFile::remove(documents() + QLatin1Char('/') + c.stored);
            const auto result = raw ? rawUpload(c.part, c.fileName) : upload(c.part, c.fileName);
            ASSERT_TRUE(result);
            const bool refused = c.stored.isEmpty();
            EXPECT_EQ(result->status, refused ? 403 : 200);
            if (refused) {
                EXPECT_EQ(result->body.rfind(raw ? "Upload refused: " : (std::string("Refused: ") + c.fileName + " (").c_str(), 0), 0u) << result->body;
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
    write(documents() + QStringLiteral("/my file.txt"));
    write(documents() + QStringLiteral("/myfile.txt"));
    write(documents() + QStringLiteral("/sub/a.txt"));
    write(documents() + QStringLiteral("/korvelDatabase.db"));
    write(outside.filePath(QStringLiteral("target.txt")));
    QFile::link(outside.filePath(QStringLiteral("target.txt")), documents() + QStringLiteral("/link.txt"));
    struct Case {
        const char* target;
        const char* body;
        int status;
        const char* reply;
        QString gone;  // relative to the documents
    } const cases[] = {
        {"/Delete/", "", 400, "No File", {}},
        {"/Delete/", "my%20file.txt", 200, "file Delete Success", QStringLiteral("my file.txt")},
        {"/Delete/?name=sub/a.txt", "", 200, "file Delete Success", QStringLiteral("sub/a.txt")},
        {"/Delete/", "missing.txt", 404, "file Delete Failed No such file", {}},
        {"/Delete/", "../outside.txt", 403, "file Delete Failed dot segment in name", {}},
        {"/Delete/", "%2e%2e/x.txt", 403, "file Delete Failed dot segment in name", {}},
        {"/Delete/", "%2Fetc%2Fpasswd", 403, "file Delete Failed absolute path", {}},
        {"/Delete/", "a%00.txt", 403, "file Delete Failed control character or backslash in name", {}},
        {"/Delete/", "korvelDatabase.db", 403, "file Delete Failed the program's own file", {}},
        {"/Delete/", "link.txt", 200, "file Delete Success", QStringLiteral("link.txt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        const auto result = client().Delete(c.target, c.body, "text/plain");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, c.status);
        EXPECT_EQ(result->body, c.reply);
        if (!c.gone.isEmpty()) {
            EXPECT_FALSE(QFileInfo(documents() + QLatin1Char('/') + c.gone).isSymLink() || QFileInfo::exists(documents() + QLatin1Char('/') + c.gone));
        }
    }
    EXPECT_TRUE(QFileInfo::exists(documents() + QStringLiteral("/korvelDatabase.db")));
    EXPECT_TRUE(QFileInfo::exists(documents() + QStringLiteral("/myfile.txt"))) << "a name is taken as it is, spaces and all";
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
        {"document over loopback", [](auto& c, auto& h) { return c.Get("/Documents/a.txt", h); }, 200, true},
        {"file list", [](auto& c, auto& h) { return c.Get("/files", h); }, 200, true},
        {"multipart upload", [](auto& c, auto& h) { return c.Post("/upload", h, httplib::MultipartFormDataItems{{"file", "x", "up.txt", "text/plain"}}); }, 200, true},
        {"raw upload", [](auto& c, auto& h) { return c.Put(rawTarget("file", "up.txt"), h, "x", "application/octet-stream"); }, 200, true},
        {"delete", [](auto& c, auto& h) { return c.Delete("/Delete/", h, "gone.txt", "text/plain"); }, 200, true},
        {"unknown path", [](auto& c, auto& h) { return c.Get("/nowhere", h); }, 302, true},
    };
    write(documents() + QStringLiteral("/a.txt"));
    // Set on the running server, the code holds at once.
    for (const QString& code : {QString(), QStringLiteral("2468 ü")}) {
        starter->setAccessCode(code);
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
    // A new code holds at once too: the one that opened before is wrong now.
    starter->setAccessCode(QStringLiteral("8642"));
    EXPECT_EQ(client().Get("/files", right)->status, 403);
    clock.advance(UploadAccessGate::maxWait);
    starter->setAccessCode(QStringLiteral("2468 ü"));

    // The kiosk's own window reads the documents it shows with its key, over loopback only, and
    // nothing else with it.
    const httplib::Headers kiosk{{KVServerStarter::kioskKeyHeader, KVServerStarter::kioskKey().toStdString()}};
    EXPECT_EQ(client().Get("/Documents/a.txt", kiosk)->status, 200);
    EXPECT_EQ(client().Get("/files", kiosk)->status, 401);
    EXPECT_EQ(client().Delete("/Delete/", kiosk, "a.txt", "text/plain")->status, 401);
    const std::string network = networkAddressOfThisMachine();
    if (network.empty())
        GTEST_SKIP() << "no address but loopback on this machine";
    httplib::Client fromNetwork(network, starter->getPortNumber());
    EXPECT_EQ(fromNetwork.Get("/Documents/a.txt", kiosk)->status, 401);
    EXPECT_EQ(fromNetwork.Get("/Documents/a.txt", right)->status, 200);
}

TEST_F(KVServerStarterTest, WrongCodesSlowTheirSenderDownAndNoOneElse)
{
    starter->setAccessCode(QStringLiteral("2468"));
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

// Both routes, one after the other on one kept-open connection.
TEST_F(KVServerStarterTest, UploadsArriveWholeAndLeaveTheConnectionReadyForTheNextRequest)
{
    const qint64 mib = qint64(1) << 20;
    // Data that holds the beginnings of a boundary, next to data that repeats nowhere.
    const std::string tricky = "\r\n--\r\n-\r\n--" + std::string(70, '-') + "\r\n";
    httplib::Client keptOpen = client();
    keptOpen.set_keep_alive(true);
    for (const qint64 size : {qint64(0), qint64(1), qint64(16 * 1024 - 3), mib - 1, mib + 4097, 3 * mib + 7}) {
        SCOPED_TRACE(size);
        const std::string body = bodyOf(size);
        const auto raw = keptOpen.Put(rawTarget("file", "whole.bin"), body, "application/octet-stream");
        ASSERT_TRUE(raw);
        EXPECT_EQ(raw->status, 200);
        EXPECT_EQ(raw->body, "Name: file File name: whole.bin Size: " + std::to_string(size) + "<br>");
        EXPECT_TRUE(read(documents() + QStringLiteral("/whole.bin")) == QByteArray::fromStdString(body));

        const std::string second = tricky + bodyOf(size / 2 + 1) + tricky;
        const auto multipart = keptOpen.Post("/upload", httplib::MultipartFormDataItems{{"note", "not a file", "", ""},
                                                                                       {"file", body, "first.bin", "application/octet-stream"},
                                                                                       {"addfolder", second, "in/second.bin", "text/plain"}});
        ASSERT_TRUE(multipart);
        EXPECT_EQ(multipart->status, 200);
        EXPECT_EQ(multipart->body, "Name: file File name: first.bin Size: " + std::to_string(size) + "<br>Name: addfolder File name: in/second.bin Size: "
                                       + std::to_string(second.size()) + "<br>");
        EXPECT_TRUE(read(documents() + QStringLiteral("/first.bin")) == QByteArray::fromStdString(body));
        EXPECT_TRUE(read(documents() + QStringLiteral("/in/second.bin")) == QByteArray::fromStdString(second));
        const auto next = keptOpen.Get("/files");
        ASSERT_TRUE(next);
        EXPECT_EQ(next->body, "[{'name':'first.bin', 'id':0},{'name':'in/second.bin', 'id':1},{'name':'whole.bin', 'id':2}]");
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
    const std::string head = "PUT /upload?name=cut.bin HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: " + std::to_string(length) + "\r\n\r\n";
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

// A connection from `from` (a loopback address of the test's choice) that has sent `text`; -1 when
// it could not be made.
int connectFrom(const char* from, int port, const std::string& text)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, from, &local.sin_addr);
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(quint16(port));
    server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0
        || ::connect(socket, reinterpret_cast<const sockaddr*>(&server), sizeof(server)) != 0
        || ::send(socket, text.data(), text.size(), MSG_NOSIGNAL) != ssize_t(text.size())) {
        ::close(socket);
        return -1;
    }
    return socket;
}

// What the server sends on `socket` until it closes it or `waitMs` pass.
std::string answerOn(int socket, int waitMs)
{
    std::string answer;
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        pollfd readable{socket, POLLIN, 0};
        const int left = waitMs - int(timer.elapsed());
        if (left <= 0 || poll(&readable, 1, left) <= 0)
            return answer;
        char buffer[4096];
        const ssize_t n = ::recv(socket, buffer, sizeof(buffer), 0);
        if (n <= 0)
            return answer + "<closed>";
        answer.append(buffer, size_t(n));
    }
}

TEST_F(KVServerStarterTest, AnswersOnlyToTheDevicesOwnNamesAndAddresses)
{
    char name[256] = {};
    gethostname(name, sizeof(name) - 1);
    const std::string host = QString::fromLocal8Bit(name).toLower().toStdString();
    const std::string port = std::to_string(starter->getPortNumber());
    const struct {
        std::string host;  // empty: no Host header at all
        int status;
    } cases[] = {
        {"127.0.0.1:" + port, 200},
        {"127.0.0.1", 200},
        {"LOCALHOST:" + port, 200},
        {host, 200},
        {host + ".local:" + port, 200},
        {"rebound.example:" + port, 421},
        {"127.0.0.1.rebound.example", 421},
        {"127.0.0.2:" + port, 421},  // a loopback address the device does not hold
        {"[::ffff:127.0.0.1]:" + port, 200},
        {"127.0.0.1:port", 421},
        {"", 400},
    };
    for (const auto& c : cases) {
        const std::string head = c.host.empty() ? std::string() : "Host: " + c.host + "\r\n";
        const int socket = connectFrom("127.0.0.1", starter->getPortNumber(), "GET /upload HTTP/1.1\r\n" + head + "Connection: close\r\n\r\n");
        ASSERT_GE(socket, 0);
        const std::string answer = answerOn(socket, 5000);
        ::close(socket);
        EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 " + std::to_string(c.status)) << "Host: " << c.host;
    }
    EXPECT_EQ(loggedEvents(QStringLiteral("KVServerConnection")).filter(QStringLiteral("Refused a request for another host name")).size(), 4);
}

TEST_F(KVServerStarterTest, WhatOthersFetchIsAFileNeverAPageOfThisOrigin)
{
    write(documents() + QStringLiteral("/page.html"), "<script>fetch('/files')</script>");
    const httplib::Headers kiosk{{KVServerStarter::kioskKeyHeader, KVServerStarter::kioskKey().toStdString()}};
    const httplib::Headers foreign{{"Origin", "http://elsewhere.example"}};
    const struct {
        const char* name;
        const char* path;
        const httplib::Headers* headers;
        const char* disposition;
        const char* policy;  // a text the Content-Security-Policy holds; "" for none
    } cases[] = {
        {"a document for another browser", "/Documents/page.html", &foreign, "attachment", "sandbox"},
        {"a document for the kiosk's own window", "/Documents/page.html", &kiosk, "", ""},
        {"the upload page", "/upload", &foreign, "", "frame-ancestors 'none'"},
        {"the file list", "/files", &foreign, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = client().Get(c.path, *c.headers);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 200);
        EXPECT_EQ(result->get_header_value("X-Content-Type-Options"), "nosniff");
        EXPECT_EQ(result->get_header_value("Content-Disposition"), c.disposition);
        EXPECT_NE(result->get_header_value("Content-Security-Policy").find(c.policy), std::string::npos);
        EXPECT_FALSE(result->has_header("Access-Control-Allow-Origin")) << "no other site reads what is served here";
    }
}

// A multipart upload from a sender whose pieces arrive a few bytes at a time: boundaries, heads and data
// split anywhere between what the server finds on the socket.
TEST_F(KVServerStarterTest, MultipartUploadsArriveWholeInPiecesOfAnySize)
{
    const std::string first = "\r\n--Xy" + bodyOf(20000) + "\r\n--X";
    const std::string second = bodyOf(3000);
    const std::string body = "--XyZ\r\nContent-Disposition: form-data; name=\"file\"; filename=\"a.bin\"\r\n\r\n" + first
                             + "\r\n--XyZ\r\nContent-Disposition: form-data; name=\"file\"; filename=\"b.bin\"\r\n\r\n" + second + "\r\n--XyZ--\r\n";
    const std::string head = "POST /upload HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\nContent-Type: multipart/form-data; boundary=XyZ\r\n"
                             "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    const int socket = connectFrom("127.0.0.1", starter->getPortNumber(), head);
    ASSERT_GE(socket, 0);
    const int yes = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof(yes));
    for (size_t at = 0, piece = 1; at < body.size(); at += piece, piece = piece % 61 + 1) {
        const std::string bytes = body.substr(at, piece);
        ASSERT_EQ(::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
        if (at % 7 == 0)
            QThread::usleep(50);
    }
    const std::string answer = answerOn(socket, 10000);
    ::close(socket);
    EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 200") << answer;
    EXPECT_TRUE(read(documents() + QStringLiteral("/a.bin")) == QByteArray::fromStdString(first));
    EXPECT_TRUE(read(documents() + QStringLiteral("/b.bin")) == QByteArray::fromStdString(second));
}

TEST_F(KVServerStarterTest, SlowSendersHoldNoOneElseUp)
{
    ConnectionLimits limits;
    limits.head = std::chrono::milliseconds(1500);
    starter->setConnectionLimits(limits);
    ASSERT_TRUE(starter->startServerConnectionWith(0));
    const int port = starter->getPortNumber();
    const std::string unfinished = "GET /files HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Slow: ";
    // Fifty devices each hold a connection with a request that never ends; one device tries twenty.
    std::vector<int> slow;
    for (int i = 0; i < 50; ++i)
        slow.push_back(connectFrom(("127.0.0." + std::to_string(10 + i)).c_str(), port, unfinished));
    std::vector<int> greedy;
    for (int i = 0; i < 20; ++i)
        greedy.push_back(connectFrom("127.0.0.200", port, unfinished));
    const auto closeAll = qScopeGuard([&] {
        for (const int socket : slow)
            ::close(socket);
        for (const int socket : greedy)
            ::close(socket);
    });
    ASSERT_TRUE(std::all_of(slow.begin(), slow.end(), [](int s) { return s >= 0; }));
    ASSERT_TRUE(std::all_of(greedy.begin(), greedy.end(), [](int s) { return s >= 0; }));

    QElapsedTimer timer;
    timer.start();
    const auto answered = client().Get("/files");
    ASSERT_TRUE(answered);
    EXPECT_EQ(answered->status, 200);
    EXPECT_LT(timer.elapsed(), 1000) << "a normal request is answered while the slow ones wait";

    int refused = 0;
    for (const int socket : greedy)
        refused += answerOn(socket, 1000).rfind("HTTP/1.1 503", 0) == 0;
    EXPECT_EQ(refused, 20 - limits.connectionsPerClient);
    EXPECT_EQ(loggedEvents(QStringLiteral("KVServerConnection")).filter(QStringLiteral("Too many connections, refused: 127.0.0.200")).size(), 1);
    // A head that does not arrive whole in time ends its connection.
    for (const int socket : slow)
        EXPECT_NE(answerOn(socket, 4000).find("<closed>"), std::string::npos);
}

TEST_F(KVServerStarterTest, HttpsWithTheDevicesOwnCertificate)
{
    starter->setTls(true);
    ASSERT_TRUE(starter->startServerConnectionWith(0));
    EXPECT_TRUE(starter->isServingTls());
    const int port = starter->getPortNumber();
    struct stat key {};
    ASSERT_EQ(::stat(QFile::encodeName(DeviceCertificate::keyFile()).constData(), &key), 0);
    EXPECT_EQ(key.st_mode & 0777, 0600u);
    QString error;
    const auto identity = DeviceCertificate::loadOrCreate(&error);
    ASSERT_TRUE(identity) << qPrintable(error);
    EXPECT_EQ(identity->fingerprint.size(), 95) << "32 bytes as AB:CD:...";

    // A phone that trusts exactly this certificate reaches the device; the body goes through TLS.
    httplib::SSLClient phone("127.0.0.1", port);
    X509_STORE* trusted = X509_STORE_new();
    BIO* pem = BIO_new_mem_buf(identity->certificatePem.constData(), int(identity->certificatePem.size()));
    X509* certificate = PEM_read_bio_X509(pem, nullptr, nullptr, nullptr);
    X509_STORE_add_cert(trusted, certificate);
    X509_free(certificate);
    BIO_free(pem);
    phone.set_ca_cert_store(trusted);
    phone.enable_server_certificate_verification(true);
    const auto page = phone.Get("/upload");
    ASSERT_TRUE(page) << httplib::to_string(page.error());
    EXPECT_EQ(page->status, 200);
    const std::string body = bodyOf((qint64(3) << 20) + 5);
    const auto stored = phone.Put(rawTarget("file", "secure.bin"), body, "application/octet-stream");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->status, 200);
    EXPECT_TRUE(read(documents() + QStringLiteral("/secure.bin")) == QByteArray::fromStdString(body));
    EXPECT_EQ(phone.Post("/upload", httplib::MultipartFormDataItems{{"file", "hi", "form.txt", "text/plain"}})->status, 200);
    EXPECT_EQ(read(documents() + QStringLiteral("/form.txt")), "hi");

    // The kiosk's own window stays on plain HTTP over loopback.
    EXPECT_EQ(client().Get("/upload")->status, 200);
    // The same pair at the next start: a phone that checked the fingerprint once need not again.
    ASSERT_TRUE(starter->startServerConnectionWith(port));
    EXPECT_EQ(DeviceCertificate::loadOrCreate(&error)->fingerprint, identity->fingerprint);

    const std::string network = networkAddressOfThisMachine();
    if (network.empty())
        GTEST_SKIP() << "no address but loopback on this machine";
    const auto plain = httplib::Client(network, port).Get("/files");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->status, 301);
    EXPECT_EQ(plain->get_header_value("Location"), "https://" + network + ":" + std::to_string(port) + "/upload");
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

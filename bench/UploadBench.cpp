// One run: a 1 GiB file uploaded through the upload server by both routes (curl as the phone, the
// server in this process) against cp (and sync) of the same file on the same disk, with the server's
// peak memory. For reference, the same uploads into two bare receivers that parse nothing: one drops
// the bytes (what curl and loopback TCP allow on this machine) and one moves them into a file and
// syncs it (what any server that stores them needs at least).
#include "bench/ProcessMemory.h"
#include "files/KVServerStarter.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

// CPU seconds spent so far by this process (the server) or by its finished children (curl, cp).
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double run(const QString& program, const QStringList& arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), process.readAllStandardError().constData());
    return timer.nsecsElapsed() / 1e9;
}

// One HTTP request received on a loopback port without any parsing but the length: its body dropped,
// or spliced into `file` (handed to the disk every 8 MiB, synced at the end), then a 200.
class BareReceiver {
public:
    explicit BareReceiver(QString file)
        : m_file(std::move(file))
    {
        m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        if (bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(m_listener, 1) != 0
            || getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~BareReceiver()
    {
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_listener);
    }
    int port() const { return m_port; }

private:
    void serve()
    {
        const int connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        std::string head;
        char buffer[1 << 16];
        size_t headEnd = std::string::npos;
        while (headEnd == std::string::npos) {
            const ssize_t n = recv(connection, buffer, sizeof(buffer), MSG_PEEK);
            if (n <= 0)
                return;
            const size_t before = head.size();
            head.append(buffer, size_t(n));
            headEnd = head.find("\r\n\r\n");
            const size_t take = headEnd == std::string::npos ? size_t(n) : headEnd + 4 - before;
            recv(connection, buffer, take, 0);
        }
        const auto header = [&head](const char* name) {
            const size_t at = QByteArray::fromStdString(head).toLower().indexOf(name);
            return at == size_t(-1) ? std::string() : head.substr(at + std::strlen(name), head.find("\r\n", at) - at - std::strlen(name));
        };
        if (header("expect:").find("100") != std::string::npos)
            send(connection, "HTTP/1.1 100 Continue\r\n\r\n", 25, MSG_NOSIGNAL);
        qint64 left = std::stoll("0" + header("content-length:").substr(1));
        if (m_file.isEmpty()) {
            std::unique_ptr<char[]> sink(new char[1 << 20]);
            for (ssize_t n = 1; left > 0 && n > 0; left -= n)
                n = recv(connection, sink.get(), size_t(std::min<qint64>(left, 1 << 20)), 0);
        } else {
            const int file = ::open(QFile::encodeName(m_file).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
            int pipe[2];
            if (pipe2(pipe, O_CLOEXEC) != 0)
                return;
            fcntl(pipe[1], F_SETPIPE_SZ, 1 << 20);
            qint64 written = 0;
            qint64 handed = 0;
            for (ssize_t n = 1; left > 0 && n > 0; left -= n) {
                n = splice(connection, nullptr, pipe[1], nullptr, size_t(std::min<qint64>(left, 1 << 20)), SPLICE_F_MOVE);
                for (ssize_t inPipe = n, put = 1; inPipe > 0 && put > 0; inPipe -= put)
                    put = splice(pipe[0], nullptr, file, nullptr, size_t(inPipe), SPLICE_F_MOVE);
                written += std::max<ssize_t>(n, 0);
                if (written - handed >= (8 << 20)) {
                    sync_file_range(file, handed, written - handed, SYNC_FILE_RANGE_WRITE);
                    handed = written;
                }
            }
            fsync(file);
            ::close(file);
            ::close(pipe[0]);
            ::close(pipe[1]);
        }
        const char reply[] = "HTTP/1.1 200 OK\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
        send(connection, reply, sizeof(reply) - 1, MSG_NOSIGNAL);
        ::close(connection);
    }

    const QString m_file;
    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const qint64 size = qint64(1) << 30;
    QTemporaryDir dir;
    const QString documents = dir.path() + QStringLiteral("/Documents");
    QDir().mkpath(documents);
    const QString source = dir.path() + QStringLiteral("/big.bin");
    {
        QFile file(source);
        file.open(QIODevice::WriteOnly);
        QByteArray chunk(1 << 20, '\0');
        for (int i = 0; i < chunk.size(); ++i)
            chunk[i] = char((i * 131) ^ (i >> 7));
        for (qint64 written = 0; written < size; written += chunk.size())
            file.write(chunk);
    }
    run(QStringLiteral("sync"), {});
    // Every contender starts after the same step, a 1 GiB file of this disk removed and synced (the
    // first writes after it pay for the freed blocks), then a pause: a virtual machine that reports
    // free memory to its host does so a moment after it was freed, and memory handed back costs a
    // fault on the host at its next use; without the pause a contender's copy into the page cache
    // costs more or less depending on how soon it follows the last removal. First a copy made
    // only for that.
    const auto settle = [](const QString& removed) {
        QFile::remove(removed);
        run(QStringLiteral("sync"), {});
        std::this_thread::sleep_for(std::chrono::seconds(4));
    };
    const QString copyTarget = dir.path() + QStringLiteral("/copy.bin");
    run(QStringLiteral("cp"), {source, copyTarget});
    settle(copyTarget);
    // The server's file reaches the disk before it counts as stored (QSaveFile syncs it), so the
    // copy is synced too; cp alone stops at the page cache.
    const double copyOnly = run(QStringLiteral("cp"), {source, copyTarget});
    const double copy = copyOnly + run(QStringLiteral("sync"), {copyTarget});
    settle(copyTarget);

    korvel::KVServerStarter server(documents, korvel::Paths::resourceFile(QStringLiteral("upload")),
                                   korvel::Paths::resourceFile(QStringLiteral("korvel_error.html")));
    if (!server.startServerConnectionWith(0)) {
        std::fprintf(stderr, "the server did not start\n");
        return 1;
    }
    const qint64 before = korvel::bench::statusKiB("VmRSS:");
    const QString base = QStringLiteral("http://127.0.0.1:%1/upload").arg(server.getPortNumber());
    const QString stored = documents + QStringLiteral("/big.bin");
    // The upload page's own route (the file as the body, PUT) and the multipart form other clients post.
    const struct {
        const char* name;
        QStringList arguments;
    } routes[] = {
        {"raw body (PUT)", {QStringLiteral("-T"), source, base + QStringLiteral("?name=big.bin")}},
        {"multipart (POST)", {QStringLiteral("-F"), QStringLiteral("file=@") + source, base}},
    };
    std::printf("file: %lld MiB\n", size >> 20);
    std::printf("cp:     %.2f s to the page cache, %.2f s with its sync (%.0f MiB/s)\n", copyOnly, copy, (size >> 20) / copy);
    const auto upload = [&](const char* receiver, const char* route, const QStringList& arguments) {
        const double serverBefore = cpuSeconds(RUSAGE_SELF);
        const double curlBefore = cpuSeconds(RUSAGE_CHILDREN);
        const double seconds = run(QStringLiteral("curl"), QStringList{QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null")} + arguments);
        std::printf("%-22s %-17s %.2f s (%4.0f MiB/s), %3.0f %% of cp's throughput; CPU: receiver %.2f s, curl %.2f s", receiver, route, seconds,
                    (size >> 20) / seconds, 100.0 * copy / seconds, cpuSeconds(RUSAGE_SELF) - serverBefore, cpuSeconds(RUSAGE_CHILDREN) - curlBefore);
    };
    bool allStored = true;
    for (const auto& route : routes) {
        upload("upload server,", route.name, route.arguments);
        const qint64 storedSize = QFileInfo(stored).size();
        allStored = allStored && storedSize == size;
        std::printf("; stored %lld MiB\n", storedSize >> 20);
        settle(stored);
    }
    const qint64 peak = korvel::bench::statusKiB("VmHWM:");
    server.stopServerConnection();
    std::printf("server memory: %lld MiB before, peak %lld MiB (growth at most %lld MiB)\n", before >> 10, peak >> 10,
                (peak - before) >> 10);
    // The reference receivers, after the server's memory was read.
    const QString bare = dir.path() + QStringLiteral("/bare.bin");
    for (const QString& file : {QString(), bare}) {
        for (const bool multipart : {false, true}) {
            const BareReceiver receiver(file);
            const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(receiver.port());
            upload(file.isEmpty() ? "bare, bytes dropped," : "bare, file and sync,", multipart ? "multipart (POST)" : "raw body (PUT)",
                   multipart ? QStringList{QStringLiteral("-F"), QStringLiteral("file=@") + source, url} : QStringList{QStringLiteral("-T"), source, url});
            std::printf("\n");
            settle(bare);
        }
    }
    return allStored ? 0 : 1;
}

// One run: a 1 GiB file uploaded through the upload server by both routes (curl as the phone, the
// server in this process) against cp (and sync) of the same file on the same disk, with the server's
// peak memory.
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

#include <sys/resource.h>

#include <cstdio>

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
    // first writes after it pay for the freed blocks): here a copy made only for that.
    const QString copyTarget = dir.path() + QStringLiteral("/copy.bin");
    run(QStringLiteral("cp"), {source, copyTarget});
    QFile::remove(copyTarget);
    run(QStringLiteral("sync"), {});
    // The server's file reaches the disk before it counts as stored (QSaveFile syncs it), so the
    // copy is synced too; cp alone stops at the page cache.
    const double copyOnly = run(QStringLiteral("cp"), {source, copyTarget});
    const double copy = copyOnly + run(QStringLiteral("sync"), {copyTarget});
    QFile::remove(copyTarget);
    run(QStringLiteral("sync"), {});

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
    bool allStored = true;
    for (const auto& route : routes) {
        const double serverBefore = cpuSeconds(RUSAGE_SELF);
        const double curlBefore = cpuSeconds(RUSAGE_CHILDREN);
        const double upload = run(QStringLiteral("curl"), QStringList{QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null")}
                                                              + route.arguments);
        const qint64 storedSize = QFileInfo(stored).size();
        allStored = allStored && storedSize == size;
        std::printf("upload, %-17s %.2f s (%.0f MiB/s), %.0f %% of cp's throughput; stored %lld MiB; CPU: server %.2f s, curl %.2f s\n",
                    route.name, upload, (size >> 20) / upload, 100.0 * copy / upload, storedSize >> 20, cpuSeconds(RUSAGE_SELF) - serverBefore,
                    cpuSeconds(RUSAGE_CHILDREN) - curlBefore);
        QFile::remove(stored);
        run(QStringLiteral("sync"), {});
    }
    const qint64 peak = korvel::bench::statusKiB("VmHWM:");
    server.stopServerConnection();
    std::printf("server memory: %lld MiB before, peak %lld MiB (growth at most %lld MiB)\n", before >> 10, peak >> 10,
                (peak - before) >> 10);
    return allStored ? 0 : 1;
}

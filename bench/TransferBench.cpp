// Import of a settings document with 10,000 allowed websites and 50 MB of embedded files (50 files
// of 1 MiB), from a file of Documents, through the same operation the screen and korvelctl use.
// Targets: under 3 s, and a peak memory growth under 3 times the document's size.
#include "bench/ProcessMemory.h"
#include "log/KVLogger.h"
#include "platform/Paths.h"
#include "transfer/ImportExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int websiteCount = 10000;
constexpr int fileCount = 50;
constexpr qsizetype fileSize = qsizetype(1) << 20;

// Written piece by piece, so that making the document does not set the memory peak.
qint64 writeDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
               "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n<dict>\n"
               "\t<key>AllowedWebsites</key>\n\t<array>\n");
    for (int i = 0; i < websiteCount; ++i) {
        file.write(QStringLiteral("\t\t<dict><key>URL</key><string>https://site%1.example.com/start?id=%1</string>"
                                  "<key>Title</key><string>Site %1</string><key>IconPath</key><string>icons/site%2.png</string>"
                                  "<key>AllowedWebsiteId</key><integer>%1</integer><key>CategoryId</key><integer>%3</integer>"
                                  "<key>AllowSubDomain</key><true/></dict>\n")
                       .arg(i)
                       .arg(i % fileCount)
                       .arg(i % 10)
                       .toUtf8());
    }
    file.write("\t</array>\n\t<key>BrowserPreferences</key>\n\t<dict><key>Port</key><integer>8080</integer></dict>\n"
               "\t<key>Files</key>\n\t<array>\n");
    QByteArray bytes(fileSize, Qt::Uninitialized);
    for (int f = 0; f < fileCount; ++f) {
        for (qsizetype b = 0; b < bytes.size(); ++b)
            bytes[b] = char((b * 31 + f) & 0xff);
        const QByteArray encoded = bytes.toBase64();
        file.write(QStringLiteral("\t\t<dict><key>FileName</key><string>icons/site%1.png</string><key>FileData</key><string>").arg(f).toUtf8());
        for (qsizetype i = 0; i < encoded.size(); i += 64) {
            if (i > 0)
                file.write("\r\n");
            file.write(encoded.constData() + i, std::min<qsizetype>(64, encoded.size() - i));
        }
        file.write("</string></dict>\n");
    }
    file.write("\t</array>\n</dict>\n</plist>\n");
    return file.size();
}

void BM_ImportLargeDocument(benchmark::State& state)
{
    QTemporaryDir home;
    korvel::Paths::setHome(home.path());
    korvel::KVLogger::createDatabase_Tables();
    const qint64 documentBytes = writeDocument(korvel::Paths::documentsDirectory() + QStringLiteral("/Large.plist"));
    if (documentBytes <= 0) {
        state.SkipWithError("the document could not be written");
        return;
    }
    double growthMiB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        korvel::bench::resetPeak();
        const qint64 before = korvel::bench::statusKiB("VmRSS:");
        state.ResumeTiming();
        const korvel::TransferResult result = korvel::ImportExport::importFromFile(QStringLiteral("Large.plist"));
        state.PauseTiming();
        if (!result.ok)
            state.SkipWithError(qPrintable(result.alert.message));
        growthMiB = std::max(growthMiB, (korvel::bench::statusKiB("VmHWM:") - before) / 1024.0);
        state.ResumeTiming();
    }
    state.counters["document_MiB"] = documentBytes / 1048576.0;
    state.counters["peak_growth_MiB"] = growthMiB;
    state.counters["peak_per_document"] = growthMiB / (documentBytes / 1048576.0);
    korvel::KVLogger::closeSharedLogger();
    korvel::Paths::setHome(QString());
}
BENCHMARK(BM_ImportLargeDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Save and load of a settings store that holds 100,000 allowed websites: the largest policy a
// fleet administrator is expected to push. Targets: save + load under 1.5 s together, and a peak
// resident size under 150 MiB for the whole program (records, store and file included).
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

using korvel::KVSettings;

constexpr int websiteCount = 100000;

void fill(KVSettings& settings)
{
    settings.allowedWebsites.clear();
    settings.allowedWebsites.reserve(websiteCount);
    for (int i = 0; i < websiteCount; ++i) {
        settings.allowedWebsites.append(korvel::allowedWebsite::initWithParams(
            QStringLiteral("https://site%1.example.com/start/page?id=%1").arg(i), i == 0, false, i % 3 == 0,
            QStringLiteral("Site %1").arg(i), false, QStringLiteral("icons/site%1.png").arg(i), i % 2 == 0,
            korvel::WebsiteProtocol::Https, false, korvel::Frame{double(i % 7), 10, 96, 96}, korvel::Frame{}, i % 10,
            i, false));
    }
}

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

struct Store {
    QTemporaryDir home;
    Store()
    {
        korvel::Paths::setHome(home.path());
        KVSettings::resetSettingsObject();
        korvel::UserDefaults::resetStandard();
    }
    ~Store()
    {
        KVSettings::resetSettingsObject();
        korvel::UserDefaults::resetStandard();
    }
};

void BM_Save(benchmark::State& state)
{
    Store store;
    KVSettings& settings = KVSettings::getSettingsObject();
    fill(settings);
    for (auto _ : state) {
        // A change, as an edit makes one: a save of unchanged settings writes nothing.
        ++settings.kvBrowPref.idleTimeout;
        benchmark::DoNotOptimize(settings.save());
    }
    state.counters["peak_MiB"] = peakMemoryMiB();
}

void BM_Load(benchmark::State& state)
{
    Store store;
    fill(KVSettings::getSettingsObject());
    KVSettings::getSettingsObject().save();
    for (auto _ : state) {
        // A restart: the store is read from the file again and the container built from it. Freeing
        // the previous process's objects is not part of a start, so it is not timed.
        state.PauseTiming();
        KVSettings::resetSettingsObject();
        korvel::UserDefaults::resetStandard();
        state.ResumeTiming();
        KVSettings& settings = KVSettings::getSettingsObject();
        if (settings.allowedWebsites.size() != websiteCount)
            state.SkipWithError("lost websites");
    }
    state.counters["peak_MiB"] = peakMemoryMiB();
}

void BM_SaveThenLoad(benchmark::State& state)
{
    Store store;
    fill(KVSettings::getSettingsObject());
    for (auto _ : state) {
        ++KVSettings::getSettingsObject().kvBrowPref.idleTimeout;
        KVSettings::getSettingsObject().save();
        state.PauseTiming();
        KVSettings::resetSettingsObject();
        korvel::UserDefaults::resetStandard();
        state.ResumeTiming();
        KVSettings::getSettingsObject();
    }
    state.counters["peak_MiB"] = peakMemoryMiB();
}

BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveThenLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

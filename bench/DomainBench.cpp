// Root-domain lookup of 100,000 hosts made from the frozen Public Suffix List itself, by TLDParser
// and by libpsl on the same hosts. Target: TLDParser at least as fast as libpsl's
// psl_registrable_domain.
#include "platform/Paths.h"
#include "policy/DomainHelper.h"
#include "policy/TLDExtract.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <benchmark/benchmark.h>
#include <libpsl.h>

#include <chrono>
#include <cstdio>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

using korvel::TLDExtract;

constexpr int hostCount = 100000;

QString listPath() { return TLDExtract::resourcePath(true); }

// splitmix64: the same hosts on every machine and every run.
struct Random {
    quint64 state = 0x4b6f7276656c2021ull;
    quint64 next()
    {
        quint64 z = (state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    int below(int bound) { return int(next() % quint64(bound)); }
};

struct Hosts {
    std::vector<QString> texts;      // for TLDParser
    std::vector<QByteArray> utf8;    // the same hosts for libpsl
    std::map<std::string, int> mix;  // kind -> count, printed once
};

// Sub-domains over normal (55 %), wildcard (15 %) and exception (5 %) rules, and hosts under
// suffixes the list does not know (25 %). ASCII rules only: libpsl converts other hosts to punycode
// first, which would time the conversion rather than the lookup.
const Hosts& hosts()
{
    static const Hosts generated = [] {
        QFile file(listPath());
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(listPath()));
        QStringList normals, wildcards, exceptions;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (line.isEmpty() || line.startsWith(QLatin1String("//")))
                continue;
            bool ascii = true;
            for (QChar c : line)
                ascii = ascii && c.unicode() < 0x80;
            if (!ascii)
                continue;
            if (line.contains(QLatin1Char('*')))
                wildcards << line;
            else if (line.startsWith(QLatin1Char('!')))
                exceptions << line.mid(1);
            else
                normals << line;
        }

        const QStringList words = {QStringLiteral("www"),  QStringLiteral("shop"), QStringLiteral("mail"),
                                   QStringLiteral("cdn"),  QStringLiteral("api"),  QStringLiteral("static"),
                                   QStringLiteral("eu"),   QStringLiteral("intranet"), QStringLiteral("m"),
                                   QStringLiteral("login")};
        const QStringList unknown = {QStringLiteral("internal"), QStringLiteral("local"), QStringLiteral("lan"),
                                     QStringLiteral("corp"), QStringLiteral("test"), QStringLiteral("example"),
                                     QStringLiteral("invalid"), QStringLiteral("home")};
        Random random;
        const auto label = [&] {
            if (random.below(3) == 0)
                return QStringLiteral("s%1").arg(random.below(100000));
            return words.at(random.below(words.size()));
        };
        const auto front = [&](int most) {
            QString text;
            for (int i = random.below(most) + 1; i > 0; --i)
                text += label() + QLatin1Char('.');
            return text;
        };

        Hosts made;
        made.texts.reserve(hostCount);
        made.utf8.reserve(hostCount);
        for (int i = 0; i < hostCount; ++i) {
            const int pick = random.below(100);
            QString host;
            if (pick < 55) {
                host = front(3) + normals.at(random.below(normals.size()));
                ++made.mix["normal"];
            } else if (pick < 70) {
                host = front(2) + QString(wildcards.at(random.below(wildcards.size())))
                                      .replace(QLatin1String("*"), label());
                ++made.mix["wildcard"];
            } else if (pick < 75) {
                host = front(2) + exceptions.at(random.below(exceptions.size()));
                ++made.mix["exception"];
            } else {
                host = front(3) + label() + QLatin1Char('.') + unknown.at(random.below(unknown.size()));
                ++made.mix["unknown suffix"];
            }
            made.utf8.push_back(host.toUtf8());
            made.texts.push_back(std::move(host));
        }
        return made;
    }();
    return generated;
}

// Best time per host of each lookup, for the comparison printed at the end.
std::map<std::string, double>& bestNanosecondsPerHost()
{
    static std::map<std::string, double> best;
    return best;
}

template <typename Lookup>
void timeLookups(benchmark::State& state, const std::string& name, Lookup lookup)
{
    const Hosts& input = hosts();
    double best = std::numeric_limits<double>::max();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        int rooted = 0;
        for (size_t i = 0; i < input.texts.size(); ++i)
            rooted += lookup(i) ? 1 : 0;
        const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / double(input.texts.size()));
        benchmark::DoNotOptimize(rooted);
    }
    bestNanosecondsPerHost()[name] = best;
    state.counters["ns_per_host"] = best;
}

void BM_TLDParser(benchmark::State& state)
{
    const TLDExtract& extract = [] () -> const TLDExtract& {
        static const korvel::TLDExtractCreation created = TLDExtract::create(true);
        if (!created.ok())
            qFatal("frozen list unreadable");
        return *created.extract;
    }();
    const korvel::TLDParser& parser = extract.tldParser();
    const std::vector<QString>& texts = hosts().texts;
    timeLookups(state, "TLDParser", [&](size_t i) {
        const std::optional<korvel::TLDResult> result = parser.parse(texts[i], false);
        return result && result->rootDomain;
    });
}

void BM_LibpslLoadedFile(benchmark::State& state)
{
    psl_ctx_t* psl = psl_load_file(listPath().toLocal8Bit().constData());
    if (!psl) {
        state.SkipWithError("psl_load_file failed");
        return;
    }
    const std::vector<QByteArray>& utf8 = hosts().utf8;
    timeLookups(state, "libpsl (psl_load_file)",
                [&](size_t i) { return psl_registrable_domain(psl, utf8[i].constData()) != nullptr; });
    psl_free(psl);
}

void BM_LibpslBuiltin(benchmark::State& state)
{
    const psl_ctx_t* psl = psl_builtin();
    if (!psl) {
        state.SkipWithError("libpsl has no built-in list");
        return;
    }
    const std::vector<QByteArray>& utf8 = hosts().utf8;
    timeLookups(state, "libpsl (psl_builtin)",
                [&](size_t i) { return psl_registrable_domain(psl, utf8[i].constData()) != nullptr; });
}

// The whole path the program takes for a link: host extraction with the two patterns, then lookup.
void BM_DomainHelperParseURL(benchmark::State& state)
{
    std::vector<QString> urls;
    for (const QString& host : hosts().texts)
        urls.push_back(QStringLiteral("https://") + host + QStringLiteral("/index.html"));
    const std::shared_ptr<const korvel::DomainHelper> helper = korvel::DomainHelper::shared();
    timeLookups(state, "DomainHelper::parseURL", [&](size_t i) {
        const std::optional<korvel::TLDResult> result = helper->parseURL(urls[i]);
        return result && result->rootDomain;
    });
}

// Start-up cost: reading and indexing the list.
void BM_TLDExtractCreate(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TLDExtract::create(true));
}

void BM_LibpslLoadFile(benchmark::State& state)
{
    const QByteArray path = listPath().toLocal8Bit();
    for (auto _ : state)
        psl_free(psl_load_file(path.constData()));
}

BENCHMARK(BM_TLDParser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibpslLoadedFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibpslBuiltin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DomainHelperParseURL)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TLDExtractCreate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibpslLoadFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::printf("%d hosts:", hostCount);
    for (const auto& [kind, count] : hosts().mix)
        std::printf(" %s %d", kind.c_str(), count);
    std::printf("\n");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const auto& best = bestNanosecondsPerHost();
    const auto ours = best.find("TLDParser");
    for (const auto& [name, nanoseconds] : best)
        std::printf("%-26s %8.1f ns per host\n", name.c_str(), nanoseconds);
    if (ours != best.end()) {
        for (const char* baseline : {"libpsl (psl_load_file)", "libpsl (psl_builtin)"}) {
            const auto other = best.find(baseline);
            if (other != best.end())
                std::printf("%s / TLDParser = %.2f (above 1: TLDParser is faster)\n", baseline,
                            other->second / ours->second);
        }
    }
    return 0;
}
